// SPDX-License-Identifier: GPL-3.0-or-later
// The window without a mouse: the options panel, the deal panel, the rules viewer and the suit
// chooser by keys, and what a screen reader is told about a dealt table as it changes.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "table_fixture.h"

namespace {

QString Name(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

QString Description(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Description) : QStringLiteral("<none>");
}

void WriteRules(int lines) {
    QFile rules("rules.txt");
    ASSERT_TRUE(rules.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int n = 1; n <= lines; ++n)
        rules.write(QStringLiteral("Rule line %1\r\n").arg(n).toLatin1());
}

} // namespace

class KeysTest : public TableTest {
  protected:
    void Show() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->windowHandle(), static_cast<Qt::Key>(key), modifiers);
    }
    QString Focused() const {
        return form->focusWidget() ? form->focusWidget()->objectName() : QString();
    }
    QStringList MemoLines() const { return form->Memo1->toPlainText().split(QLatin1Char('\n')); }
};

TEST_F(KeysTest, CardsAreNamedAsPlayersSayThem) {
    EXPECT_EQ(TForm1::CardName(1), "ace of diamonds");
    EXPECT_EQ(TForm1::CardName(33), "seven of hearts");
    EXPECT_EQ(TForm1::CardName(24), "jack of clubs");
    EXPECT_EQ(TForm1::CardName(52 + 13), "king of diamonds"); // the second deck
    EXPECT_EQ(TForm1::CardName(52), "king of spades");
    EXPECT_EQ(TForm1::CardName(105), "joker");
    EXPECT_EQ(TForm1::CardName(108), "joker");
    EXPECT_EQ(TForm1::CardName(0), "");
    EXPECT_EQ(TForm1::CardName(109), "");
}

TEST_F(KeysTest, OptionsPanelByTabSpaceAndEnter) {
    Open();
    Show();
    // The first choice has the focus when the window opens, on its ticked button; Tab walks
    // the panel in reading order, each group of buttons one stop, and comes round again.
    EXPECT_EQ(Focused(), "RadioButton11");
    QStringList walk;
    for (int i = 0; i < 12; ++i) {
        Key(Qt::Key_Tab);
        walk << Focused();
    }
    // Each group of buttons is entered on its ticked button; the card backs come in the order
    // of their numbers.
    EXPECT_EQ(walk, (QStringList{"ComboBox1", "ComboBox2", "RadioButton7", "Image24", "Image26",
                                 "Image25", "Image27", "CheckBox1", "CheckBox2", "CheckBox3",
                                 "Image20", "RadioButton11"}));
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), "Image20");
    Key(Qt::Key_Backtab);
    Key(Qt::Key_Backtab);
    ASSERT_EQ(Focused(), "CheckBox2");
    Key(Qt::Key_Return); // Enter ticks a box as a click would
    EXPECT_TRUE(form->CheckBox2->isChecked());
    Key(Qt::Key_Space); // and Space is Qt's own
    EXPECT_FALSE(form->CheckBox2->isChecked());

    // A card back chosen by keys is framed at once, with the keys' outline round it.
    for (int i = 0; i < 20 && Focused() != "Image25"; ++i)
        Key(Qt::Key_Backtab);
    ASSERT_EQ(Focused(), "Image25");
    EXPECT_FALSE(form->ButtonRing()->isHidden());
    EXPECT_EQ(form->ButtonRing()->geometry(), form->Image25->geometry().adjusted(-3, -3, 3, 3));
    Key(Qt::Key_Space);
    EXPECT_EQ(engine.CardDesign, 3);
    EXPECT_EQ(form->Image25->Picture().pixel(1, 1), 0xFF00FF00); // the lime frame

    // A click takes the outline away and gives a picture no focus.
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                      form->Image27->mapTo(form, QPoint(40, 60)));
    EXPECT_EQ(engine.CardDesign, 4);
    EXPECT_EQ(Focused(), "Image25");
    EXPECT_TRUE(form->ButtonRing()->isHidden());

    // Keys typed in a box belong to it and Enter renames the chosen seat; F1, no letter of a
    // name, opens the rules from the box too, and Escape gives the box its focus back.
    QComboBox* names = form->ComboBox1;
    names->setFocus();
    names->setCurrentIndex(1);
    form->ComboBox1Change(1);
    names->clearEditText();
    // D and 4 are table keys elsewhere; here they are letters of the name.
    for (const Qt::Key key : {Qt::Key_D, Qt::Key_O, Qt::Key_V, Qt::Key_4})
        Key(key);
    Key(Qt::Key_F1);
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_EQ(Focused(), "Memo1");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(form->Panel2->isHidden());
    EXPECT_TRUE(names->isAncestorOf(form->focusWidget()) || form->focusWidget() == names);
    Key(Qt::Key_Return);
    EXPECT_EQ(engine.PlayerNames[2], "dov4");

    // Enter on START starts; the deal panel then takes 4 to 7 and Enter.
    for (int i = 0; i < 20 && Focused() != "Image20"; ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(Focused(), "Image20");
    Key(Qt::Key_Enter);
    ASSERT_TRUE(form->Panel1->isHidden());
    ASSERT_FALSE(form->GroupBox1->isHidden());
    Key(Qt::Key_7);
    EXPECT_TRUE(form->RadioButton4->isChecked());
    Key(Qt::Key_4);
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_EQ(form->CheckedDealSize(), 4);
    Key(Qt::Key_Return);
    EXPECT_TRUE(engine.RoundActive);
    EXPECT_TRUE(form->GroupBox1->isHidden());
    EXPECT_GE(engine.Hands[1].count, 4);
    EXPECT_TRUE(errors.empty());
}

