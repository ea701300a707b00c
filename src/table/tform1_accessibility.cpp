// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: a name for every control a player acts on and, where a control
// shows a card, which card. The names follow the table as it changes; labels, the memo and the
// score grid speak their own text.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "suitchooser/window_controls.h"
#include "table/table_accessibles.h"
#include "table/tform1.h"

namespace {

// Changes a name only when it changed, so a screen reader hears only news.
void Name(QWidget* control, const QString& name, const QString& description) {
    if (control == nullptr)
        return;
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

QString Cards(int count) {
    return count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count);
}

} // namespace

QString TForm1::CardName(int card) {
    return QString::fromStdString(Engine::CardName(card));
}

void TForm1::NameControls() {
    struct ControlName {
        QWidget* control;
        const char* name;
        const char* description;
    };
    const std::array<ControlName, 41> names = {{
        {Image20, "Start", "Enter starts the game with these options"},
        {ImageDeal, "Deal", "Enter deals; 4 to 7 choose the cards dealt"},
        {Image33, "View rules", "F1"},
        {Image29, "Page down", "Page Down key"},
        {Image30, "Page up", "Page Up key"},
        {Image28, "Exit the rules", "Escape"},
        {Image37, "Close the scores", "Enter or Escape"},
        {Image24, "Card back 1", ""},
        {Image26, "Card back 2", ""},
        {Image25, "Card back 3", ""},
        {Image27, "Card back 4", ""},
        {RadioButton1, "4 cards", "key 4"},
        {RadioButton2, "5 cards", "key 5"},
        {RadioButton3, "6 cards", "key 6"},
        {RadioButton4, "7 cards", "key 7"},
        {RadioButton5, "Play until 100 points", ""},
        {RadioButton6, "Play until 200 points", ""},
        {RadioButton7, "Play until 250 points", ""},
        {RadioButton8, "Play until 300 points", ""},
        {RadioButton9, "Play until 350 points", ""},
        {RadioButton10, "3 players", ""},
        {RadioButton11, "4 players", ""},
        {RadioButton12, "5 players", ""},
        {CheckBox1, "Quick deal", ""},
        {CheckBox2, "Sort cards by points", ""},
        {CheckBox3, "Progressive twos", ""},
        {ComboBox1, "Change names", "pick a seat, type the new name, then Enter"},
        {ComboBox2, "Saved games", "pick a game, then Enter to load it"},
        {ComboBox3, "Save game", "type a name, then Enter"},
        {Memo1, "Rules", "Page Down, Page Up, Escape"},
        {StringGrid1, "Scores", "Enter or Escape closes"},
        {Image53, "stock", "D draws a card; with 19 cards it passes"},
        {Image60, "discard pile", ""},
        {Image81, "turn arrow", ""},
        {Image82, "turn arrow", ""},
        {Image83, "turn arrow", ""},
        {Image84, "turn arrow", ""},
        {Image71, "diamonds to follow", ""},
        {Image72, "clubs to follow", ""},
        {Image73, "hearts to follow", ""},
        {Image74, "spades to follow", ""},
    }};
    for (const ControlName& entry : names) {
        Name(entry.control, QString::fromLatin1(entry.name),
             QString::fromLatin1(entry.description));
    }
    for (PictureBox* button : {Image20, ImageDeal, Image33, Image29, Image30, Image28, Image37,
                               Image24, Image25, Image26, Image27, Image53})
        button->SetAccessibleRole(QAccessible::Button);
    for (int slot = 1; slot <= kHandLimit; ++slot)
        HandSlot(slot)->SetAccessibleRole(QAccessible::Button);
    setAccessibleName(windowTitle());
    for (QWidget* ring : std::initializer_list<QWidget*>{handRing_, buttonRing_})
        MarkDecorative(ring);
    for (int design = 1; design <= 4; ++design)
        DesignPicture(design)->SetAccessibleRole(QAccessible::RadioButton);
    NameCardBacks();
    news_ = new SpokenNews(this);
}

// The panes a screen reader walks, without the pictures and frames that only decorate them.
// Marked as soon as the controls exist: what a screen reader is first told of a control is
// what it keeps.
void TForm1::LayOutForScreenReaders() {
    for (QWidget* decoration : std::initializer_list<QWidget*>{
             Image99, Image98, Image97, Image32, Image23, Image34, Image36, Image38, Image39,
             Image40, Image42, Image50, Image51, Image52, Image61, Label11})
        MarkDecorative(decoration);
    MarkPane(Panel1, QStringLiteral("Options"));
    MarkPane(GroupBox3, QStringLiteral("Number of players"));
    MarkPane(GroupBox2, QStringLiteral("Play until"));
    MarkPane(GroupBox1, QStringLiteral("Deal"));
    MarkPane(GroupBox4, QStringLiteral("Scores"));
    MarkPane(Panel2, QStringLiteral("Rules"));
}

