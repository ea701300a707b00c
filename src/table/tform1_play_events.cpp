// SPDX-License-Identifier: GPL-3.0-or-later
// The controls a game is played with: DEAL, the hand slots, the stock, CLOSE under the score
// grid and the "Save Game" box, each handed to the turn flow; the waits between the steps of a
// turn; the suit chooser; and a close that arrives while a turn is still being played.
#include <QCloseEvent>
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>

#include "suitchooser/tform2.h"
#include "suitchooser/window_controls.h"
#include "table/flow/turn_flow.h"
#include "table/pacer.h"
#include "table/tform1.h"

namespace {

MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    default:
        return MouseButton::Other;
    }
}

} // namespace

void TForm1::ConnectPlayHandlers() {
    On(ImageDeal, &PictureBox::clicked, [this] { ImageDealClick(); });
    for (int slot = 1; slot <= kHandLimit; ++slot) {
        On(HandSlot(slot), &PictureBox::mouseDown,
           [this, slot](Qt::MouseButton button) { HandSlotMouseDown(slot, button); });
    }
    On(Image53, &PictureBox::mouseDown,
       [this](Qt::MouseButton button) { Image53MouseDown(button); });
    On(Image37, &PictureBox::clicked, [this] { Image37Click(); });
    OnKeyDown(ComboBox3, [this](int key) { ComboBox3KeyDown(key); });
}

void TForm1::RunEvent(const std::function<void()>& handler) {
    if (flow_ != nullptr)
        flow_->RunEvent(handler);
}

bool TForm1::Closing() const {
    return flow_ != nullptr && flow_->Closing();
}

void TForm1::ImageDealClick() {
    flow_->ImageDealClick();
}

void TForm1::HandSlotMouseDown(int slot, Qt::MouseButton button) {
    flow_->HandSlotMouseDown(slot, ButtonOf(button));
}

void TForm1::Image53MouseDown(Qt::MouseButton button) {
    flow_->Image53MouseDown(ButtonOf(button));
}

void TForm1::Image37Click() {
    flow_->Image37Click();
}

void TForm1::HideDealPanel() {
    QWidget* deal = GroupBox1;
    deal->hide();
    deal->setEnabled(false);
}

void TForm1::ShowDealPanel() {
    QWidget* deal = GroupBox1;
    deal->setEnabled(true);
    deal->show();
}

// What a screen reader reads and where the keys stand catch up before each new picture.
void TForm1::Repaint() {
    TableChanged();
    repaint();
}

// Once the window is closing nothing waits any more: the step in hand finishes at once.
void TForm1::Pause(int ms) {
    if (Closing())
        return;
    TableChanged();
    pacer_.Pause(ms);
}

void TForm1::Sleep(int ms) {
    if (!Closing())
        pacer_.Sleep(ms);
}

void TForm1::ShowError(const std::string& text) {
    if (!Closing())
        ShowError(QString::fromStdString(text));
}

// The chooser opens about centred on the table and 77 pixels below its middle, wherever the
// table stands now; both windows count with their outer sizes.
int TForm1::OpenSuitChooser() {
    if (!chooser_ || Closing())
        return -1;
    const QRect table = frameGeometry();
    const QRect chooser = chooser_->frameGeometry();
    engine_.SuitChooserLeft = TForm1::Centre(table.width(), chooser.width()) + table.left() - 1;
    engine_.SuitChooserTop = TForm1::Centre(table.height(), chooser.height()) + table.top() + 77;
    // A player who plays by keys sees at once which suit the keys stand on.
    chooser_->SetKeyFocusShown(keysUsed_);
    // While it is open the chooser's suits have the keys, not the card just laid.
    chooserOpen_ = true;
    UpdateFocusRings();
    const int suit = chooser_->ShowModal();
    chooserOpen_ = false;
    // The keys come back to the table. A window manager would give them back to the window
    // under the chooser; without one they would go nowhere, and a screen reader, which follows
    // only the active window, would fall silent for the rest of the game.
    if (!isActiveWindow())
        activateWindow();
    UpdateFocusRings();
    return suit;
}

// A close that comes while a handler runs only marks the window: the flow stops at its next
// step, and the window goes once the last handler has returned.
void TForm1::closeEvent(QCloseEvent* event) {
    if (flow_ != nullptr && !flow_->AskToClose()) {
        // A chooser left open would hold the handler for ever.
        if (chooser_ && chooser_->isVisible())
            chooser_->reject();
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::CloseWindow() {
    QTimer::singleShot(0, this, [this] { close(); });
}