TEST_F(KeysTest, RulesViewerByF1PageKeysAndEscape) {
    WriteRules(80);
    Open();
    Show();
    Key(Qt::Key_F1);
    ASSERT_FALSE(form->Panel2->isHidden());
    EXPECT_TRUE(form->Image33->isHidden());
    EXPECT_EQ(MemoLines().front(), "Rule line 1");
    // The same pages as the buttons give, and the keys never scroll the memo by themselves.
    const std::pair<int, int> down[] = {{15, 30}, {30, 45}, {45, 60}, {60, 75}, {65, 80}, {65, 80}};
    for (const auto& [first, last] : down) {
        Key(Qt::Key_PageDown);
        EXPECT_EQ(MemoLines().front(), QStringLiteral("Rule line %1").arg(first));
        EXPECT_EQ(MemoLines().back(), QStringLiteral("Rule line %1").arg(last));
    }
    Key(Qt::Key_Down);
    Key(Qt::Key_End);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(MemoLines().front(), "Rule line 49");
    EXPECT_EQ(MemoLines().back(), "Rule line 63");
    Key(Qt::Key_F1); // VIEW RULES is not shown: nothing
    EXPECT_EQ(MemoLines().front(), "Rule line 49");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(form->Panel2->isHidden());
    EXPECT_FALSE(form->Image33->isHidden());
    EXPECT_FALSE(form->Panel1->isHidden()); // the options panel is still there
}

