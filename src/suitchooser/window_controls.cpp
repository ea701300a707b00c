// SPDX-License-Identifier: GPL-3.0-or-later
#include "suitchooser/window_controls.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Tells assistive technology what a picture stands for, and which picture the keys are on.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PictureBox* picture)
        : QAccessibleWidget(picture, picture->AccessibleRole()) {}

    QAccessible::Role role() const override {
        return static_cast<const PictureBox*>(widget())->AccessibleRole();
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const auto* picture = static_cast<const PictureBox*>(widget());
        if (picture->KeyFocus()) {
            state.focusable = true;
            state.focused = true;
        }
        state.checkable = picture->Checkable();
        state.checked = picture->Checked();
        return state;
    }
};

QAccessibleInterface* PictureInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("PictureBox") && object != nullptr && object->isWidgetType())
        return new PictureAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(PictureInterface);
        return true;
    }();
    (void)factoryInstalled;
}

void PictureBox::SetAccessibleChecked(bool checked) {
    checkable_ = true;
    if (checked_ == checked)
        return;
    checked_ = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::SetKeyFocus(bool on) {
    if (keyFocus_ == on)
        return;
    keyFocus_ = on;
    QAccessible::State changed;
    changed.focused = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    if (on) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    // The window holding the keys stops or starts being the focused object itself.
    if (QWidget* owner = window(); owner != this && owner->hasFocus()) {
        QAccessibleStateChangeEvent ownerChanged(owner, changed);
        QAccessible::updateAccessibility(&ownerChanged);
    }
}

bool PassesKeysToAPicture(const QWidget* window) {
    const QList<PictureBox*> pictures = window->findChildren<PictureBox*>();
    return std::any_of(pictures.begin(), pictures.end(),
                       [](const PictureBox* picture) { return picture->KeyFocus(); });
}

void PictureBox::SetTransparent(bool on) {
    transparent_ = on;
    dirty_ = true;
    update();
}

void PictureBox::SetTiled(bool on) {
    tiled_ = on;
    update();
}

void PictureBox::SetStretch(bool on) {
    stretch_ = on;
    update();
}

QImage& PictureBox::Canvas() {
    if (surface_.isNull())
        NewSurface(width(), height());
    dirty_ = true;
    update();
    return surface_;
}

void PictureBox::SetPicture(const QImage& picture) {
    surface_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    dirty_ = true;
    update();
}

// The surface has the window's own resolution: width x height logical pixels, each of
// DevicePixelRatio() device pixels a side, so a picture is as sharp as the text beside it.
void PictureBox::NewSurface(int width, int height, qreal ratio) {
    if (ratio <= 0)
        ratio = devicePixelRatioF();
    surface_ =
        QImage(std::max(static_cast<int>(std::lround(width * ratio)), 1),
               std::max(static_cast<int>(std::lround(height * ratio)), 1), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(freshColour_);
    dirty_ = true;
    update();
}

void PictureBox::ClearPicture() {
    surface_ = QImage();
    dirty_ = true;
    update();
}

const QImage& PictureBox::Displayed() const {
    if (!dirty_)
        return displayed_;
    dirty_ = false;
    if (surface_.isNull() || !transparent_) {
        displayed_ = surface_;
        return displayed_;
    }
    // The bottom-left pixel names the colour that lets the table show through. Every pixel
    // ends up either opaque or wholly clear, which premultiplied words hold unchanged; in that
    // form the painter lays the picture on the table without converting it at every repaint.
    displayed_ = surface_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb key = surface_.pixel(0, surface_.height() - 1) | 0xFF000000u;
    const int width = displayed_.width();
    for (int y = 0; y < displayed_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(displayed_.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return displayed_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    const QImage& picture = Displayed();
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (tiled_) {
        const QSizeF tile = picture.deviceIndependentSize();
        for (qreal y = 0; y < height(); y += tile.height())
            for (qreal x = 0; x < width(); x += tile.width())
                painter.drawImage(QPointF(x, y), picture);
    } else if (stretch_) {
        painter.drawImage(rect(), picture);
    } else {
        painter.drawImage(QPoint(0, 0), picture);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(event->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

FocusRing::FocusRing(QWidget* parent, int margin) : QWidget(parent), margin_(margin) {
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::Surround(const QWidget* control) {
    setGeometry(control->geometry().adjusted(-margin_, -margin_, margin_, margin_));
    show();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    const int band = margin_;
    painter.fillRect(outer.x(), outer.y(), outer.width(), band, Qt::black);
    painter.fillRect(outer.x(), outer.bottom() - band + 1, outer.width(), band, Qt::black);
    painter.fillRect(outer.x(), outer.y(), band, outer.height(), Qt::black);
    painter.fillRect(outer.right() - band + 1, outer.y(), band, outer.height(), Qt::black);
    // The yellow runs inside the black edges, so it shows on the cloth and on a white card.
    const QRect yellow = outer.adjusted(1, 1, -1, -1);
    const int inner = band - 2;
    const QColor colour = QColor::fromRgb(kColour);
    painter.fillRect(yellow.x(), yellow.y(), yellow.width(), inner, colour);
    painter.fillRect(yellow.x(), yellow.bottom() - inner + 1, yellow.width(), inner, colour);
    painter.fillRect(yellow.x(), yellow.y(), inner, yellow.height(), colour);
    painter.fillRect(yellow.right() - inner + 1, yellow.y(), inner, yellow.height(), colour);
}

TextLabel::TextLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

void TextLabel::SetCaption(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(text);
    adjustSize();
}

void TextLabel::SetFontColour(QColor colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

QColor TextLabel::FontColour() const {
    return palette().color(QPalette::WindowText);
}

void TextLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

namespace {

// Formats whose pixels are QRgb words read and written as they stand; RGB32 keeps its alpha
// byte at 0xFF.
bool PlainWords(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

} // namespace

void ScaledCopy(QImage& destination, const QRect& to, const QImage& source, const QRect& from) {
    if (to.isEmpty() || from.isEmpty() || destination.isNull() || source.isNull())
        return;
    // The source column of each destination column. Both grow together, so the columns that
    // lie inside both bitmaps are one run, [first, last).
    std::vector<int> columns(static_cast<size_t>(to.width()));
    int first = to.width();
    int last = 0;
    for (int dx = 0; dx < to.width(); ++dx) {
        const int tx = to.left() + dx;
        const int sx = from.left() + static_cast<int>(int64_t{dx} * from.width() / to.width());
        columns[static_cast<size_t>(dx)] = sx;
        if (tx >= 0 && tx < destination.width() && sx >= 0 && sx < source.width()) {
            first = std::min(first, dx);
            last = dx + 1;
        }
    }
    if (first >= last)
        return;
    // The sheets and surfaces are all 32-bit words: those rows are copied word by word, with
    // the same values pixel() and setPixel() would give, and a row that repeats the source row
    // before it is the destination row before it again.
    const bool words = PlainWords(source.format()) && PlainWords(destination.format());
    const QRgb alphaIn = source.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u;
    const QRgb alphaOut = destination.format() == QImage::Format_RGB32 ? 0xFF000000u : 0u;
    const QRgb* lastOut = nullptr;
    int lastSy = -1;
    for (int dy = 0; dy < to.height(); ++dy) {
        const int ty = to.top() + dy;
        const int sy = from.top() + static_cast<int>(int64_t{dy} * from.height() / to.height());
        if (ty < 0 || ty >= destination.height() || sy < 0 || sy >= source.height())
            continue;
        if (!words) {
            for (int dx = first; dx < last; ++dx)
                destination.setPixel(to.left() + dx, ty,
                                     source.pixel(columns[static_cast<size_t>(dx)], sy));
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(destination.scanLine(ty));
        const int left = to.left();
        if (sy == lastSy && lastOut != nullptr) {
            std::copy(lastOut + left + first, lastOut + left + last, out + left + first);
        } else {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
            for (int dx = first; dx < last; ++dx)
                out[left + dx] = in[columns[static_cast<size_t>(dx)]] | alphaIn | alphaOut;
        }
        lastOut = out;
        lastSy = sy;
    }
}

void OutlineRectangle(QImage& image, int left, int top, int right, int bottom, QRgb colour) {
    // A pen of width 3 covers one pixel either side of each edge line: in logical pixels the
    // bands [left - 1, left + 2) and [right - 2, right + 1) across, likewise down, each edge
    // of a band rounded to the image's device pixels.
    const qreal ratio = image.devicePixelRatio();
    const auto device = [ratio](int logical) {
        return static_cast<int>(std::lround(logical * ratio));
    };
    const QRect outer(QPoint(device(left - 1), device(top - 1)),
                      QPoint(device(right + 1) - 1, device(bottom + 1) - 1));
    const QRect inner(QPoint(device(left + 2), device(top + 2)),
                      QPoint(device(right - 2) - 1, device(bottom - 2) - 1));
    const QRect clip = outer.intersected(image.rect());
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const bool band = y < inner.top() || y > inner.bottom();
        for (int x = clip.left(); x <= clip.right(); ++x) {
            if (band || x < inner.left() || x > inner.right())
                image.setPixel(x, y, colour);
        }
    }
}
