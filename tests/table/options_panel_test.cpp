// SPDX-License-Identifier: GPL-3.0-or-later
// The options panel driven through its controls: caption clicks, the design pictures, the
// names box, loading a saved game, and what START hands to the engine and the table.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cctype>

#include "storage/saved_games.h"
#include "storage/storage_error.h"
#include "table_fixture.h"

namespace {

constexpr QRgb kLime = 0xFF00FF00;

void WriteConfig(const char* line) {
    QFile config("Config.cfg");
    ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write(line);
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
}

void Enter(QComboBox* box, const QString& text) {
    box->setEditText(text);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
}

} // namespace

TEST_F(TableTest, CaptionClicksCheckTheirButtonsAndOnlyThem) {
    Open();
    Click(form->Label19);
    EXPECT_TRUE(form->RadioButton7->isChecked());
    Click(form->Label17);
    EXPECT_TRUE(form->RadioButton5->isChecked());
    EXPECT_FALSE(form->RadioButton7->isChecked());
    Click(form->Label33);
    EXPECT_TRUE(form->RadioButton10->isChecked());
    EXPECT_FALSE(form->RadioButton11->isChecked());
    // Clicks change the controls only; START applies them.
    EXPECT_EQ(engine.PlayUntil, 300);
    EXPECT_EQ(engine.PlayerCount, 5);

    // The deal panel opens with START.
    Click(form->Image20);
    Click(form->Label16);
    EXPECT_TRUE(form->RadioButton4->isChecked());
    EXPECT_FALSE(form->RadioButton3->isChecked());
    // A click on the checked button keeps one deal size chosen.
    Click(form->RadioButton4);
    EXPECT_TRUE(form->RadioButton4->isChecked());
    Click(form->Label10);
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_FALSE(form->RadioButton4->isChecked());
}

TEST_F(TableTest, ChoosingADesignFramesItsPictureAtOnce) {
    Open();
    Click(form->Image25);
    EXPECT_EQ(engine.CardDesign, 3);
    const QImage& chosen = form->Image25->Picture();
    EXPECT_EQ(chosen.pixel(0, 0), kLime);
    EXPECT_EQ(chosen.pixel(47, 64), kLime);
    EXPECT_EQ(chosen.pixel(2, 30), kLime);
    // Inside the outline: the top-left part of the back in cell (1, 0), scaled 36 -> 48.
    EXPECT_EQ(chosen.pixel(24, 32), sheets::Back(1, 0, 1 + 24 * 36 / 48, 1 + 32 * 49 / 65));

    // Another choice redraws the thumbnails, taking the old outline away.
    Click(form->Image27);
    EXPECT_EQ(engine.CardDesign, 4);
    EXPECT_NE(form->Image25->Picture().pixel(0, 0), kLime);
    EXPECT_EQ(form->Image27->Picture().pixel(1, 1), kLime);
    EXPECT_EQ(form->Image26->Picture().pixel(24, 32),
              sheets::Back(0, 1, 1 + 24 * 36 / 48, 99 - 98 + 32 * 48 / 65));
}

TEST_F(TableTest, SettingsFileIsShownInThePanel) {
    WriteConfig("3,2,4,5,1,1,1,Ann,Bo,Cy,Di,Ed,");
    Open();
    EXPECT_TRUE(form->RadioButton10->isChecked());
    EXPECT_TRUE(form->RadioButton6->isChecked());
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_TRUE(form->CheckBox3->isChecked());
    EXPECT_EQ(form->Image27->Picture().pixel(0, 0), kLime);
    QComboBox* names = form->ComboBox1;
    ASSERT_EQ(names->count(), 5);
    EXPECT_EQ(names->itemText(4), "Ed");
    EXPECT_EQ(names->currentIndex(), -1);
    EXPECT_EQ(names->currentText(), "");
}

TEST_F(TableTest, NamesBoxRenamesOnlyTheChosenSeat) {
    WriteConfig("5,3,2,6,0,0,0,You,Raduz,Vur,Dad,Dezev,");
    Open();
    QComboBox* names = form->ComboBox1;

    // Enter before any name was chosen changes nothing and adds no item.
    Enter(names, "Nobody");
    EXPECT_EQ(engine.PlayerNames[1], "You");
    EXPECT_EQ(names->count(), 5);

    // Choosing seat 2, then typing: the typed text replaces that seat's name and item.
    emit names->activated(1);
    EXPECT_EQ(engine.NameEditIndex, 1);
    Enter(names, "Zed, the\tgreat");
    EXPECT_EQ(engine.PlayerNames[2], "Zed  the great");
    EXPECT_EQ(names->count(), 5);
    EXPECT_EQ(names->itemText(1), "Zed  the great");
    EXPECT_EQ(names->itemText(2), "Vur");
    EXPECT_EQ(engine.NameEditIndex, -1);

    // Once used, the choice is gone: another Enter changes nothing.
    Enter(names, "Again");
    EXPECT_EQ(engine.PlayerNames[2], "Zed  the great");

    emit names->activated(4);
    Enter(names, "Abcdefghijklmnopqrstuvwxy");
    EXPECT_EQ(engine.PlayerNames[5], "Abcdefghijklmnopqrst");
}