TEST_F(KeysTest, SuitChooserByDigitsLettersArrowsAndEscape) {
    Open();
    TForm2* chooser = form->SuitChooser();
    const auto showWith = [&](std::vector<Qt::Key> keys, bool keyFocusShown, bool* ringSeen) {
        chooser->SetKeyFocusShown(keyFocusShown);
        QTimer::singleShot(0, chooser, [chooser, keys, ringSeen] {
            if (QTest::qWaitForWindowExposed(chooser, 2000)) {
                if (ringSeen != nullptr)
                    *ringSeen = !chooser->Ring()->isHidden();
                for (const Qt::Key key : keys)
                    if (chooser->isVisible())
                        QTest::keyClick(chooser, key);
            }
            chooser->reject(); // never leave a test hanging
        });
        return chooser->ShowModal();
    };
    const std::pair<Qt::Key, int> named[] = {
        {Qt::Key_1, 0}, {Qt::Key_2, 1}, {Qt::Key_3, 2}, {Qt::Key_4, 3},
        {Qt::Key_D, 0}, {Qt::Key_C, 1}, {Qt::Key_H, 2}, {Qt::Key_S, 3},
    };
    for (const auto& [key, suit] : named) {
        engine.ActiveSuit = (suit + 1) % 4;
        EXPECT_EQ(showWith({key}, false, nullptr), suit) << key;
        EXPECT_EQ(engine.ActiveSuit, suit) << key;
    }

    // The arrows walk the suits, stopping at either end; Enter names the one they stand on.
    bool ringSeen = true;
    EXPECT_EQ(
        showWith({Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, false, &ringSeen),
        2);
    EXPECT_FALSE(ringSeen); // a mouse player's chooser shows no outline when it opens
    EXPECT_EQ(showWith({Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space},
                       true, &ringSeen),
              3);
    EXPECT_TRUE(ringSeen); // one who came by keys sees where they stand at once

    // Escape is the close key: no suit, and the suit stays as it was.
    engine.ActiveSuit = 1;
    EXPECT_EQ(showWith({Qt::Key_Escape}, false, nullptr), -1);
    EXPECT_EQ(engine.ActiveSuit, 1);

    // Open, the chooser tells a screen reader that the keys stand on its first suit, even for a
    // mouse player who sees no outline; closed, it leaves no suit focused.
    bool firstFocused = false;
    bool othersFocused = true;
    QTimer::singleShot(0, chooser, [&] {
        QTest::qWait(50);
        const auto focused = [chooser](const char* suit) {
            return QAccessible::queryAccessibleInterface(chooser->findChild<PictureBox*>(suit))
                       ->state()
                       .focused != 0;
        };
        firstFocused = focused("Image71");
        othersFocused = focused("Image72") || focused("Image73") || focused("Image74");
        chooser->reject();
    });
    chooser->SetKeyFocusShown(false);
    EXPECT_EQ(chooser->ShowModal(), -1);
    EXPECT_TRUE(firstFocused);
    EXPECT_FALSE(othersFocused);
    EXPECT_FALSE(chooser->findChild<PictureBox*>("Image71")->KeyFocus());
    EXPECT_EQ(showWith({Qt::Key_X, Qt::Key_Escape}, false, nullptr), -1);
    EXPECT_EQ(engine.ActiveSuit, 1);

    EXPECT_EQ(Name(chooser->findChild<PictureBox*>("Image73")), "hearts");
    EXPECT_EQ(Name(chooser), "Choose Suit");
}

TEST_F(KeysTest, ScreenReaderNamesOfADealtTableFollowIt) {
    Open();
    Show();
    form->Image20Click();
    form->ImageDealClick();
    ASSERT_TRUE(engine.RoundActive);
    ASSERT_EQ(engine.CurrentPlayer, 1);

    const Hand& hand = engine.Hands[1];
    const int held = std::min(hand.count, 19);
    for (int k = 1; k <= held; ++k) {
        EXPECT_EQ(Name(form->HandSlot(k)), TForm1::CardName(hand.slot[k])) << k;
        EXPECT_EQ(Description(form->HandSlot(k)),
                  QStringLiteral("card %1 of %2 in your hand").arg(k).arg(held));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(form->HandSlot(k))->role(),
                  QAccessible::Button);
    }
    EXPECT_EQ(Name(form->HandSlot(held + 1)), "");
    const auto stockName = [&] {
        const int left = engine.StockCardsLeft();
        return QStringLiteral("stock, %1 card%2 left to draw").arg(left).arg(left == 1 ? "" : "s");
    };
    EXPECT_EQ(Name(form->Image53), stockName());
    EXPECT_EQ(Name(form->Image60),
              QStringLiteral("discard pile, ") + TForm1::CardName(engine.TopDiscard()));
    EXPECT_EQ(Name(form->SeatPicture(2)),
              QStringLiteral("Raduz, %1 cards").arg(engine.Hands[2].count));
    EXPECT_EQ(Description(form->SeatPicture(2)), "face down");
    for (int seat = 3; seat <= engine.PlayerCount; ++seat) {
        EXPECT_EQ(Name(form->SeatPicture(seat)),
                  QStringLiteral("%1, %2 cards")
                      .arg(QString::fromStdString(engine.PlayerNames[seat]))
                      .arg(engine.Hands[seat].count));
    }
    EXPECT_EQ(Name(form->Label1), form->Label1->Caption());
    EXPECT_EQ(Name(form->ImageDeal), "Deal");
    EXPECT_EQ(Name(form->RadioButton2), "5 cards");
    EXPECT_EQ(Name(form->ComboBox3), "Save game");

    // A draw by key: the stock, the hand and the status text say what stands now.
    QString statusHeard;
    pacer.duringWait = [&] {
        if (!form->Label12->isHidden())
            statusHeard = Name(form->Label12);
    };
    Key(Qt::Key_End);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form->HandSlot(held))->state().focused);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(form->HandSlot(1))->state().focused);
    Key(Qt::Key_D);
    pacer.duringWait = nullptr;
    ASSERT_EQ(hand.count, held + 1);
    EXPECT_EQ(statusHeard, "You\nDraws\n1 Card");
    EXPECT_EQ(Name(form->Image53), stockName());
    EXPECT_EQ(Name(form->HandSlot(held + 1)), TForm1::CardName(hand.slot[held + 1]));
    EXPECT_EQ(Description(form->HandSlot(1)),
              QStringLiteral("card 1 of %1 in your hand").arg(held + 1));
    // Chosen for a chain, a card says so.
    form->SetSlotTop(1, 480);
    form->TableChanged(); // as at the end of the press that chose it
    EXPECT_EQ(Description(form->HandSlot(1)),
              QStringLiteral("card 1 of %1 in your hand, raised for a chain").arg(held + 1));

    // The score grid's cells speak their text.
    ScoreGridTexts cells{};
    cells[0][11] = "Total";
    cells[1][0] = "You";
    cells[1][11] = "  42";
    form->ShowScoreGrid(cells);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(form->StringGrid1);
    ASSERT_NE(grid, nullptr);
    // The score grid: seats and rounds as headers, values without their padding.
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "You");
    EXPECT_EQ(table->cellAt(1, 11)->text(QAccessible::Name), "42"); // no padding
    EXPECT_EQ(Name(form->StringGrid1), "Scores");
}

