// SPDX-License-Identifier: GPL-3.0-or-later
// The game without a mouse. Every key is the click it stands for, made on the control that click
// would land on: the same handler runs, behind the same gates, and where the click would be
// refused (a hidden or covered control, a disabled panel, a busy turn) the key does nothing
// either. Keys typed meanwhile wait in the window system's queue exactly as clicks do.
//
//   hand        Left, Right, Home, End walk the cards; Enter or Space lays the card the keys
//               stand on (or the chosen chain); Insert or Shift+Enter chooses it for a chain
//   stock       D draws, or passes with 19 cards
//   deal panel  4, 5, 6, 7 choose the cards to deal; Enter deals
//   score grid  Enter or Escape is CLOSE
//   options     Tab walks, Space toggles; Enter on a button or box presses or ticks it
//   rules       Page Down, Page Up, Escape; F1 opens them wherever VIEW RULES shows
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTableWidget>

#include "suitchooser/window_controls.h"
#include "table/tform1.h"

namespace {

constexpr int kHandRingMargin = 4;
constexpr int kButtonRingMargin = 3;
// A press on a hand card lands where the next card leaves it uncovered.
constexpr QPoint kHandPressPoint(10, 49);

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void TForm1::SetUpKeyboard() {
    handRing_ = new FocusRing(this, kHandRingMargin);
    // Over the hand, under everything that lies over the hand (the stock's flying card, the
    // panels, the banners).
    handRing_->stackUnder(Label5);
    buttonRing_ = new FocusRing(Panel1, kButtonRingMargin);
    buttonRing_->raise();
    // The panel's picture buttons join Tab's walk; a click still gives them no focus, so the
    // mouse player's focus stays where it always was.
    for (PictureBox* picture : {Image24, Image25, Image26, Image27, Image20, ImageDeal})
        picture->setFocusPolicy(Qt::TabFocus);
    // The options panel as Tab walks it: players, names, saved games, target, the card backs in
    // the order of their numbers, the switches, START.
    const std::array<QWidget*, 18> tabOrder = {
        RadioButton10, RadioButton11, RadioButton12, ComboBox1,    ComboBox2, RadioButton5,
        RadioButton6,  RadioButton7,  RadioButton8,  RadioButton9, Image24,   Image26,
        Image25,       Image27,       CheckBox1,     CheckBox2,    CheckBox3, Image20,
    };
    for (size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    KeepTickedRadiosInTheWalk();
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateFocusRings(); });
}

bool TForm1::KeyFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A mouse player never sees where the keys stand.
        UseKeys(false);
        return false;
    case QEvent::KeyPress: {
        // A key is judged once, where it arrives; what the control there leaves comes on to
        // the window's own key handler.
        if (watched != focusWidget())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return KeyDown(key->key(), key->modifiers());
    }
    default:
        return false;
    }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (!KeyDown(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

bool TForm1::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    // F1 is no letter of a name: it opens the rules from the boxes too.
    if (key == Qt::Key_F1 && !Shown(Panel2)) {
        UseKeys(true);
        Press(Image33);
        return true;
    }
    if (TypingInBox())
        return false;
    if (Shown(Panel2)) {
        // The rules lie over the table: nothing under them answers until EXIT, and Tab does not
        // leave them. The arrows walk the text, line by line, for a screen reader to read.
        if (RulesKey(key))
            return true;
        const bool reading = focusWidget() == Memo1 && key != Qt::Key_Tab && key != Qt::Key_Backtab;
        return !reading;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        UseKeys(true);
        return false; // Qt walks the controls
    }
    if (key == Qt::Key_F1) {
        UseKeys(true);
        Press(Image33);
        return true;
    }
    if (Shown(Panel1))
        return OptionsKey(key);
    if (Shown(GroupBox4) && (IsEnter(key) || key == Qt::Key_Escape)) {
        UseKeys(true);
        Press(Image37);
        return true;
    }
    if (Shown(GroupBox1) && DealKey(key))
        return true;
    return PlayKey(key, modifiers);
}

bool TForm1::RulesKey(int key) {
    PictureBox* button = nullptr;
    switch (key) {
    case Qt::Key_PageDown:
        button = Image29;
        break;
    case Qt::Key_PageUp:
        button = Image30;
        break;
    case Qt::Key_Escape:
        button = Image28;
        break;
    default:
        return false;
    }
    UseKeys(true);
    Press(button);
    return true;
}

// Space on a radio button or check box is Qt's own; Enter there ticks it as a click would.
bool TForm1::OptionsKey(int key) {
    if (!IsEnter(key) && key != Qt::Key_Space)
        return false;
    QWidget* focused = focusWidget();
    if (auto* button = qobject_cast<QAbstractButton*>(focused)) {
        if (key == Qt::Key_Space)
            return false;
        UseKeys(true);
        if (ClickReaches(button, button->rect().center()))
            button->click();
        return true;
    }
    auto* picture = qobject_cast<PictureBox*>(focused);
    if (picture == nullptr)
        return false;
    UseKeys(true);
    if (ClickReaches(picture, picture->rect().center()))
        emit picture->clicked();
    return true;
}

bool TForm1::DealKey(int key) {
    if (key >= Qt::Key_4 && key <= Qt::Key_7) {
        UseKeys(true);
        // The captions that tick the deal sizes 4, 5, 6 and 7 when clicked.
        const std::array<TextLabel*, 4> captions = {Label10, Label13, Label15, Label16};
        TextLabel* caption = captions[key - Qt::Key_4];
        if (ClickReaches(caption, caption->rect().center()))
            emit caption->clicked();
        // The keys follow the size chosen, so a screen reader says it.
        if (Shown(GroupBox1)) {
            QRadioButton* ticked = CheckedDealRadio();
            if (focusWidget() == ticked)
                SayAgain(ticked);
            else
                GiveFocus(ticked);
        }
        return true;
    }
    if (IsEnter(key) || (key == Qt::Key_Space && focusWidget() == ImageDeal)) {
        UseKeys(true);
        Press(ImageDeal);
        return true;
    }
    return false;
}

bool TForm1::PlayKey(int key, Qt::KeyboardModifiers modifiers) {
    const int held = std::min(engine_.Hands[1].count, kHandLimit);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        UseKeys(true);
        if (key == Qt::Key_Left)
            MoveHandFocus(handFocus_ - 1);
        else if (key == Qt::Key_Right)
            MoveHandFocus(handFocus_ + 1);
        else
            MoveHandFocus(key == Qt::Key_Home ? 1 : held);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        UseKeys(true);
        PressHandSlot((modifiers & Qt::ShiftModifier) ? Qt::RightButton : Qt::LeftButton);
        return true;
    case Qt::Key_Space:
        // A radio button or check box that holds the focus takes its own Space.
        if (qobject_cast<QAbstractButton*>(focusWidget()))
            return false;
        UseKeys(true);
        PressHandSlot(Qt::LeftButton);
        return true;
    case Qt::Key_Insert:
        UseKeys(true);
        PressHandSlot(Qt::RightButton);
        return true;
    case Qt::Key_D: {
        UseKeys(true);
        PictureBox* stock = Image53;
        if (ClickReaches(stock, stock->rect().center()))
            emit stock->mouseDown(Qt::LeftButton);
        return true;
    }
    default:
        return false;
    }
}

