// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens: its design after the start-up, the start-up's order and what a
// missing or broken card sheet leaves behind.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "storage/saved_games.h"
#include "table_fixture.h"

namespace {

struct Expected {
    const char* name;
    const char* parent;
    QRect geometry;
};

} // namespace

TEST_F(TableTest, WindowOpensWithItsDesignInPlace) {
    Open();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->windowTitle(), "Quelvane 1.3");
    // The start-up makes the outer size 1024 x 760; this platform draws no frame, so the
    // client grows to the 1020 x 756 that the cloth's tiles cover, and stays fixed.
    EXPECT_EQ(form->minimumSize(), QSize(1020, 756));
    EXPECT_EQ(form->maximumSize(), QSize(1020, 756));
    EXPECT_FALSE(form->windowIcon().isNull());

    // Design places, and the places the start-up centres with the 1024 x 760 outer size.
    const Expected expected[] = {
        {"Image99", "Form1", QRect(0, 0, 1022, 758)},
        {"Panel1", "Form1", QRect(372, 210, 280, 337)},
        {"Image98", "Panel1", QRect(0, 0, 280, 337)},
        {"GroupBox3", "Panel1", QRect(0, 0, 273, 41)},
        {"RadioButton11", "GroupBox3", QRect(120, 18, 14, 14)},
        {"ComboBox1", "Panel1", QRect(8, 64, 110, 24)},
        {"ComboBox2", "Panel1", QRect(144, 64, 110, 21)},
        {"GroupBox2", "Panel1", QRect(0, 138, 117, 109)},
        {"RadioButton9", "GroupBox2", QRect(8, 84, 14, 14)},
        {"Image25", "Panel1", QRect(160, 160, 48, 65)},
        {"Image20", "Panel1", QRect(8, 264, 105, 57)},
        {"CheckBox3", "Panel1", QRect(120, 300, 12, 12)},
        {"GroupBox1", "Form1", QRect(408, 354, 208, 120)},
        {"Image23", "GroupBox1", QRect(0, 0, 208, 120)},
        {"ImageDeal", "GroupBox1", QRect(8, 40, 105, 57)},
        {"RadioButton4", "GroupBox1", QRect(120, 92, 14, 14)},
        {"Image33", "Form1", QRect(454, 656, 117, 30)},
        {"Panel2", "Form1", QRect(180, 198, 665, 364)},
        {"Image34", "Panel2", QRect(0, 0, 665, 364)},
        {"Memo1", "Panel2", QRect(8, 8, 649, 321)},
        {"Image29", "Panel2", QRect(224, 331, 90, 30)},
        {"Image30", "Panel2", QRect(320, 331, 90, 30)},
        {"Image28", "Panel2", QRect(568, 331, 90, 30)},
        {"GroupBox4", "Form1", QRect(222, 228, 580, 197)},
        {"Image36", "GroupBox4", QRect(0, 0, 580, 197)},
        {"StringGrid1", "GroupBox4", QRect(8, 4, 568, 150)},
        {"Image37", "GroupBox4", QRect(240, 158, 101, 30)},
        {"ComboBox3", "Form1", QRect(664, 660, 110, 21)},
        {"Image53", "Form1", QRect(428, 250, 73, 98)},
        {"Image50", "Form1", QRect(416, 238, 73, 98)},
        {"Image42", "Form1", QRect(509, 248, 11, 98)},
        {"Image84", "Form1", QRect(344, 416, 55, 55)},
        {"Image72", "Form1", QRect(648, 168, 55, 55)},
        {"Image19", "Form1", QRect(476, 496, 73, 98)},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        QWidget* control = Named(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), e.geometry);
        EXPECT_EQ(control->parentWidget()->objectName(), e.parent);
    }

    // Kinds, starting states and captions that the handlers and the later play rely on.
    EXPECT_NE(qobject_cast<QPlainTextEdit*>(form->Memo1), nullptr);
    EXPECT_NE(qobject_cast<QTableWidget*>(form->StringGrid1), nullptr);
    EXPECT_NE(qobject_cast<QGroupBox*>(form->GroupBox4), nullptr);
    EXPECT_TRUE(form->RadioButton3->isChecked());
    EXPECT_TRUE(form->RadioButton7->isChecked());
    EXPECT_TRUE(form->RadioButton11->isChecked());
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->CheckBox2->isChecked());
    for (const char* hidden :
         {"GroupBox1", "Panel2", "GroupBox4", "ComboBox3", "Label28", "Label11", "Label12",
          "Label26", "Label6", "Image81", "Image71", "Image60", "Image61", "Image21", "Image1"}) {
        EXPECT_TRUE(Named(hidden)->isHidden()) << hidden;
    }
    EXPECT_FALSE(form->GroupBox1->isEnabled());
    EXPECT_FALSE(form->Panel2->isEnabled());
    EXPECT_FALSE(form->Image74->isEnabled());
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_EQ(form->Label5->Caption(), "Stock Pile");
    EXPECT_EQ(form->Label5->pos(), QPoint(424, 355));
    EXPECT_EQ(form->Label14->Caption(), "Select Deal Cards");
    EXPECT_EQ(form->Label14->font().pixelSize(), 11);
    EXPECT_EQ(form->Label31->Caption(), "350 Points");
    EXPECT_EQ(form->Label1->pos(), QPoint(473, 604));
    EXPECT_EQ(form->Label11->font().family(), "Calibri");
    EXPECT_EQ(form->Label11->font().pixelSize(), 23);
    EXPECT_EQ(form->Label48->FontColour(), QColor(Qt::cyan));
    EXPECT_EQ(form->Label38->FontColour(), QColor(Qt::green));
    EXPECT_TRUE(form->Image1->Transparent());
    EXPECT_TRUE(form->Image53->Transparent());
    EXPECT_EQ(form->Image73->Picture().size(), QSize(60, 57)); // shown unscaled, cut

    EXPECT_EQ(engine.LeadSeat, 1);
    EXPECT_TRUE(engine.FirstDealPending);
    EXPECT_TRUE(QDir("Save").exists());
}