// The discard top and the flying card show the whole card, corners included; the hand's
// cards still let the cloth through.
TEST_F(KeysTest, DiscardTopAndFlyingCardArePlainPictures) {
    Open();
    form->Panel1->hide();
    Show();
    EXPECT_FALSE(form->Image60->Transparent());
    EXPECT_FALSE(form->Image61->Transparent());
    EXPECT_TRUE(form->HandSlot(1)->Transparent());
    EXPECT_TRUE(form->Image53->Transparent());
    form->ShowDiscardPictures();
    form->ShowDiscardTop(27);
    form->StartCardFlight(40, 2, 0);
    form->MoveCardFlight(1, 0);
    const QImage screen = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The pile's faces are cut one pixel right of the cell, so its corner is the key colour.
    EXPECT_EQ(screen.pixel(552, 248), sheets::kKey);
    const QPoint flying = form->Image61->pos();
    EXPECT_EQ(screen.pixel(flying), sheets::kKey);
}

namespace {

// Every object a screen reader meets walking down from the window.
void Walk(QAccessibleInterface* node, QSet<QObject*>& met) {
    if (node == nullptr)
        return;
    met.insert(node->object());
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), met);
}

} // namespace

// The table as a screen reader walks it: a frame under the window's title, named panes, none of
// the pictures that only decorate, the chosen card back checked, the stock true to what shows,
// and the score grid's seats and rounds as its headers.
TEST_F(KeysTest, AScreenReaderWalksTheTableAsAPlayerSeesIt) {
    Open();
    Show();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Quelvane 1.3");

    // The score grid, filled before the walk (a walk reads the cells as they are then).
    ScoreGridTexts cells{};
    cells[0][0] = "            Round:";
    cells[0][11] = "Total";
    cells[1][0] = "You";
    cells[1][9] = "   13";
    cells[1][11] = "  42";
    form->ShowScoreGrid(cells);
    form->HideScoreGrid();

    QSet<QObject*> met;
    Walk(window, met);
    for (QObject* decoration : std::initializer_list<QObject*>{
             form->Image99, form->Image98, form->Image34, form->Image36, form->Image38,
             form->Image61, form->Label11, form->HandRing(), form->ButtonRing()})
        EXPECT_FALSE(met.contains(decoration)) << decoration->objectName().toStdString();
    for (QObject* control : std::initializer_list<QObject*>{
             form->Image20, form->RadioButton11, form->ComboBox2, form->Image53, form->Memo1,
             form->StringGrid1, form->HandSlot(1)})
        EXPECT_TRUE(met.contains(control)) << control->objectName().toStdString();
    QAccessibleInterface* options = QAccessible::queryAccessibleInterface(form->Panel1);
    EXPECT_EQ(options->role(), QAccessible::Pane);
    EXPECT_EQ(options->text(QAccessible::Name), "Options");

    // The card backs: a group of four, the chosen one checked, and a click moves the tick.
    const auto checked = [](QWidget* back) {
        return QAccessible::queryAccessibleInterface(back)->state().checked != 0;
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Image24)->role(),
              QAccessible::RadioButton);
    EXPECT_TRUE(checked(form->Image26)); // design 2
    EXPECT_FALSE(checked(form->Image24));
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                      form->Image24->mapTo(form, QPoint(10, 10)));
    EXPECT_TRUE(checked(form->Image24));
    EXPECT_FALSE(checked(form->Image26));

    // Before the first deal the stock is a stack with nothing counted in it yet.
    form->TableChanged();
    EXPECT_EQ(Name(form->Image53), "stock");

    // The score grid: seats and rounds as headers, values without their padding.
    // The score grid: seats and rounds as headers, values without their padding.
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(form->StringGrid1)->tableInterface();
    ASSERT_NE(table, nullptr);
    // A header cell is made for whoever asks, and is theirs to free.
    const auto header = [](const QList<QAccessibleInterface*>& cells) {
        const QString text = cells.size() == 1 ? cells.front()->text(QAccessible::Name) : QString();
        for (QAccessibleInterface* cell : cells)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(cell));
        return text;
    };
    QAccessibleTableCellInterface* total = table->cellAt(1, 11)->tableCellInterface();
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(header(total->columnHeaderCells()), "Total");
    EXPECT_EQ(header(total->rowHeaderCells()), "You");
    QAccessibleTableCellInterface* ninth = table->cellAt(1, 9)->tableCellInterface();
    EXPECT_EQ(header(ninth->columnHeaderCells()), "Round 9");
    EXPECT_EQ(table->cellAt(1, 9)->text(QAccessible::Name), "13");
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), "Round:");

    // News is told on a notification object, shown for each piece in order.
    form->Announce("Raduz lays the seven of hearts");
    form->Announce("Your turn");
    form->TableChanged();
    EXPECT_EQ(form->LastNews(), "Raduz lays the seven of hearts. Your turn");
    QStringList told;
    for (QWidget* child : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
        if (face && face->role() == QAccessible::Notification && child->isVisible())
            told << face->text(QAccessible::Name);
    }
    EXPECT_TRUE(told.contains("Raduz lays the seven of hearts. Your turn"))
        << told.join('|').toStdString();
    // The same news again, with nothing between, is not told twice.
    form->Announce("Your turn");
    EXPECT_EQ(form->LastNews(), "Raduz lays the seven of hearts. Your turn");
}

