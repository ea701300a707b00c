// SPDX-License-Identifier: GPL-3.0-or-later
// The suit chooser: a small borderless window with the four suit symbols, shown modally after
// the human lays a joker. One click names the suit in the engine's ActiveSuit and closes it.
#pragma once

#include <QDialog>
#include <array>

#include "engine/engine.h"

class FocusRing;
class PictureBox;
class TextLabel;

class TForm2 : public QDialog {
    Q_OBJECT
  public:
    explicit TForm2(Engine& engine, QWidget* parent = nullptr);

    static constexpr int kWidth = 234;
    static constexpr int kHeight = 91;

    // Shows the window modally; returns the suit named, or -1 when it was closed without a
    // click (ActiveSuit then keeps its value).
    int ShowModal();

    PictureBox* Image1() const { return image1_; } // the cloth backdrop, painted by the table

    void FormActivate();
    void SuitClick(int suit); // Image71Click .. Image74Click

    // Keys: 1-4 or D, C, H, S name a suit; Left and Right walk the four, Enter or Space names
    // the one the keys stand on; Escape closes without a suit, as the close key does.
    // A player who came by keyboard sees where the keys stand from the start.
    void SetKeyFocusShown(bool shown) { keyFocusShown_ = shown; }
    int KeyFocus() const { return keyFocus_; } // 0..3, diamonds first
    bool KeyFocusShown() const { return keyFocusShown_; }
    FocusRing* Ring() const { return ring_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateSuitPicture(int suit);
    void PressSuit(int suit); // the click on that suit's picture
    void ShowKeyFocus();

    Engine& engine_;
    PictureBox* image1_ = nullptr;
    TextLabel* label1_ = nullptr;
    std::array<PictureBox*, 4> suits_{};
    FocusRing* ring_ = nullptr;
    int chosen_ = -1;
    int keyFocus_ = 0;
    bool keyFocusShown_ = false;
};
