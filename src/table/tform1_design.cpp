// The window's design: every control with its name, kind, place, size, caption, font and
// colour, created once when the window is made. The start-up moves and paints some of them.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "art/window_art.h"
#include "suitchooser/window_controls.h"
#include "table/tform1.h"

namespace {

enum class Kind { Picture, Label, GroupBox, Panel, Radio, Check, Combo, Memo, Grid };

enum Flag : unsigned {
    Hidden = 1,
    Disabled = 2,
    Transparent = 4,
    Stretch = 8,
    Checked = 16,
    Bold = 32,
    Calibri = 64,
};

constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLime = 0xFF00FF00;
constexpr QRgb kAqua = 0xFF00FFFF;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kHighlight = 0xFF0078D7;

struct Design {
    const char* name;
    Kind kind;
    const char* parent; // nullptr: the window itself
    int left;
    int top;
    int width; // labels size themselves to their caption
    int height;
    const char* caption;
    int fontPixels; // 0: the window's font
    QRgb colour;    // font colour of labels, memo and grid; fill colour of panels and groups
    unsigned flags;
};

constexpr Kind P = Kind::Picture;
constexpr Kind L = Kind::Label;

// In creation order, which is also the order in which overlapping controls lie on each other.
constexpr std::array kDesign = {
    Design{"Image99", P, nullptr, 0, 0, 1008, 718, "", 0, 0, 0},
    // Seat names
    Design{"Label1", L, nullptr, 473, 604, 67, 24, "Player 1", 19, kWhite, 0},
    Design{"Label2", L, nullptr, 40, 284, 0, 0, "Player 2", 19, kWhite, Hidden},
    Design{"Label3", L, nullptr, 473, 123, 0, 0, "Player 3", 19, kWhite, Hidden},
    Design{"Label4", L, nullptr, 907, 284, 0, 0, "Player 4", 19, kWhite, Hidden},
    Design{"Label29", L, nullptr, 907, 252, 0, 0, "Player 5", 19, kWhite, Hidden},
    // Computer hands (fans); shown transparent so the cloth shows round the card corners
    Design{"Image21", P, nullptr, 124, 272, 98, 505, "", 0, 0, Transparent},
    Design{"Image31", P, nullptr, 476, 24, 505, 98, "", 0, 0, Transparent},
    Design{"Image41", P, nullptr, 802, 272, 98, 505, "", 0, 0, Transparent},
    Design{"Image35", P, nullptr, 802, 272, 98, 505, "", 0, 0, Transparent},
    // The human's hand
    Design{"Image1", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image2", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image3", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image4", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image5", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image6", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image7", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image8", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image9", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image10", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image11", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image12", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image13", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image14", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image15", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image16", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image17", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image18", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    Design{"Image19", P, nullptr, 476, 496, 73, 98, "", 0, 0, Transparent},
    // Stock and discard pile
    Design{"Label5", L, nullptr, 424, 355, 81, 20, "Stock Pile", 16, kYellow, Bold},
    Design{"Label6", L, nullptr, 544, 355, 96, 20, "Discard Pile", 16, kYellow, Bold | Hidden},
    Design{"Image50", P, nullptr, 416, 238, 73, 98, "", 0, 0, Transparent},
    Design{"Image51", P, nullptr, 420, 242, 73, 98, "", 0, 0, Transparent},
    Design{"Image52", P, nullptr, 424, 246, 73, 98, "", 0, 0, Transparent},
    Design{"Image42", P, nullptr, 509, 248, 11, 98, "", 0, 0, Hidden},
    Design{"Image40", P, nullptr, 520, 248, 11, 98, "", 0, 0, Hidden},
    Design{"Image39", P, nullptr, 531, 248, 11, 98, "", 0, 0, Hidden},
    Design{"Image38", P, nullptr, 542, 248, 11, 98, "", 0, 0, Hidden},
    // The discard top and the flying card are plain pictures, corners and all
    Design{"Image60", P, nullptr, 552, 248, 73, 98, "", 0, 0, Hidden},
    // The stock's top card also flies to the seats, so it lies over every hand
    Design{"Image53", P, nullptr, 428, 250, 73, 98, "", 0, 0, Transparent},
    Design{"Image61", P, nullptr, 552, 248, 73, 98, "", 0, 0, Hidden},
    // Turn arrows and named-suit markers
    Design{"Image81", P, nullptr, 176, 416, 55, 55, "", 0, 0, Transparent | Hidden},
    Design{"Image82", P, nullptr, 232, 416, 55, 55, "", 0, 0, Transparent | Hidden},
    Design{"Image83", P, nullptr, 288, 416, 55, 55, "", 0, 0, Transparent | Hidden},
    Design{"Image84", P, nullptr, 344, 416, 55, 55, "", 0, 0, Transparent | Hidden},
    Design{"Image71", P, nullptr, 592, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled},
    Design{"Image72", P, nullptr, 648, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled},
    Design{"Image73", P, nullptr, 704, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled},
    Design{"Image74", P, nullptr, 760, 168, 55, 55, "", 0, 0, Transparent | Hidden | Disabled},
    // Status text: the black shadow lies under its face
    Design{"Label11", L, nullptr, 736, 72, 60, 28, "Player", 23, kBlack, Bold | Calibri},
    Design{"Label12", L, nullptr, 736, 96, 60, 28, "Player", 23, kNavy, Bold | Calibri},
    // Banners and messages
    Design{"Label26", L, nullptr, 720, 376, 0, 0, "GAME OVER", 32, kWhite, Bold | Hidden},
    Design{"Label27", L, nullptr, 720, 408, 0, 0, "GAME", 32, kWhite, Bold | Hidden},
    Design{"Label36", L, nullptr, 824, 656, 0, 0, "", 16, kYellow, Bold | Hidden},
    Design{"Label30", L, nullptr, 664, 640, 0, 0, "", 20, kWhite, Hidden},
    // High scores and counters
    Design{"Label37", L, nullptr, 25, 595, 0, 0, "High Scores", 19, kYellow, Bold},
    Design{"Label38", L, nullptr, 25, 618, 0, 0, "100", 16, kLime, Bold},
    Design{"Label39", L, nullptr, 80, 618, 0, 0, "100", 16, kLime, Bold},
    Design{"Label40", L, nullptr, 25, 636, 0, 0, "100", 16, kLime, Bold},
    Design{"Label41", L, nullptr, 80, 636, 0, 0, "100", 16, kLime, Bold},
    Design{"Label42", L, nullptr, 25, 654, 0, 0, "100", 16, kLime, Bold},
    Design{"Label43", L, nullptr, 80, 654, 0, 0, "100", 16, kLime, Bold},
    Design{"Label44", L, nullptr, 25, 672, 0, 0, "100", 16, kLime, Bold},
    Design{"Label45", L, nullptr, 80, 672, 0, 0, "100", 16, kLime, Bold},
    Design{"Label46", L, nullptr, 25, 690, 0, 0, "100", 16, kLime, Bold},
    Design{"Label47", L, nullptr, 80, 690, 0, 0, "100", 16, kLime, Bold},
    Design{"Label48", L, nullptr, 25, 708, 0, 0, "100", 16, kAqua, Bold},
    Design{"Label49", L, nullptr, 80, 708, 0, 0, "100", 16, kAqua, Bold},
    Design{"Label52", L, nullptr, 200, 664, 0, 0, "Games", 19, kYellow, Bold},
    Design{"Label53", L, nullptr, 288, 664, 0, 0, "Wins", 19, kYellow, Bold},
    Design{"Label50", L, nullptr, 216, 684, 0, 0, "0", 19, kWhite, Bold},
    Design{"Label51", L, nullptr, 304, 684, 0, 0, "0", 19, kWhite, Bold},
    // Saving between rounds
    Design{"Label28", L, nullptr, 672, 640, 0, 0, "Save Game", 13, kYellow, Bold | Hidden},
    Design{"ComboBox3", Kind::Combo, nullptr, 664, 660, 110, 21, "", 0, kGreen, Hidden | Disabled},
    // VIEW RULES
    Design{"Image33", P, nullptr, 446, 656, 117, 30, "", 0, 0, 0},
    // Deal panel
    Design{"GroupBox1", Kind::GroupBox, nullptr, 400, 335, 208, 120, "", 0, kHighlight, 0},
    Design{"Image23", P, "GroupBox1", 0, 0, 208, 120, "", 0, 0, Stretch},
    Design{"Label14", L, "GroupBox1", 96, 8, 0, 0, "Select Deal Cards", 11, kYellow, Bold},
    Design{"ImageDeal", P, "GroupBox1", 8, 40, 105, 57, "", 0, 0, Stretch},
    Design{"Label10", L, "GroupBox1", 144, 30, 0, 0, "4 Cards", 13, kYellow, Bold},
    Design{"Label13", L, "GroupBox1", 144, 50, 0, 0, "5 Cards", 13, kYellow, Bold},
    Design{"Label15", L, "GroupBox1", 144, 70, 0, 0, "6 Cards", 13, kYellow, Bold},
    Design{"Label16", L, "GroupBox1", 144, 90, 0, 0, "7 Cards", 13, kYellow, Bold},
    Design{"RadioButton1", Kind::Radio, "GroupBox1", 120, 32, 14, 14, "", 0, 0, 0},
    Design{"RadioButton2", Kind::Radio, "GroupBox1", 120, 52, 14, 14, "", 0, 0, 0},
    Design{"RadioButton3", Kind::Radio, "GroupBox1", 120, 72, 14, 14, "", 0, 0, Checked},
    Design{"RadioButton4", Kind::Radio, "GroupBox1", 120, 92, 14, 14, "", 0, 0, 0},
    // Options panel
    Design{"Panel1", Kind::Panel, nullptr, 364, 190, 280, 337, "", 0, kHighlight, 0},
    Design{"Image98", P, "Panel1", 0, 0, 280, 337, "", 0, 0, 0},
    Design{"Label23", L, "Panel1", 8, 46, 0, 0, "Change Names", 13, kYellow, Bold},
    Design{"Label9", L, "Panel1", 144, 46, 0, 0, "Saved Games", 13, kYellow, Bold},
    Design{"Label21", L, "Panel1", 16, 99, 0, 0, "Play Until", 13, kYellow, Bold},
    Design{"Label24", L, "Panel1", 24, 116, 0, 0, "Score", 13, kYellow, Bold},
    Design{"Label22", L, "Panel1", 128, 120, 0, 0, "Select Card Design", 13, kYellow, Bold},
    Design{"Image24", P, "Panel1", 128, 144, 48, 65, "", 0, 0, 0},
    Design{"Image25", P, "Panel1", 160, 160, 48, 65, "", 0, 0, 0},
    Design{"Image26", P, "Panel1", 192, 176, 48, 65, "", 0, 0, 0},
    Design{"Image27", P, "Panel1", 224, 192, 48, 65, "", 0, 0, 0},
    Design{"Image20", P, "Panel1", 8, 264, 105, 57, "", 0, 0, Stretch},
    Design{"Label25", L, "Panel1", 136, 263, 0, 0, "Quick Deal", 13, kYellow, Bold},
    Design{"Label7", L, "Panel1", 136, 281, 0, 0, "Sort Cards by Points", 13, kYellow, Bold},
    Design{"Label8", L, "Panel1", 139, 298, 0, 0, "Progressive Twos", 13, kYellow, Bold},
    Design{"GroupBox3", Kind::GroupBox, "Panel1", 0, 0, 273, 41, "", 0, kHighlight, 0},
    Design{"Image32", P, "GroupBox3", 0, 0, 273, 41, "", 0, 0, 0},
    Design{"Label32", L, "GroupBox3", 48, 1, 0, 0, "Select Number of Players", 13, kYellow, Bold},
    Design{"Label33", L, "GroupBox3", 72, 17, 0, 0, "3", 13, kYellow, Bold},
    Design{"Label34", L, "GroupBox3", 144, 17, 0, 0, "4", 13, kYellow, Bold},
    Design{"Label35", L, "GroupBox3", 216, 17, 0, 0, "5", 13, kYellow, Bold},
    Design{"RadioButton10", Kind::Radio, "GroupBox3", 48, 18, 14, 14, "", 0, 0, 0},
    Design{"RadioButton11", Kind::Radio, "GroupBox3", 120, 18, 14, 14, "", 0, 0, Checked},
    Design{"RadioButton12", Kind::Radio, "GroupBox3", 192, 18, 14, 14, "", 0, 0, 0},
    Design{"ComboBox1", Kind::Combo, "Panel1", 8, 64, 110, 24, "", 0, 0, 0},
    Design{"ComboBox2", Kind::Combo, "Panel1", 144, 64, 110, 21, "", 0, 0, 0},
    Design{"GroupBox2", Kind::GroupBox, "Panel1", 0, 138, 117, 109, "", 0, kHighlight, 0},
    Design{"Image97", P, "GroupBox2", 0, 0, 117, 109, "", 0, 0, 0},
    Design{"Label17", L, "GroupBox2", 32, 4, 0, 0, "100 Points", 13, kYellow, Bold},
    Design{"Label18", L, "GroupBox2", 32, 24, 0, 0, "200 Points", 13, kYellow, Bold},
    Design{"Label19", L, "GroupBox2", 32, 44, 0, 0, "250 Points", 13, kYellow, Bold},
    Design{"Label20", L, "GroupBox2", 32, 64, 0, 0, "300 Points", 13, kYellow, Bold},
    Design{"Label31", L, "GroupBox2", 32, 84, 0, 0, "350 Points", 13, kYellow, Bold},
    Design{"RadioButton5", Kind::Radio, "GroupBox2", 8, 4, 14, 14, "", 0, 0, 0},
    Design{"RadioButton6", Kind::Radio, "GroupBox2", 8, 24, 14, 14, "", 0, 0, 0},
    Design{"RadioButton7", Kind::Radio, "GroupBox2", 8, 44, 14, 14, "", 0, 0, Checked},
    Design{"RadioButton8", Kind::Radio, "GroupBox2", 8, 64, 14, 14, "", 0, 0, 0},
    Design{"RadioButton9", Kind::Radio, "GroupBox2", 8, 84, 14, 14, "", 0, 0, 0},
    Design{"CheckBox1", Kind::Check, "Panel1", 120, 264, 12, 12, "", 0, 0, Checked},
    Design{"CheckBox2", Kind::Check, "Panel1", 120, 282, 12, 12, "", 0, 0, 0},
    Design{"CheckBox3", Kind::Check, "Panel1", 120, 300, 12, 12, "", 0, 0, 0},
    // Score board
    Design{"GroupBox4", Kind::GroupBox, nullptr, 222, 228, 580, 197, "", 0, kGreen,
           Hidden | Disabled},
    Design{"Image36", P, "GroupBox4", 0, 0, 580, 197, "", 0, 0, 0},
    Design{"Image37", P, "GroupBox4", 240, 158, 101, 30, "", 0, 0, 0},
    Design{"StringGrid1", Kind::Grid, "GroupBox4", 8, 4, 568, 150, "", 16, kWhite, Bold},
    // Rules viewer: VIEW RULES works at any moment, the score board's included, so the
    // rules lie over everything else
    Design{"Panel2", Kind::Panel, nullptr, 171, 177, 665, 364, "", 0, kGreen, Hidden},
    Design{"Image34", P, "Panel2", 0, 0, 665, 364, "", 0, 0, 0},
    Design{"Image29", P, "Panel2", 224, 331, 90, 30, "", 0, 0, 0},
    Design{"Image30", P, "Panel2", 320, 331, 90, 30, "", 0, 0, 0},
    Design{"Image28", P, "Panel2", 568, 331, 90, 30, "", 0, 0, 0},
    Design{"Memo1", Kind::Memo, "Panel2", 8, 8, 649, 321, "", 16, kYellow, 0},
};

struct ButtonDesign {
    const char* name;
    const char* caption;
    int width;
    int height;
};

constexpr std::array kButtons = {
    ButtonDesign{"ImageDeal", "DEAL", 101, 49},     ButtonDesign{"Image20", "START", 101, 49},
    ButtonDesign{"Image33", "VIEW RULES", 117, 30}, ButtonDesign{"Image28", "EXIT", 90, 30},
    ButtonDesign{"Image29", "PAGE DOWN", 90, 30},   ButtonDesign{"Image30", "PAGE UP", 90, 30},
    ButtonDesign{"Image37", "CLOSE", 101, 30},
};

constexpr std::array<int, 12> kGridColumnWidths = {123, 38, 38, 38, 38, 38, 38, 38, 38, 38, 41, 50};

QFont DesignFont(const Design& design, int windowPixels) {
    QFont font(QString::fromLatin1((design.flags & Calibri) ? "Calibri" : "MS Sans Serif"));
    font.setPixelSize(design.fontPixels > 0 ? design.fontPixels : windowPixels);
    font.setBold((design.flags & Bold) != 0);
    return font;
}

void SetFill(QWidget* widget, QPalette::ColorRole role, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, QColor::fromRgb(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* MakeLabel(const Design& design, QWidget* parent) {
    auto* label = new TextLabel(parent);
    label->setFont(DesignFont(design, 11));
    label->SetFontColour(QColor::fromRgb(design.colour));
    label->move(design.left, design.top);
    label->SetCaption(QString::fromUtf8(design.caption));
    return label;
}

QWidget* MakePicture(const Design& design, QWidget* parent) {
    auto* picture = new PictureBox(parent);
    picture->SetTransparent((design.flags & Transparent) != 0);
    picture->SetStretch((design.flags & Stretch) != 0);
    return picture;
}

QWidget* MakeCombo(const Design& design, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // Enter belongs to the box's own handler: typed text never becomes an item by itself.
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (design.colour != 0)
        SetFill(combo, QPalette::Base, design.colour);
    return combo;
}

QWidget* MakeMemo(const Design& design, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(DesignFont(design, 11));
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kGreen));
    palette.setColor(QPalette::Text, QColor::fromRgb(design.colour));
    memo->setPalette(palette);
    return memo;
}

// The grid draws no lines between its cells; only the header row is underlined.
class HeaderLineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.row() == 0) {
            painter->setPen(QColor::fromRgb(kBlack));
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        }
    }
};