TEST_F(TableTest, SavingUnderANewNameNeverSavesOverAnOlderGame) {
    Engine older;
    older.EngineStartUp({});
    older.SaveName = "Friday";
    QDir().mkdir("Save");
    ASSERT_TRUE(SaveGame(older));
    Open();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->ShowSaveBox();
    QComboBox* box = form->ComboBox3;
    box->lineEdit()->setFocus();

    // Typed letter by letter, as a player does: the start of an older name stays as typed.
    QTest::keyClicks(box->lineEdit(), "Fr");
    EXPECT_EQ(box->currentText(), "Fr");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(QFile::exists("Save/Fr.sav"));
    EXPECT_EQ(box->count(), 1); // listed at the next refill, not on Enter
}

TEST_F(TableTest, StartAppliesThePanelAndOpensTheDealPanel) {
    Open(); // no settings file: four players and 250 on the panel, five and 300 in the engine
    pacer.waits.clear();
    Click(form->Image20);

    EXPECT_EQ(engine.PlayUntil, 250);
    EXPECT_EQ(engine.PlayerCount, 4);
    EXPECT_FALSE(engine.SlowDeal);
    EXPECT_FALSE(engine.SortByPoints);
    EXPECT_FALSE(engine.ProgressiveTwos);
    EXPECT_EQ(engine.Seat3HandLeft, 476);
    EXPECT_EQ(engine.Seat4HandLeft, 802);
    EXPECT_EQ(engine.Seat4HandTop, 272);
    EXPECT_EQ(engine.Seat4MarkerLeft, 745);
    EXPECT_GE(engine.StrategySeed, 0);
    EXPECT_LE(engine.StrategySeed, 5);
    EXPECT_FALSE(engine.RevealHands);

    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_FALSE(form->Panel1->isEnabled());
    EXPECT_FALSE(form->GroupBox1->isHidden());
    EXPECT_TRUE(form->GroupBox1->isEnabled());

    // Four backs of the default design on the stock, after the stock's pause.
    EXPECT_EQ(engine.StockImagesShown, 4);
    EXPECT_FALSE(form->Image50->isHidden());
    EXPECT_EQ(form->Image50->Picture().pixel(36, 49), sheets::Back(0, 1, 36, 49));
    EXPECT_EQ(pacer.waits, (std::vector<RecordingPacer::Wait>{{RecordingPacer::Kind::Sleep, 200}}));

    // Seat names centred on their places; seat 4 on the row of seat 2, seat 5 hidden.
    TextLabel* you = form->Label1;
    EXPECT_EQ(you->Caption(), "You");
    EXPECT_EQ(you->pos(), QPoint(512 - you->width() / 2, 604));
    EXPECT_EQ(form->Label2->x(), 78 - form->Label2->width() / 2);
    EXPECT_EQ(form->Label3->pos(), QPoint(512 - form->Label3->width() / 2, 123));
    EXPECT_EQ(form->Label4->pos(), QPoint(946 - form->Label4->width() / 2, 284));
    EXPECT_EQ(form->Label4->Caption(), "Dad");
    EXPECT_FALSE(form->Label4->isHidden());
    EXPECT_TRUE(form->Label29->isHidden());
}

TEST_F(TableTest, StartWithFivePlayersSeatsFourAndFiveOnTheRight) {
    WriteConfig("5,3,2,6,1,1,0,You,Raduz,Vur,Dad,Dezev,");
    Open();
    emit form->ComboBox1->activated(4);
    Enter(form->ComboBox1, "Zoltan the Fifth");
    Click(form->Image20);

    EXPECT_EQ(engine.PlayerCount, 5);
    EXPECT_EQ(engine.PlayUntil, 300);
    EXPECT_TRUE(engine.SlowDeal);
    EXPECT_TRUE(engine.SortByPoints);
    EXPECT_EQ(engine.Seat3HandLeft, 256);
    EXPECT_EQ(engine.Seat4HandLeft, 768);
    EXPECT_EQ(engine.Seat4HandTop, 24);
    EXPECT_EQ(engine.Seat4MarkerLeft, 678);
    TextLabel* fifth = form->Label29;
    EXPECT_EQ(fifth->Caption(), "Zoltan the Fifth");
    EXPECT_FALSE(fifth->isHidden());
    EXPECT_EQ(fifth->pos(), QPoint(946 - fifth->width() / 2, 284));
    EXPECT_EQ(form->Label3->x(), 256 - form->Label3->width() / 2);
    EXPECT_EQ(form->Label4->pos(), QPoint(768 - form->Label4->width() / 2, 123));
}