void TForm1::PressHandSlot(Qt::MouseButton button) {
    PictureBox* slot = HandSlot(handFocus_);
    if (slot != nullptr && ClickReaches(slot, kHandPressPoint))
        emit slot->mouseDown(button);
}

bool TForm1::TypingInBox() const {
    for (const QWidget* widget = focusWidget(); widget != nullptr && widget != this;
         widget = widget->parentWidget()) {
        if (qobject_cast<const QComboBox*>(widget))
            return true;
    }
    return false;
}

bool TForm1::Shown(const QWidget* control) const {
    return control != nullptr && control->isVisibleTo(this);
}

// A click lands on the topmost control under the pointer, and only a shown, enabled control
// takes it.
bool TForm1::ClickReaches(QWidget* control, QPoint at) const {
    if (control == nullptr || !control->isVisibleTo(this) || !control->isEnabled())
        return false;
    return childAt(control->mapTo(this, at)) == control;
}

bool TForm1::Press(PictureBox* picture) {
    if (!ClickReaches(picture, picture->rect().center()))
        return false;
    emit picture->clicked();
    return true;
}

void TForm1::MoveHandFocus(int slot) {
    const int held = std::min(engine_.Hands[1].count, kHandLimit);
    if (held < 1)
        return;
    const int was = handFocus_;
    handFocus_ = std::clamp(slot, 1, held);
    handFocusCard_ = engine_.Hands[1].slot[handFocus_];
    UpdateFocusRings();
    // At either end of the hand the key changes nothing a screen reader would speak of.
    if (handFocus_ == was && HandSlot(handFocus_)->KeyFocus())
        SayAgain(HandSlot(handFocus_));
}

void TForm1::FollowHand() {
    int shown = 0;
    for (int k = 1; k <= kHandLimit; ++k)
        shown += HandSlot(k)->isHidden() ? 0 : 1;
    const Hand& hand = engine_.Hands[1];
    int found = 0;
    for (int k = 1; k <= shown && found == 0; ++k) {
        if (handFocusCard_ > 0 && hand.slot[k] == handFocusCard_)
            found = k;
    }
    handFocus_ = found > 0 ? found : std::clamp(handFocus_, 1, std::max(shown, 1));
    handFocusCard_ = shown > 0 ? hand.slot[handFocus_] : 0;
    UpdateFocusRings();
}

void TForm1::UseKeys(bool used) {
    if (keysUsed_ == used)
        return;
    keysUsed_ = used;
    UpdateFocusRings();
}