constexpr int kGridRowHeight = 24; // six rows fit the grid's 150 pixels

QWidget* MakeGrid(const Design& design, QWidget* parent) {
    auto* grid = new QTableWidget(6, 12, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grid->setItemDelegate(new HeaderLineDelegate(grid));
    grid->setShowGrid(false);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setFont(DesignFont(design, 11));
    for (int column = 0; column < 12; ++column) {
        grid->setColumnWidth(column, kGridColumnWidths[column]);
    }
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kGreen));
    palette.setColor(QPalette::Text, QColor::fromRgb(design.colour));
    grid->setPalette(palette);
    return grid;
}

QWidget* MakeControl(const Design& design, QWidget* parent) {
    switch (design.kind) {
    case Kind::Picture:
        return MakePicture(design, parent);
    case Kind::Label:
        return MakeLabel(design, parent);
    case Kind::GroupBox: {
        auto* group = new QGroupBox(parent);
        SetFill(group, QPalette::Window, design.colour);
        return group;
    }
    case Kind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        SetFill(panel, QPalette::Window, design.colour);
        return panel;
    }
    case Kind::Radio: {
        auto* radio = new QRadioButton(parent);
        radio->setChecked((design.flags & Checked) != 0);
        return radio;
    }
    case Kind::Check: {
        auto* check = new QCheckBox(parent);
        check->setChecked((design.flags & Checked) != 0);
        return check;
    }
    case Kind::Combo:
        return MakeCombo(design, parent);
    case Kind::Memo:
        return MakeMemo(design, parent);
    case Kind::Grid:
        return MakeGrid(design, parent);
    }
    return nullptr;
}

} // namespace