TEST_F(TableTest, HiddenSeatThreeNameRevealsTheComputerHands) {
    for (const bool exact : {true, false}) {
        SCOPED_TRACE(exact);
        std::string word = RevealWord();
        ASSERT_EQ(word.size(), 3u);
        if (!exact) {
            for (char& c : word)
                c = static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
        }
        Engine fresh;
        engine = fresh;
        WriteConfig("4,3,2,6,0,0,0,You,Raduz,Vur,Dad,Dezev,");
        Open();
        emit form->ComboBox1->activated(2);
        Enter(form->ComboBox1, QString::fromStdString(word));
        Click(form->Image20);
        EXPECT_EQ(engine.RevealHands, exact);
        EXPECT_FALSE(engine.LogEnabled);
        EXPECT_FALSE(QFile::exists("Log.txt"));
    }
}

TEST_F(TableTest, LoadingASavedGameShowsItsSettingsAndSaysSo) {
    Engine saved;
    saved.EngineStartUp({});
    saved.PlayerCount = 3;
    saved.RoundNo = 4;
    saved.PlayUntil = 200;
    saved.CardDesign = 3;
    saved.DealSize = 5;
    saved.LeadSeat = 2;
    saved.SlowDeal = true;
    saved.PlayerNames[2] = "Hilda";
    saved.ScoreTable[2][11] = 77;
    saved.SaveName = "Round4";
    QDir().mkdir("Save");
    ASSERT_TRUE(SaveGame(saved));
    Open();
    pacer.waits.clear();

    QComboBox* games = form->ComboBox2;
    ASSERT_EQ(games->count(), 1);
    Enter(games, "Round4");
    EXPECT_EQ(engine.RoundNo, 4);
    EXPECT_EQ(engine.LeadSeat, 2);
    EXPECT_EQ(engine.ScoreTable[2][11], 77);
    EXPECT_TRUE(form->RadioButton10->isChecked());
    EXPECT_TRUE(form->RadioButton6->isChecked());
    EXPECT_TRUE(form->RadioButton2->isChecked());
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_EQ(form->Image25->Picture().pixel(0, 0), kLime);
    EXPECT_EQ(form->ComboBox1->itemText(1), "Hilda");
    EXPECT_EQ(games->count(), 1); // Enter never adds the typed text

    // The message stays two seconds at (400, 180), then goes.
    TextLabel* message = form->Label30;
    EXPECT_EQ(message->Caption(), "Round4 loaded - Current Round:4");
    EXPECT_EQ(message->pos(), QPoint(400, 180));
    EXPECT_TRUE(message->isHidden());
    EXPECT_EQ(pacer.waits,
              (std::vector<RecordingPacer::Wait>{{RecordingPacer::Kind::Pause, 2000}}));

    // A name without a file, or one that does not start with a letter: no message at all.
    pacer.waits.clear();
    Enter(games, "Nothing");
    Enter(games, "4th game");
    EXPECT_TRUE(pacer.waits.empty());
    EXPECT_EQ(engine.RoundNo, 4);
}

TEST_F(TableTest, FileFailureInAHandlerEndsItWithAMessageAndPlayGoesOn) {
    Open();
    bool finished = false;
    flow->RunEvent([&] {
        throw StorageError("Disk full");
        finished = true;
    });
    EXPECT_FALSE(finished);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Disk full");

    // A saved game that opens but cannot be read: the load stops before any message.
    QDir().mkdir("Save");
    ASSERT_TRUE(QFile::link("/proc/self/mem", "Save/Broken.sav"));
    pacer.waits.clear();
    Enter(form->ComboBox2, "Broken");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(errors[1].startsWith("I/O error")) << errors[1].toStdString();
    EXPECT_TRUE(pacer.waits.empty());
    // The window still answers.
    Click(form->Label18);
    EXPECT_TRUE(form->RadioButton6->isChecked());
}