namespace {

// The names of every object under that one which a screen reader would find focused.
QStringList FocusedUnder(QAccessibleInterface* node) {
    QStringList focused;
    if (node != nullptr && node->state().focused)
        focused << node->text(QAccessible::Name);
    for (int i = 0; node != nullptr && i < node->childCount(); ++i)
        focused << FocusedUnder(node->child(i));
    return focused;
}

QStringList FocusedUnder(QWidget* window) {
    return FocusedUnder(QAccessible::queryAccessibleInterface(window));
}

} // namespace

// Whatever has the keys is the one focused object: the card in the hand, not the frame that
// passes the keys on; the chooser's suit, not the card just laid; the rules text, not its
// viewport; and a closed score grid keeps no focused cell. The table takes the keys back when
// the chooser closes, and a key that leaves the focus where it was says so again.
TEST_F(KeysTest, OneObjectHoldsTheKeysAtATime) {
    WriteRules(20);
    Open();
    Show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->Image20Click();
    Key(Qt::Key_5);
    EXPECT_TRUE(form->RadioButton2->hasFocus()); // the keys follow the size chosen
    Key(Qt::Key_5);
    EXPECT_EQ(form->LastNews(), "5 cards, key 5");
    Key(Qt::Key_Return);
    ASSERT_EQ(engine.CurrentPlayer, 1);
    Key(Qt::Key_Home);
    const QString first = TForm1::CardName(engine.Hands[1].slot[1]);
    EXPECT_EQ(FocusedUnder(form), QStringList{first});
    Key(Qt::Key_Left);
    const int held = std::min(engine.Hands[1].count, 19);
    EXPECT_EQ(form->LastNews(), first + QStringLiteral(", card 1 of %1 in your hand").arg(held));

    QStringList choosing;
    QTimer::singleShot(50, form->SuitChooser(), [&] {
        choosing = FocusedUnder(form) + FocusedUnder(form->SuitChooser());
        form->SuitChooser()->reject();
    });
    form->OpenSuitChooser();
    EXPECT_EQ(choosing, QStringList{"diamonds"});
    EXPECT_EQ(FocusedUnder(form), QStringList{first});
    ASSERT_TRUE(QTest::qWaitForWindowActive(form)); // the one a screen reader follows
    Key(Qt::Key_F1);
    EXPECT_EQ(FocusedUnder(form), QStringList{"Rules"});
    Key(Qt::Key_Escape);
    ScoreGridTexts cells{};
    form->ShowScoreGrid(cells);
    form->StringGrid1->setCurrentCell(1, 11);
    form->HideScoreGrid();
    EXPECT_EQ(FocusedUnder(form), QStringList{first});
}