void TForm1::NameCardBacks() {
    for (int design = 1; design <= 4; ++design)
        DesignPicture(design)->SetAccessibleChecked(design == engine_.CardDesign);
}

// The same news twice over, with nothing between, tells nothing new.
void TForm1::Announce(const std::string& text) {
    const QString news = QString::fromStdString(text);
    const QString last = pendingNews_.isEmpty() ? LastNews() : pendingNews_.back();
    if (!news.isEmpty() && news != last)
        pendingNews_ << news;
}

// A screen reader speaks a control when the focus comes to it; told again, the player hears
// where the keys still stand.
void TForm1::SayAgain(const QWidget* control) {
    if (news_ == nullptr)
        return;
    QString text = control->accessibleName();
    if (!control->accessibleDescription().isEmpty())
        text += QStringLiteral(", ") + control->accessibleDescription();
    news_->Say(text);
}

QString TForm1::LastNews() const {
    return news_ ? news_->Last() : QString();
}

// The score grid's rows are the seats and its columns the rounds, and a cell says its value
// without the padding that lines the figures up on the screen.
void TForm1::NameScoreGrid(const ScoreGridTexts& cells) {
    QStringList rows{QString()};
    for (int seat = 1; seat < static_cast<int>(cells.size()); ++seat)
        rows << QString::fromStdString(cells[seat][0]);
    QStringList columns{QStringLiteral("Player")};
    for (int round = 1; round <= 10; ++round)
        columns << QStringLiteral("Round %1").arg(round);
    columns << QStringLiteral("Total");
    StringGrid1->setVerticalHeaderLabels(rows);
    StringGrid1->setHorizontalHeaderLabels(columns);
    for (int row = 0; row < StringGrid1->rowCount(); ++row)
        for (int column = 0; column < StringGrid1->columnCount(); ++column)
            if (QTableWidgetItem* item = StringGrid1->item(row, column))
                item->setData(Qt::AccessibleTextRole, item->text().trimmed());
}

void TForm1::NameHandSlots() {
    const Hand& hand = engine_.Hands[1];
    int shown = 0;
    for (int slot = 1; slot <= kHandLimit; ++slot)
        shown += HandSlot(slot)->isHidden() ? 0 : 1;
    for (int slot = 1; slot <= kHandLimit; ++slot) {
        PictureBox* picture = HandSlot(slot);
        if (picture->isHidden()) {
            Name(picture, QString(), QString());
            continue;
        }
        QString where = QStringLiteral("card %1 of %2 in your hand").arg(slot).arg(shown);
        if (picture->y() < kRestingHandTop)
            where += QStringLiteral(", raised for a chain");
        Name(picture, CardName(hand.slot[slot]), where);
    }
}

void TForm1::TableChanged() {
    if (handRedrawn_) {
        handRedrawn_ = false;
        FollowHand();
    }
    NameHandSlots();
    NameStock();
    NameSeats();
    NameDiscardTop();
    NameCardBacks();
    FollowGame();
    UpdateFocusRings();
    if (!pendingNews_.isEmpty() && news_ != nullptr) {
        news_->Say(pendingNews_.join(QStringLiteral(". ")));
        pendingNews_.clear();
    }
}

// Before a round is dealt the stock is a stack of backs with nothing counted in it yet.
void TForm1::NameStock() {
    const int left = std::max(engine_.StockCardsLeft(), 0);
    Name(Image53,
         engine_.RoundActive ? QStringLiteral("stock, %1 left to draw").arg(Cards(left))
                             : QStringLiteral("stock"),
         QStringLiteral("D draws a card; with 19 cards it passes"));
}

void TForm1::NameSeats() {
    for (int seat = 2; seat <= 5; ++seat) {
        const auto [count, faceUp] = seatFans_[seat];
        if (count >= 0)
            NameSeat(seat, count, faceUp);
    }
}

void TForm1::NameSeat(int seat, int count, bool faceUp) {
    PictureBox* picture = SeatPicture(seat);
    const QString who = QString::fromStdString(engine_.PlayerNames[seat]);
    const int shown = std::clamp(count, 0, 52);
    const QString name = shown > 0 ? QStringLiteral("%1, %2").arg(who, Cards(shown))
                                   : QStringLiteral("%1, no cards").arg(who);
    QStringList cards;
    if (faceUp) {
        for (int k = 1; k <= shown; ++k)
            cards << CardName(engine_.Hands[seat].slot[k]);
    }
    Name(picture, name, faceUp ? cards.join(QStringLiteral(", ")) : QStringLiteral("face down"));
}

void TForm1::NameDiscardTop() {
    const QString face = CardName(discardTopCard_);
    Name(Image60,
         face.isEmpty() ? QStringLiteral("discard pile") : QStringLiteral("discard pile, ") + face,
         face);
}
