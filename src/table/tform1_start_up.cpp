// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the table up: the window itself, the start-up at its first activation (card sheets,
// cloth and backdrops, settings, saved-game lists, high scores) and the close.
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#ifdef __unix__
#include <sys/resource.h>
#endif

#include "art/window_art.h"
#include "storage/config.h"
#include "storage/saved_games.h"
#include "suitchooser/tform2.h"
#include "suitchooser/window_controls.h"
#include "table/bitmap_file.h"
#include "table/device_sheets.h"
#include "table/flow/turn_flow.h"
#include "table/table_accessibles.h"
#include "table/table_scale.h"
#include "table/tform1.h"

namespace {

constexpr Qt::WindowFlags kDialogFrame = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// The smallest sheets the table can cut every cell, thumbnail and backdrop from.
constexpr QSize kDeckSize(1022, 392);
constexpr QSize kPatternsSize(146, 196);
constexpr QSize kBackgroundSize(333, 190);

// A game that paces itself with waits asks for a little more of the processor; where that is
// not allowed the request simply has no effect.
void RaisePriority() {
#ifdef __unix__
    (void)setpriority(PRIO_PROCESS, 0, -5);
#endif
}

// Appends an item without letting it take the place of what was typed in the box.
void AppendItem(QComboBox* combo, const QString& item) {
    const int index = combo->currentIndex();
    const QString text = combo->currentText();
    combo->addItem(item);
    if (index < 0) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

constexpr int kClothWidth = 1022;
constexpr int kClothHeight = 758;
constexpr int kTileWidth = 510;
constexpr int kTileHeight = 378;

} // namespace

TForm1::TForm1(Engine& engine, Pacer& pacer, QWidget* parent)
    : QWidget(parent, kDialogFrame), engine_(engine), pacer_(pacer) {
    // Before anything is asked of the window on behalf of a screen reader.
    InstallTableAccessibles();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quelvane 1.3"));
    // The title bar and the task switcher take the picture drawn for their own resolution.
    QIcon icon(QPixmap::fromImage(WindowIconPicture()));
    if (devicePixelRatioF() != 1.0)
        icon.addPixmap(QPixmap::fromImage(WindowIconPicture(devicePixelRatioF())));
    setWindowIcon(icon);
    setFixedSize(kClientWidth, kClientHeight);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(palette);
    setAutoFillBackground(true);

    CreateControls();
    // New seat names are typed whole; completing them from the old names would get in the way.
    ComboBox1->setCompleter(nullptr);
    // A game is saved under the name typed: completing a new name into an older game's name
    // would save over that game.
    ComboBox3->setCompleter(nullptr);
    ConnectHandlers();
    ConnectPlayHandlers();
    errorReporter_ = [this](const QString& text) {
        QMessageBox::critical(this, QStringLiteral("Quelvane"), text);
        // As after the suit chooser: the keys come back to the table, with or without a
        // window manager to hand them back.
        if (isVisible() && !isActiveWindow())
            activateWindow();
    };
}

// The focus rings follow the application's focus, which keeps changing while the widget part
// of the window goes down; by then this part is gone and must hear nothing more.
TForm1::~TForm1() {
    disconnect(QCoreApplication::instance(), nullptr, this, nullptr);
}

int TForm1::Centre(int outer, int inner) {
    return (outer / 6 - inner / 6) * 3;
}

QPoint TForm1::CentredWindowPosition(QSize desktop) {
    return {Centre(desktop.width(), kOuterWidth), Centre(desktop.height(), kOuterHeight)};
}

void TForm1::SetSuitChooser(std::unique_ptr<TForm2> chooser) {
    chooser_ = std::move(chooser);
    // Kept above the table while it is open, and freed with it.
    if (chooser_)
        chooser_->setParent(this, chooser_->windowFlags());
}

bool TForm1::event(QEvent* event) {
    const bool activated = event->type() == QEvent::WindowActivate;
    if (activated)
        StartUp();
    // The desktop may frame the window only after the start-up has sized and placed it; the
    // frame is then taken into account once.
    if (fitted_ && !frameFitted_ && (activated || event->type() == QEvent::Move) &&
        windowHandle() && !windowHandle()->frameMargins().isNull())
        PlaceWindow();
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Some desktops never activate a new window by themselves; the start-up must still run
    // before the first click.
    if (!shownOnce_) {
        shownOnce_ = true;
        QTimer::singleShot(0, this, [this] { StartUp(); });
    }
}

void TForm1::StartUp() {
    if (startedUp_)
        return;
    startedUp_ = true;
    RunEvent([this] {
        engine_.FirstDealPending = true;
        RaisePriority();
        QDir().mkdir(QStringLiteral("Save"));
        // The window already draws through a back buffer.
        QWidget* deal = GroupBox1;
        deal->setEnabled(false);
        deal->hide();
        LoadPatternsStep();
        LoadBackgroundStep();
        LoadDeckStep();
        engine_.LeadSeat = 1;
        QWidget* rules = Panel2;
        rules->move(kOuterWidth / 2 - rules->width() / 2, kOuterHeight / 2 - rules->height() / 2);
        rules->setEnabled(false);
        rules->hide();
        ComboBox2->clear();
        FindFiles("");
        ShowHighScores();
        ShowGamesAndWins();
        // The first choice of the panel, on the value it has now.
        for (QRadioButton* players : PlayerRadios())
            if (players->isChecked())
                players->setFocus(Qt::OtherFocusReason);
    });
}

// The sheet drawn for the window's resolution, cut like the 1x one: from the larger file beside
// it where there is one, else the 1x sheet scaled. Colours are still sampled from the 1x one.
QImage TForm1::SheetForWindow(const QString& fileName, const QImage& sheet, bool cards) const {
    const qreal ratio = devicePixelRatioF();
    LargerSheet larger = LoadLargerSheet(fileName, sheet.size(), ratio);
    return SheetAtRatio(sheet, std::move(larger.image), larger.scale, ratio, cards,
                        sheet.pixel(1, 1));
}

void TForm1::LoadPatternsStep() {
    try {
        patternsBitmap_ = LoadBitmap(QStringLiteral("cardpatterns.bmp"), kPatternsSize);
        patternsDevice_ = SheetForWindow(QStringLiteral("cardpatterns.bmp"), patternsBitmap_, true);
        if (devicePixelRatioF() != 1.0)
            DrawDesignThumbnails(patternsDevice_);
        if (LoadConfig(engine_))
            ShowSettings();
    } catch (...) {
        PlaceWindow();
        throw;
    }
    PlaceWindow();
}

// The outer size becomes 1024 x 760 whatever the desktop's frame takes of it, which leaves room
// below the design's 718 rows for the last high-score row; never larger than the cloth's four
// tiles cover, and never smaller than the design's client, however heavy the frame: the
// high scores and the counters at the bottom must stay in view.
void TForm1::FitOuterSize() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    fitted_ = true;
    frameFitted_ = !frame.isNull();
    setFixedSize(ClientSizeFor(frame));
}