void TForm1::CreateControls() {
    for (const Design& design : kDesign) {
        QWidget* parent = design.parent ? controls_.value(QString::fromLatin1(design.parent))
                                        : static_cast<QWidget*>(this);
        QWidget* control = MakeControl(design, parent);
        const QString name = QString::fromLatin1(design.name);
        control->setObjectName(name);
        if (design.kind != Kind::Label) {
            control->setGeometry(design.left, design.top, design.width, design.height);
        }
        if (design.flags & Hidden)
            control->hide();
        if (design.flags & Disabled)
            control->setEnabled(false);
        controls_.insert(name, control);
    }
    for (int slot = 1; slot <= 19; ++slot) {
        handSlots_[slot] = Picture(QStringLiteral("Image%1").arg(slot));
    }
    PaintDesignPictures();
}

// The pictures stored with the design: buttons, arrows, suit markers, design thumbnails.
void TForm1::PaintDesignPictures() {
    for (const ButtonDesign& button : kButtons) {
        Picture(QString::fromLatin1(button.name))
            ->SetPicture(
                ButtonPicture(QString::fromLatin1(button.caption), button.width, button.height));
    }
    for (int kind = 1; kind <= 4; ++kind) {
        Picture(QStringLiteral("Image%1").arg(80 + kind))->SetPicture(TurnArrowPicture(kind));
    }
    for (int suit = 0; suit < 4; ++suit) {
        Picture(QStringLiteral("Image%1").arg(71 + suit))->SetPicture(SuitMarkerPicture(suit));
    }
    DrawDesignThumbnails(PatternsSheet());
}

