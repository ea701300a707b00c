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

constexpr std::array<int, 4> kDealSizes = {4, 5, 6, 7}; // RadioButton1 ..

int Centre(int outer, int inner) {
    return (outer / 6 - inner / 6) * 3;
}

} // namespace

void TForm1::ConnectPlayHandlers() {
    On(QStringLiteral("ImageDeal"), &PictureBox::clicked, [this] { ImageDealClick(); });
    for (int slot = 1; slot <= 19; ++slot) {
        On(QStringLiteral("Image%1").arg(slot), &PictureBox::mouseDown,
           [this, slot](Qt::MouseButton button) { HandSlotMouseDown(slot, button); });
    }
    On(QStringLiteral("Image53"), &PictureBox::mouseDown,
       [this](Qt::MouseButton button) { Image53MouseDown(button); });
    On(QStringLiteral("Image37"), &PictureBox::clicked, [this] { Image37Click(); });
    OnKeyDown(QStringLiteral("ComboBox3"), [this](int key) { ComboBox3KeyDown(key); });
}

// A whole turn sequence runs inside the handler of the press that started it. A close asked
// for meanwhile only marks the window: the flow stops at its next step, and the window goes
// once the handler has returned.
void TForm1::RunTurnSequence(const std::function<void()>& body) {
    if (flow_ == nullptr || closing_)
        return;
    Guarded(body);
}

void TForm1::ImageDealClick() {
    RunTurnSequence([this] { flow_->ImageDealClick(); });
}

void TForm1::HandSlotMouseDown(int slot, Qt::MouseButton button) {
    RunTurnSequence([this, slot, button] { flow_->HandSlotMouseDown(slot, ButtonOf(button)); });
}

void TForm1::Image53MouseDown(Qt::MouseButton button) {
    RunTurnSequence([this, button] { flow_->Image53MouseDown(ButtonOf(button)); });
}

void TForm1::Image37Click() {
    RunTurnSequence([this] { flow_->Image37Click(); });
}

int TForm1::CheckedDealSize() const {
    for (size_t i = 0; i < kDealSizes.size(); ++i) {
        if (Radio(QStringLiteral("RadioButton%1").arg(i + 1))->isChecked())
            return kDealSizes[i];
    }
    return 0;
}

void TForm1::HideDealPanel() {
    QWidget* deal = Control(QStringLiteral("GroupBox1"));
    deal->hide();
    deal->setEnabled(false);
}

void TForm1::ShowDealPanel() {
    QWidget* deal = Control(QStringLiteral("GroupBox1"));
    deal->setEnabled(true);
    deal->show();
}

void TForm1::Repaint() {
    repaint();
}

// Once the window is closing nothing waits any more: the step in hand finishes at once.
void TForm1::Pause(int ms) {
    if (!closing_)
        pacer_.Pause(ms);
}

void TForm1::Sleep(int ms) {
    if (!closing_)
        pacer_.Sleep(ms);
}

void TForm1::ShowError(const std::string& text) {
    if (!closing_)
        ShowError(QString::fromStdString(text));
}

// The chooser opens about centred on the table and 77 pixels below its middle, wherever the
// table stands now; both windows count with their outer sizes.
int TForm1::OpenSuitChooser() {
    if (!chooser_ || closing_)
        return -1;
    const QRect table = frameGeometry();
    const QRect chooser = chooser_->frameGeometry();
    engine_.SuitChooserLeft = Centre(table.width(), chooser.width()) + table.left() - 1;
    engine_.SuitChooserTop = Centre(table.height(), chooser.height()) + table.top() + 77;
    // A player who plays by keys sees at once which suit the keys stand on.
    chooser_->SetKeyFocusShown(keysUsed_);
    return chooser_->ShowModal();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (handlerDepth_ > 0) {
        closing_ = true;
        // A chooser left open would hold the handler for ever.
        if (chooser_ && chooser_->isVisible())
            chooser_->reject();
        event->ignore(); // CloseIfAsked closes the window once the last handler returns
        return;
    }
    closing_ = true;
    FormClose();
    event->accept();
}

void TForm1::CloseIfAsked() {
    if (closing_ && handlerDepth_ == 0)
        QTimer::singleShot(0, this, [this] { close(); });
}