QSize TForm1::ClientSizeFor(const QMargins& frame) {
    const int width = std::min(kOuterWidth - frame.left() - frame.right(), 2 * kTileWidth);
    const int height = std::min(kOuterHeight - frame.top() - frame.bottom(), 2 * kTileHeight);
    return {std::max(width, kClientWidth), std::max(height, kClientHeight)};
}

// Centred as designed, counting with the design's outer size; a screen too small for that,
// or a frame too heavy, brings the window back inside the free part of the screen.
void TForm1::PlaceWindow() {
    FitOuterSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        const QSize outer = size().grownBy(frame);
        move(PlaceInside(CentredWindowPosition(screen->geometry().size()), outer,
                         screen->availableGeometry()));
    }
    if (chooser_)
        chooser_->Image1()->setGeometry(0, 0, chooser_->width(), chooser_->height());
}

void TForm1::LoadBackgroundStep() {
    QWidget* rulesButton = Image33;
    try {
        backgroundBitmap_ = LoadBitmap(QStringLiteral("background.bmp"), kBackgroundSize);
        backgroundDevice_ =
            SheetForWindow(QStringLiteral("background.bmp"), backgroundBitmap_, false);
        Image99->resize(kClothWidth, kClothHeight);
        Image99->SetTiled(true);
        QWidget* deal = GroupBox1;
        deal->move(Centre(kOuterWidth, deal->width()), Centre(kOuterHeight, deal->height()) + 36);
        Image23->resize(deal->size());
        QWidget* options = Panel1;
        options->move(Centre(kOuterWidth, options->width()),
                      Centre(kOuterHeight, options->height()));
        Image36->resize(GroupBox4->size());
        PaintCloth();
        Image97->resize(GroupBox2->size());
        Image32->resize(GroupBox3->size());
        Image98->resize(options->size());
        Image34->setGeometry(QRect(QPoint(0, 0), Panel2->size()));
        for (PictureBox* backdrop : {Image34, Image98, Image97, Image32, Image23})
            PaintBackdrop(backdrop);
        // The rules panel is wider than the cloth corner it doubles, so the corner is laid
        // again further right.
        PictureBox* rulesBackdrop = Image34;
        ScaledCopyAtRatio(rulesBackdrop->Canvas(),
                          QRect(511, 0, rulesBackdrop->width(), rulesBackdrop->height()),
                          backgroundDevice_,
                          QRect(0, 0, rulesBackdrop->width() / 2, rulesBackdrop->height() / 2));
        if (chooser_)
            PaintBackdrop(chooser_->Image1());
        PaintScoreBackdrop(Image36);
        // Nothing is cut from the cloth's sheet after this: on a scaled screen it is the
        // largest sheet of all, and the memory goes back.
        if (devicePixelRatioF() != 1.0)
            backgroundDevice_ = QImage();
    } catch (...) {
        rulesButton->move(kOuterWidth / 2 - rulesButton->width() / 2, rulesButton->y());
        throw;
    }
    rulesButton->move(kOuterWidth / 2 - rulesButton->width() / 2, rulesButton->y());
}