QWidget* TForm1::Control(const QString& name) const {
    return controls_.value(name);
}

PictureBox* TForm1::Picture(const QString& name) const {
    return qobject_cast<PictureBox*>(Control(name));
}

TextLabel* TForm1::Label(const QString& name) const {
    return qobject_cast<TextLabel*>(Control(name));
}

QRadioButton* TForm1::Radio(const QString& name) const {
    return qobject_cast<QRadioButton*>(Control(name));
}

QCheckBox* TForm1::Check(const QString& name) const {
    return qobject_cast<QCheckBox*>(Control(name));
}

QComboBox* TForm1::Combo(const QString& name) const {
    return qobject_cast<QComboBox*>(Control(name));
}

QPlainTextEdit* TForm1::Memo1() const {
    return qobject_cast<QPlainTextEdit*>(Control(QStringLiteral("Memo1")));
}

QTableWidget* TForm1::StringGrid1() const {
    return qobject_cast<QTableWidget*>(Control(QStringLiteral("StringGrid1")));
}

PictureBox* TForm1::HandSlot(int slot) const {
    return slot >= 1 && slot <= 19 ? handSlots_[slot] : nullptr;
}

PictureBox* TForm1::SeatPicture(int seat) const {
    switch (seat) {
    case 2:
        return Picture(QStringLiteral("Image21"));
    case 3:
        return Picture(QStringLiteral("Image31"));
    case 4:
        return Picture(QStringLiteral("Image41"));
    case 5:
        return Picture(QStringLiteral("Image35"));
    default:
        return nullptr;
    }
}

