// What a screen reader hears: a name for every control a player acts on and, where a control
// shows a card, which card. The names follow the table as it changes; labels, the memo and the
// score grid speak their own text.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "suitchooser/window_controls.h"
#include "table/tform1.h"

namespace {

constexpr std::array<const char*, 14> kRankNames = {
    "ace",   "two",  "three", "four", "five",  "six",  "seven",
    "eight", "nine", "ten",   "jack", "queen", "king", "joker",
};
constexpr std::array<const char*, 4> kSuitNames = {"diamonds", "clubs", "hearts", "spades"};
constexpr int kRestingTop = 496;

struct ControlName {
    const char* control;
    const char* name;
    const char* description;
};

constexpr std::array kControlNames = {
    ControlName{"Image20", "Start", "Enter starts the game with these options"},
    ControlName{"ImageDeal", "Deal", "Enter deals; 4 to 7 choose the cards dealt"},
    ControlName{"Image33", "View rules", "F1"},
    ControlName{"Image29", "Page down", "Page Down key"},
    ControlName{"Image30", "Page up", "Page Up key"},
    ControlName{"Image28", "Exit the rules", "Escape"},
    ControlName{"Image37", "Close the scores", "Enter or Escape"},
    ControlName{"Image24", "Card back 1", ""},
    ControlName{"Image26", "Card back 2", ""},
    ControlName{"Image25", "Card back 3", ""},
    ControlName{"Image27", "Card back 4", ""},
    ControlName{"RadioButton1", "4 cards", "key 4"},
    ControlName{"RadioButton2", "5 cards", "key 5"},
    ControlName{"RadioButton3", "6 cards", "key 6"},
    ControlName{"RadioButton4", "7 cards", "key 7"},
    ControlName{"RadioButton5", "Play until 100 points", ""},
    ControlName{"RadioButton6", "Play until 200 points", ""},
    ControlName{"RadioButton7", "Play until 250 points", ""},
    ControlName{"RadioButton8", "Play until 300 points", ""},
    ControlName{"RadioButton9", "Play until 350 points", ""},
    ControlName{"RadioButton10", "3 players", ""},
    ControlName{"RadioButton11", "4 players", ""},
    ControlName{"RadioButton12", "5 players", ""},
    ControlName{"CheckBox1", "Quick deal", ""},
    ControlName{"CheckBox2", "Sort cards by points", ""},
    ControlName{"CheckBox3", "Progressive twos", ""},
    ControlName{"ComboBox1", "Change names", "pick a seat, type the new name, then Enter"},
    ControlName{"ComboBox2", "Saved games", "pick a game, then Enter to load it"},
    ControlName{"ComboBox3", "Save game", "type a name, then Enter"},
    ControlName{"Memo1", "Rules", "Page Down, Page Up, Escape"},
    ControlName{"StringGrid1", "Scores", "Enter or Escape closes"},
    ControlName{"Image53", "stock", "D draws a card; with 19 cards it passes"},
    ControlName{"Image60", "discard pile", ""},
    ControlName{"Image81", "turn arrow", ""},
    ControlName{"Image82", "turn arrow", ""},
    ControlName{"Image83", "turn arrow", ""},
    ControlName{"Image84", "turn arrow", ""},
    ControlName{"Image71", "diamonds to follow", ""},
    ControlName{"Image72", "clubs to follow", ""},
    ControlName{"Image73", "hearts to follow", ""},
    ControlName{"Image74", "spades to follow", ""},
};

constexpr std::array kButtonPictures = {"Image20", "ImageDeal", "Image33", "Image29",
                                        "Image30", "Image28",   "Image37", "Image24",
                                        "Image25", "Image26",   "Image27", "Image53"};

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
    const DecodedCard decoded = Engine::DecodeCard(card);
    if (!decoded.valid)
        return {};
    if (decoded.RankIndex == 13)
        return QStringLiteral("joker");
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(kRankNames[decoded.RankIndex]))
        .arg(QLatin1String(kSuitNames[decoded.SuitIndex]));
}

void TForm1::NameControls() {
    for (const ControlName& entry : kControlNames) {
        Name(Control(QString::fromLatin1(entry.control)), QString::fromLatin1(entry.name),
             QString::fromLatin1(entry.description));
    }
    for (const char* name : kButtonPictures)
        Picture(QString::fromLatin1(name))->SetAccessibleRole(QAccessible::Button);
    for (int slot = 1; slot <= 19; ++slot)
        HandSlot(slot)->SetAccessibleRole(QAccessible::Button);
    setAccessibleName(windowTitle());
}

void TForm1::NameHandSlots() {
    const Hand& hand = engine_.Hands[1];
    int shown = 0;
    for (int slot = 1; slot <= 19; ++slot)
        shown += HandSlot(slot)->isHidden() ? 0 : 1;
    for (int slot = 1; slot <= 19; ++slot) {
        PictureBox* picture = HandSlot(slot);
        if (picture->isHidden()) {
            Name(picture, QString(), QString());
            continue;
        }
        QString where = QStringLiteral("card %1 of %2 in your hand").arg(slot).arg(shown);
        if (picture->y() < kRestingTop)
            where += QStringLiteral(", raised for a chain");
        Name(picture, CardName(hand.slot[slot]), where);
    }
}

void TForm1::NameStock() {
    const int left = std::max(engine_.StockCardsLeft(), 0);
    Name(Picture(QStringLiteral("Image53")),
         QStringLiteral("stock, %1 left to draw").arg(Cards(left)),
         QStringLiteral("D draws a card; with 19 cards it passes"));
}

void TForm1::NameSeat(int seat, int count, bool faceUp) {
    PictureBox* picture = SeatPicture(seat);
    if (picture == nullptr)
        return;
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

void TForm1::NameDiscardTop(int card) {
    const QString face = CardName(card);
    Name(Picture(QStringLiteral("Image60")),
         face.isEmpty() ? QStringLiteral("discard pile") : QStringLiteral("discard pile, ") + face,
         face);
}