// The backdrops are a corner of the background sheet doubled. On a scaled screen they are held
// at half the window's resolution, the sheet's own, and doubled as they are painted: the same
// pixels on the screen, for a quarter of the memory. They are seldom painted; the cloth, which
// every repaint paints, is held whole.
qreal TForm1::ClothRatio() const {
    const qreal ratio = devicePixelRatioF();
    return ratio > 1.0 ? ratio / 2 : ratio;
}

// The cloth is one corner of the background sheet, doubled, laid four times: the picture holds
// the one tile and lays it over the table.
void TForm1::PaintCloth() {
    PictureBox* cloth = Image99;
    cloth->NewSurface(kTileWidth, kTileHeight);
    ScaledCopyAtRatio(cloth->Canvas(), QRect(0, 0, kTileWidth, kTileHeight), backgroundDevice_,
                      QRect(0, 0, kTileWidth / 2, kTileHeight / 2));
}

void TForm1::PaintBackdrop(PictureBox* picture) {
    const int w = picture->width();
    const int h = picture->height();
    picture->NewSurface(w, h, ClothRatio());
    QImage& canvas = picture->Canvas();
    const QRect source(0, 0, w / 2, h / 2);
    ScaledCopyAtRatio(canvas, QRect(0, 0, w, h), backgroundDevice_, source);
}

void TForm1::PaintScoreBackdrop(PictureBox* picture) {
    const int w = picture->width();
    const int h = picture->height();
    picture->NewSurface(w, h, ClothRatio());
    QImage& canvas = picture->Canvas();
    ScaledCopyAtRatio(canvas, QRect(0, 0, 510, h), backgroundDevice_, QRect(0, 0, 255, h / 2));
    ScaledCopyAtRatio(canvas, QRect(510, 0, w - 510, h), backgroundDevice_, QRect(0, 0, 35, h / 2));
}

void TForm1::LoadDeckStep() {
    try {
        deckBitmap_ = LoadBitmap(QStringLiteral("deck.bmp"), kDeckSize);
        deckDevice_ = SheetForWindow(QStringLiteral("deck.bmp"), deckBitmap_, true);
        Label11->hide();
        Label12->hide();
        noticeColor_ = deckBitmap_.pixel(757, 57);
        keyColor_ = deckBitmap_.pixel(1, 1);
        // A seat's fan starts on a surface of the key colour, which its transparent showing
        // hides.
        for (int seat = 2; seat <= 5; ++seat)
            SeatPicture(seat)->SetFreshColour(keyColor_);
        for (int seat = 1; seat <= engine_.PlayerCount; ++seat)
            PlaceSeat(seat, false);
    } catch (...) {
        ShowAllHandSlots(false, false);
        throw;
    }
    ShowAllHandSlots(false, false);
}

int TForm1::FindFiles(const std::string& folder) {
    const std::vector<std::string> names = FindSavedGames(folder);
    for (const std::string& name : names) {
        const QString item = QString::fromStdString(name);
        AppendItem(ComboBox2, item);
        AppendItem(ComboBox3, item);
    }
    return static_cast<int>(names.size());
}

void TForm1::FormClose() {
    if (flow_)
        flow_->FormClose();
    deckBitmap_ = QImage();
    backgroundBitmap_ = QImage();
    patternsBitmap_ = QImage();
    deckDevice_ = QImage();
    backgroundDevice_ = QImage();
    patternsDevice_ = QImage();
    chooser_.reset();
}

void TForm1::ShowError(const QString& text) {
    if (errorReporter_)
        errorReporter_(text);
}

void TForm1::SetErrorReporter(std::function<void(const QString&)> reporter) {
    errorReporter_ = std::move(reporter);
}
