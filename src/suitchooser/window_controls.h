// SPDX-License-Identifier: GPL-3.0-or-later
// The two small controls both windows are built from: a picture with its own drawing surface
// and a text label that sizes itself to its caption. Both report clicks the way the game's
// handlers expect them.
#pragma once

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QWidget>

// A picture control. Its surface is a bitmap of its own size, independent of the control's
// size: unstretched it is shown from the top-left corner and cut at the control's edges;
// stretched it fills the control. In transparent mode every pixel of the colour of the
// surface's bottom-left pixel is left unpainted, so whatever lies below shows through.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    // A tiled picture's surface is one tile, laid again and again from the top-left corner
    // until the control is covered.
    bool Tiled() const { return tiled_; }
    void SetTiled(bool on);

    // The colour a surface made on demand starts with (white unless set).
    void SetFreshColour(QRgb colour) { freshColour_ = colour; }

    // What assistive technology is told the picture is: a plain picture unless set (a button,
    // a card to press).
    void SetAccessibleRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role AccessibleRole() const { return role_; }
    // Pictures that never take the real keyboard focus (the hand's cards, the chooser's suits)
    // can still be where the keys stand; assistive technology then hears that this one has it.
    void SetKeyFocus(bool on);
    bool KeyFocus() const { return keyFocus_; }
    // A picture that is one of a group to choose from (a card back) tells whether it is the one
    // chosen.
    void SetAccessibleChecked(bool checked);
    bool Checkable() const { return checkable_; }
    bool Checked() const { return checked_; }

    bool HasPicture() const { return !surface_.isNull(); }
    const QImage& Picture() const { return surface_; }
    // The surface to draw on, made at the control's size when there is none. Fetch it again for
    // each drawing step: fetching it is what tells the control to repaint.
    QImage& Canvas();
    void SetPicture(const QImage& picture);
    // A fresh surface of width x height logical pixels at the window's device pixel ratio, or
    // at the one given (a picture that is itself doubled, held at half the resolution).
    void NewSurface(int width, int height, qreal ratio = 0);
    void ClearPicture();

  signals:
    void clicked();
    void mouseDown(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const QImage& Displayed() const;

    QImage surface_;
    mutable QImage displayed_; // the surface with its key colour made clear
    mutable bool dirty_ = true;
    bool transparent_ = false;
    bool stretch_ = false;
    bool tiled_ = false;
    bool pressed_ = false;
    bool keyFocus_ = false;
    bool checkable_ = false;
    bool checked_ = false;
    QRgb freshColour_ = 0xFFFFFFFF;
    QAccessible::Role role_ = QAccessible::Graphic;
};

// Whether a picture of the window stands where the keys are: the window then passes its keys
// on to that picture, which is the one focused object, not the window.
bool PassesKeysToAPicture(const QWidget* window);

// The outline round whatever the keys stand on, for controls that draw no focus of their own.
// It lies over its neighbours and lets every click through to what is under it.
class FocusRing : public QWidget {
    Q_OBJECT
  public:
    // margin: how far the outline stands out from the control it surrounds.
    FocusRing(QWidget* parent, int margin);
    // Stands round the control, which must share the ring's parent, and shows; where it lies
    // among its neighbours is the owner's choice.
    void Surround(const QWidget* control);

    static constexpr QRgb kColour = 0xFFFFFF00; // yellow between two black lines

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int margin_;
};

// A label that, like the game's design labels, sizes itself to its caption whenever the
// caption changes, paints no background of its own and reports clicks.
class TextLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TextLabel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption); // CR LF is a line break
    QString Caption() const { return text(); }
    void SetFontColour(QColor colour);
    QColor FontColour() const;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// Copies the source rectangle of a bitmap onto the destination rectangle of another, scaled
// to fit by repeating or dropping pixels (never blending). Parts of either rectangle that lie
// outside their bitmaps are skipped.
void ScaledCopy(QImage& destination, const QRect& to, const QImage& source, const QRect& from);

// Paints a rectangle outline three pixels thick around the given bounds (right and bottom
// exclusive), as a pen of width 3 centred on the edges of left, top, right - 1, bottom - 1.
void OutlineRectangle(QImage& image, int left, int top, int right, int bottom, QRgb colour);
