// The suit chooser: a small borderless window with the four suit symbols, shown modally after
// the human lays a joker. One click names the suit in the engine's ActiveSuit and closes it.
#pragma once

#include <QDialog>

#include "engine/engine.h"

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

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateSuitPicture(int suit);

    Engine& engine_;
    PictureBox* image1_ = nullptr;
    TextLabel* label1_ = nullptr;
    int chosen_ = -1;
};