void TForm1::UpdateFocusRings() {
    if (handRing_ == nullptr)
        return;
    PictureBox* slot = HandSlot(handFocus_);
    const bool onHand = keysUsed_ && slot != nullptr && !slot->isHidden() && slot->isEnabled() &&
                        slot->HasPicture();
    if (onHand)
        handRing_->Surround(slot);
    else
        handRing_->hide();
    // A screen reader hears the card as focused only while the window itself has the keys: with
    // the rules, the scores or the suit chooser open, the focus is theirs. The window then
    // passes its keys on to the card, and stops being the focused object itself.
    const bool windowHasKeys = (focusWidget() == this || focusWidget() == nullptr) && !chooserOpen_;
    for (int k = 1; k <= kHandLimit; ++k)
        HandSlot(k)->SetKeyFocus(onHand && windowHasKeys && k == handFocus_);

    auto* picture = qobject_cast<PictureBox*>(focusWidget());
    if (keysUsed_ && picture != nullptr && picture->parentWidget() == buttonRing_->parentWidget())
        buttonRing_->Surround(picture);
    else
        buttonRing_->hide();
}

// Tab enters a group of radio buttons on the one that is ticked, where the choice stands: only
// that one is in Tab's walk, so the focus never passes over an unticked one on its way in. The
// arrows still walk the group, as Qt walks any group of exclusive buttons.
void TForm1::KeepTickedRadiosInTheWalk() {
    const auto deal = DealRadios();
    const auto target = TargetRadios();
    const auto players = PlayerRadios();
    std::vector<QRadioButton*> radios(deal.begin(), deal.end());
    radios.insert(radios.end(), target.begin(), target.end());
    radios.insert(radios.end(), players.begin(), players.end());
    for (QRadioButton* radio : radios) {
        radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::NoFocus);
        connect(radio, &QRadioButton::toggled, radio, [radio](bool ticked) {
            radio->setFocusPolicy(ticked ? Qt::StrongFocus : Qt::NoFocus);
        });
    }
}

QRadioButton* TForm1::CheckedDealRadio() const {
    for (QRadioButton* radio : DealRadios())
        if (radio->isChecked())
            return radio;
    return RadioButton1;
}

// Which part of the table wants the keys now.
TForm1::KeyPlace TForm1::CurrentKeyPlace() const {
    if (Shown(Panel2))
        return KeyPlace::Rules;
    if (Shown(GroupBox4))
        return KeyPlace::Scores;
    if (engine_.GameOver && Shown(Label26))
        return KeyPlace::GameOver;
    if (Shown(GroupBox1))
        return KeyPlace::Deal;
    if (Shown(Panel1))
        return KeyPlace::Options;
    return KeyPlace::Play;
}

// Where the keyboard focus belongs as the game goes on, so that a player who cannot see the
// table finds it where the game now wants a key: in the rules while they are open, on the
// player's total when a round ends, on the ticked deal size when a deal is due, on the end of
// the game, on the hand in play. When that place has just come up the focus goes there; while
// it stays, a player walking it with Tab is left alone, unless the focus was lost.
void TForm1::FollowGame() {
    const KeyPlace place = CurrentKeyPlace();
    const bool arrived = place != keyPlace_;
    keyPlace_ = place;
    QWidget* focus = focusWidget();

    const bool lost = focus == nullptr || !focus->isVisibleTo(this) || !focus->isEnabled();
    switch (place) {
    case KeyPlace::Rules:
        if (arrived || lost || !Panel2->isAncestorOf(focus))
            GiveFocus(Memo1);
        return;
    case KeyPlace::Scores:
        if (arrived || lost || !GroupBox4->isAncestorOf(focus)) {
            GiveFocus(StringGrid1);
            // On the player's own total, which a screen reader reads out; the arrows walk the
            // rest. Nothing is selected: the grid shows no cell as chosen.
            const QModelIndex total = StringGrid1->model()->index(1, 11);
            StringGrid1->selectionModel()->setCurrentIndex(total, QItemSelectionModel::NoUpdate);
        }
        return;
    case KeyPlace::GameOver:
        Label26->setFocusPolicy(Qt::StrongFocus);
        if (focus != Label26)
            GiveFocus(Label26);
        return;
    case KeyPlace::Deal:
        if (arrived || lost)
            GiveFocus(CheckedDealRadio());
        return;
    case KeyPlace::Options:
        return;
    case KeyPlace::Play:
        // The window itself takes the keys, and the card they stand on has the focus a screen
        // reader hears; the "Save Game" box beside the table waits for a click.
        if (focus != this && (arrived || lost || engine_.RoundActive))
            setFocus(Qt::OtherFocusReason);
        return;
    }
}

// The window system hands the keys to the window's focused control only while the window is
// the active one; a screen reader is told where they stand either way.
void TForm1::GiveFocus(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() != control) {
        QAccessibleEvent event(control, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TForm1::RefocusHand() {
    if (PictureBox* slot = HandSlot(handFocus_); slot != nullptr && slot->KeyFocus()) {
        slot->SetKeyFocus(false);
        UpdateFocusRings();
    }
}