TEST_F(TableTest, WindowIsCentredOnTheDesktopByItsOuterSize) {
    EXPECT_EQ(TForm1::CentredWindowPosition(QSize(1920, 1080)), QPoint(450, 162));
    EXPECT_EQ(TForm1::CentredWindowPosition(QSize(1024, 768)), QPoint(0, 6));
}

TEST_F(TableTest, StartUpRunsOnceWhenTheWindowFirstShows) {
    Open(false);
    EXPECT_FALSE(form->StartedUp());
    EXPECT_EQ(form->size(), QSize(1008, 718)); // the design's client area
    EXPECT_EQ(form->maximumSize(), QSize(1008, 718));
    form->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->StartedUp(); }, 2000));
    EXPECT_EQ(form->Panel1->pos(), QPoint(372, 210));

    // A later activation (a message box or the suit chooser closing) does not start again.
    form->Panel1->move(1, 1);
    engine.LeadSeat = 3;
    form->StartUp();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form, &activate);
    EXPECT_EQ(form->Panel1->pos(), QPoint(1, 1));
    EXPECT_EQ(engine.LeadSeat, 3);
}

TEST_F(TableTest, ClothAndBackdropsAreCutFromTheBackgroundSheet) {
    Open();
    // One corner of the sheet, doubled, laid four times over the table.
    ASSERT_TRUE(form->Image99->Tiled());
    ASSERT_EQ(form->Image99->Picture().size(), QSize(510, 378));
    form->HideOptionsPanel();
    form->GroupBox1->hide();
    form->Image33->hide();
    const QImage screen = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(510, 0), QPoint(0, 378), QPoint(510, 378)}) {
        EXPECT_EQ(screen.pixel(at.x() + 2 * 100 + 1, at.y() + 2 * 50), sheets::Cloth(100, 50));
        EXPECT_EQ(screen.pixel(at.x() + 509, at.y() + 377), sheets::Cloth(254, 188));
    }
    // A backdrop doubles the corner of its own half size.
    const QImage& options = form->Image98->Picture();
    EXPECT_EQ(options.size(), QSize(280, 337));
    EXPECT_EQ(options.pixel(279, 335), sheets::Cloth(139, 167));
    // The rules panel lays the corner a second time from x = 511.
    const QImage& rules = form->Image34->Picture();
    EXPECT_EQ(rules.pixel(511, 40), sheets::Cloth(0, 20));
    EXPECT_EQ(rules.pixel(510, 40), sheets::Cloth(254, 20));
    // The score board: a 255-wide strip doubled, then a 35-wide one beyond x = 510.
    const QImage& score = form->Image36->Picture();
    EXPECT_EQ(score.pixel(509, 10), sheets::Cloth(254, 4));
    EXPECT_EQ(score.pixel(512, 10), sheets::Cloth(1, 4));
    // The suit chooser shares the cloth.
    const QImage& chooser = form->SuitChooser()->Image1()->Picture();
    EXPECT_EQ(chooser.size(), QSize(234, 91));
    EXPECT_EQ(chooser.pixel(230, 10), sheets::Cloth(115, 4));
}