void TForm1::OnKeyDown(const QString& comboName, std::function<void(int)> handler) {
    QComboBox* combo = Combo(comboName);
    combo->installEventFilter(this);
    keyDownHandlers_.insert(combo, handler);
    if (QLineEdit* edit = combo->lineEdit()) {
        edit->installEventFilter(this);
        keyDownHandlers_.insert(edit, handler);
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && keyDownHandlers_.contains(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const auto handler = keyDownHandlers_.value(watched);
            Guarded([&] { handler(13); });
            return true;
        }
    }
    if (KeyFilter(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

namespace {

struct CaptionClick {
    const char* label;
    const char* radio;
};

constexpr std::array kCaptionClicks = {
    CaptionClick{"Label10", "RadioButton1"},  CaptionClick{"Label13", "RadioButton2"},
    CaptionClick{"Label15", "RadioButton3"},  CaptionClick{"Label16", "RadioButton4"},
    CaptionClick{"Label17", "RadioButton5"},  CaptionClick{"Label18", "RadioButton6"},
    CaptionClick{"Label19", "RadioButton7"},  CaptionClick{"Label20", "RadioButton8"},
    CaptionClick{"Label31", "RadioButton9"},  CaptionClick{"Label33", "RadioButton10"},
    CaptionClick{"Label34", "RadioButton11"}, CaptionClick{"Label35", "RadioButton12"},
};

struct DesignPicture {
    const char* picture;
    int design;
};

constexpr std::array kDesignPictures = {
    DesignPicture{"Image24", 1},
    DesignPicture{"Image25", 3},
    DesignPicture{"Image26", 2},
    DesignPicture{"Image27", 4},
};

} // namespace

void TForm1::ConnectHandlers() {
    for (const CaptionClick& click : kCaptionClicks) {
        QRadioButton* radio = Radio(QString::fromLatin1(click.radio));
        On(QString::fromLatin1(click.label), &TextLabel::clicked,
           [radio] { radio->setChecked(true); });
    }
    for (const DesignPicture& picture : kDesignPictures) {
        const int design = picture.design;
        On(QString::fromLatin1(picture.picture), &PictureBox::clicked,
           [this, design] { DesignClick(design); });
    }
    On(QStringLiteral("ComboBox1"), &QComboBox::activated,
       [this](int index) { ComboBox1Change(index); });
    OnKeyDown(QStringLiteral("ComboBox1"), [this](int key) { ComboBox1KeyDown(key); });
    OnKeyDown(QStringLiteral("ComboBox2"), [this](int key) { ComboBox2KeyDown(key); });
    On(QStringLiteral("Image20"), &PictureBox::clicked, [this] { Image20Click(); });
    On(QStringLiteral("Image33"), &PictureBox::clicked, [this] { Image33Click(); });
    On(QStringLiteral("Image29"), &PictureBox::clicked, [this] { Image29Click(); });
    On(QStringLiteral("Image30"), &PictureBox::clicked, [this] { Image30Click(); });
    On(QStringLiteral("Image28"), &PictureBox::clicked, [this] { Image28Click(); });
    SetUpKeyboard();
    NameControls();
}
