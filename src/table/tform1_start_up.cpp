// Bringing the table up: the window itself, the start-up at its first activation (card sheets,
// cloth and backdrops, settings, saved-game lists, high scores) and the close.
#include <QBuffer>
#include <cstdint>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#ifdef __unix__
#include <sys/resource.h>
#endif

#include "art/window_art.h"
#include "storage/config.h"
#include "storage/file_io.h"
#include "storage/storage_error.h"
#include "storage/saved_games.h"
#include "suitchooser/tform2.h"
#include "suitchooser/window_controls.h"
#include "table/flow/turn_flow.h"
#include "table/tform1.h"

namespace {

constexpr Qt::WindowFlags kDialogFrame = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// The smallest sheets the table can cut every cell, thumbnail and backdrop from.
constexpr QSize kDeckSize(1022, 392);
constexpr QSize kPatternsSize(146, 196);
constexpr QSize kBackgroundSize(333, 190);

// No card sheet of ours comes near this; a larger file is not one of them.
constexpr size_t kMaxBitmapBytes = 32u << 20;

// The unsigned little-endian number of size bytes at offset at of a bitmap's header.
uint32_t LittleEndian(const std::vector<uint8_t>& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

// The card sheets are whole 24-bit bitmaps; the pixels are sampled as such (the key colour,
// the notice colour), so a sheet of another depth, or one cut short, is not one of ours.
bool IsWhole24BitBitmap(const std::vector<uint8_t>& bytes) {
    auto le = [&bytes](size_t at, size_t size) { return LittleEndian(bytes, at, size); };
    if (bytes.size() < 30 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const bool oldest = le(14, 4) == 12; // the oldest header has 16-bit sizes
    const uint64_t width = oldest ? le(18, 2) : le(18, 4);
    const auto height = static_cast<int32_t>(oldest ? le(20, 2) : le(22, 4));
    if (le(oldest ? 24 : 28, 2) != 24 || width > 1u << 16 || height == INT32_MIN)
        return false;
    const uint64_t rowBytes = (width * 3 + 3) / 4 * 4;
    const uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    return le(10, 4) + rowBytes * rows <= bytes.size();
}

// Our sheets are plain 24-bit bitmaps: rows of blue, green and red bytes, each row padded to
// four bytes, the bottom row first unless the height is negative. Those are decoded here,
// straight into the table's pixel format; a null image leaves any other kind to Qt's reader.
QImage DecodePlainBitmap(const std::vector<uint8_t>& bytes) {
    auto le = [&bytes](size_t at, size_t size) { return LittleEndian(bytes, at, size); };
    if (bytes.size() < 54)
        return {};
    const uint32_t header = le(14, 4);
    const uint64_t offset = le(10, 4);
    const auto width = static_cast<int32_t>(le(18, 4));
    const auto height = static_cast<int32_t>(le(22, 4));
    const bool plain = header >= 40 && le(28, 2) == 24 && le(30, 4) == 0;
    if (!plain || width <= 0 || width > 1 << 16 || height == 0 || height == INT32_MIN ||
        offset < 14 + uint64_t{header})
        return {};
    const int rows = height < 0 ? -height : height;
    const uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(width)} * 3 + 3) / 4 * 4;
    if (offset + rowBytes * static_cast<uint64_t>(rows) > bytes.size())
        return {};
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        const uint64_t row = height > 0 ? static_cast<uint64_t>(rows - 1 - y) : uint64_t(y);
        const uint8_t* in = bytes.data() + offset + rowBytes * row;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

// The file is read through the game's own reader, so a pipe or a device under the name
// counts as a file that cannot be opened instead of holding the start-up up.
QImage LoadBitmap(const QString& fileName, QSize minimum) {
    FileBytes file;
    try {
        file = ReadWholeFile(fileName.toStdString(), kMaxBitmapBytes);
    } catch (const StorageError&) {
        throw BitmapError("Bitmap image is not valid");
    }
    if (file.outcome != OpenOutcome::Opened) {
        const QString path = QFileInfo(fileName).absoluteFilePath();
        throw BitmapError(QStringLiteral("Cannot open file %1").arg(path).toStdString());
    }
    if (file.bytes.size() > kMaxBitmapBytes || !IsWhole24BitBitmap(file.bytes))
        throw BitmapError("Bitmap image is not valid");
    QImage image = DecodePlainBitmap(file.bytes);
    if (image.isNull()) {
        QByteArray data(reinterpret_cast<const char*>(file.bytes.data()),
                        static_cast<qsizetype>(file.bytes.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        image = reader.read();
    }
    if (image.isNull() || image.width() < minimum.width() || image.height() < minimum.height()) {
        throw BitmapError("Bitmap image is not valid");
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

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
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quelvane 1.3"));
    setWindowIcon(QIcon(QPixmap::fromImage(WindowIconPicture())));
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
    });
}

void TForm1::LoadPatternsStep() {
    try {
        patternsBitmap_ = LoadBitmap(QStringLiteral("cardpatterns.bmp"), kPatternsSize);
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
// tiles cover.
void TForm1::FitOuterSize() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    fitted_ = true;
    frameFitted_ = !frame.isNull();
    setFixedSize(std::min(kOuterWidth - frame.left() - frame.right(), 2 * kTileWidth),
                 std::min(kOuterHeight - frame.top() - frame.bottom(), 2 * kTileHeight));
}

void TForm1::PlaceWindow() {
    FitOuterSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen)
        move(CentredWindowPosition(screen->geometry().size()));
    if (chooser_)
        chooser_->Image1()->setGeometry(0, 0, chooser_->width(), chooser_->height());
}

void TForm1::LoadBackgroundStep() {
    QWidget* rulesButton = Image33;
    try {
        backgroundBitmap_ = LoadBitmap(QStringLiteral("background.bmp"), kBackgroundSize);
        Image99->resize(kClothWidth, kClothHeight);
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
        Image34
            ->setGeometry(QRect(QPoint(0, 0), Panel2->size()));
        for (PictureBox* backdrop : {Image34, Image98, Image97, Image32, Image23})
            PaintBackdrop(backdrop);
        // The rules panel is wider than the cloth corner it doubles, so the corner is laid
        // again further right.
        PictureBox* rulesBackdrop = Image34;
        ScaledCopy(rulesBackdrop->Canvas(),
                   QRect(511, 0, rulesBackdrop->width(), rulesBackdrop->height()),
                   backgroundBitmap_,
                   QRect(0, 0, rulesBackdrop->width() / 2, rulesBackdrop->height() / 2));
        if (chooser_)
            PaintBackdrop(chooser_->Image1());
        PaintScoreBackdrop(Image36);
    } catch (...) {
        rulesButton->move(kOuterWidth / 2 - rulesButton->width() / 2, rulesButton->y());
        throw;
    }
    rulesButton->move(kOuterWidth / 2 - rulesButton->width() / 2, rulesButton->y());
}

// The cloth is one corner of the background sheet, doubled, laid four times.
void TForm1::PaintCloth() {
    PictureBox* cloth = Image99;
    cloth->NewSurface(cloth->width(), cloth->height());
    QImage& canvas = cloth->Canvas();
    const QRect source(0, 0, kTileWidth / 2, kTileHeight / 2);
    for (const QPoint at : {QPoint(0, 0), QPoint(kTileWidth, 0), QPoint(0, kTileHeight),
                            QPoint(kTileWidth, kTileHeight)}) {
        ScaledCopy(canvas, QRect(at, QSize(kTileWidth, kTileHeight)), backgroundBitmap_, source);
    }
}

void TForm1::PaintBackdrop(PictureBox* picture) {
    const int w = picture->width();
    const int h = picture->height();
    picture->NewSurface(w, h);
    QImage& canvas = picture->Canvas();
    const QRect source(0, 0, w / 2, h / 2);
    ScaledCopy(canvas, QRect(0, 0, w, h), backgroundBitmap_, source);
}

void TForm1::PaintScoreBackdrop(PictureBox* picture) {
    const int w = picture->width();
    const int h = picture->height();
    picture->NewSurface(w, h);
    QImage& canvas = picture->Canvas();
    ScaledCopy(canvas, QRect(0, 0, 510, h), backgroundBitmap_, QRect(0, 0, 255, h / 2));
    ScaledCopy(canvas, QRect(510, 0, w - 510, h), backgroundBitmap_, QRect(0, 0, 35, h / 2));
}

void TForm1::LoadDeckStep() {
    try {
        deckBitmap_ = LoadBitmap(QStringLiteral("deck.bmp"), kDeckSize);
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
    chooser_.reset();
}

void TForm1::ShowError(const QString& text) {
    if (errorReporter_)
        errorReporter_(text);
}

void TForm1::SetErrorReporter(std::function<void(const QString&)> reporter) {
    errorReporter_ = std::move(reporter);
}