TEST_F(TableTest, MissingDeckShowsOneErrorAndSkipsTheRestOfTheStartUp) {
    ASSERT_TRUE(QFile::remove("deck.bmp"));
    Engine saved;
    saved.EngineStartUp({});
    saved.SaveName = "Before";
    QDir().mkdir("Save");
    ASSERT_TRUE(SaveGame(saved));
    Open();

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith("Cannot open file ")) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith("deck.bmp"));
    // The deck step's own clean-up ran: no hand slot shows.
    for (int slot = 1; slot <= 19; ++slot)
        EXPECT_TRUE(form->HandSlot(slot)->isHidden());
    // Steps before it ran...
    EXPECT_EQ(form->Panel1->pos(), QPoint(372, 210));
    EXPECT_EQ(form->Image99->Picture().size(), QSize(510, 378)); // the cloth's one tile
    // ...and every step after it was skipped.
    EXPECT_EQ(engine.LeadSeat, 0);
    EXPECT_TRUE(form->Panel2->isEnabled());
    EXPECT_EQ(form->Panel2->pos(), QPoint(171, 177));
    EXPECT_EQ(form->ComboBox2->count(), 0);
    EXPECT_EQ(form->Label38->Caption(), "100");
    EXPECT_EQ(form->Label49->Caption(), "100");
    EXPECT_FALSE(form->Label11->isHidden());
}

TEST_F(TableTest, MissingPatternsKeepsTheDefaultsButStillPlacesTheWindow) {
    ASSERT_TRUE(QFile::remove("cardpatterns.bmp"));
    QFile config("Config.cfg");
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("3,1,1,4,1,1,1,A,B,C,D,E,");
    config.close();
    Open();

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].endsWith("cardpatterns.bmp"));
    // The settings file was never read.
    EXPECT_EQ(engine.PlayerCount, 5);
    EXPECT_EQ(engine.PlayerNames[1], "You");
    EXPECT_FALSE(form->RadioButton10->isChecked());
    // The cloth was never painted and the rules button keeps its design place.
    EXPECT_FALSE(form->Image99->HasPicture());
    EXPECT_EQ(form->Image33->pos(), QPoint(446, 656));
    EXPECT_EQ(form->SuitChooser()->Image1()->size(), QSize(234, 91));
}

TEST_F(TableTest, BrokenOrTooSmallSheetsAreNotValidBitmaps) {
    {
        QFile broken("background.bmp");
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("BM this is no picture at all");
    }
    Open();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Bitmap image is not valid");
    // The background step's clean-up still centres the rules button; the deck step is skipped.
    EXPECT_EQ(form->Image33->pos(), QPoint(454, 656));
    EXPECT_EQ(engine.LeadSeat, 0);

    // A deck one pixel narrower than its 14 columns of cells cannot be used either.
    ASSERT_TRUE(sheets::Background().save("background.bmp", "BMP"));
    ASSERT_TRUE(sheets::Deck().copy(0, 0, 1021, 392).save("deck.bmp", "BMP"));
    errors.clear();
    OpenWindows();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Bitmap image is not valid");
}

TEST_F(TableTest, SavedGameListsHoldEverySavedGameBelowTheFolder) {
    QDir().mkpath("Save/older");
    QDir().mkpath("odd.sav"); // a folder is searched, never listed
    for (const char* path : {"Save/Alpha.sav", "Save/older/Beta.sav", "odd.sav/Gamma.sav",
                             "Save/Delta.v2.sav", "Save/notes.txt"}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    Open();
    QStringList listed;
    for (int i = 0; i < form->ComboBox2->count(); ++i) {
        listed << form->ComboBox2->itemText(i);
    }
    listed.sort();
    // A dot inside a game's name stays, so the listed name finds its file again.
    EXPECT_EQ(listed, QStringList({"Alpha", "Beta", "Delta.v2", "Gamma"}));
    EXPECT_EQ(form->ComboBox3->count(), 4);
    // Filling the list does not put a name into the box.
    EXPECT_EQ(form->ComboBox2->currentText(), "");
}
