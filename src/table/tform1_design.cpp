// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "table/table_accessibles.h"
#include "table/tform1.h"

namespace {

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

// One row of the design (tform1_design.h).
struct Design {
    const char* name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    const char* caption;
    int fontPixels;
    QRgb colour;
    unsigned flags;
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
        // The keys may walk the cells for a screen reader; the grid shows no cell as current.
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
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
    case ControlKind::Picture:
        return MakePicture(design, parent);
    case ControlKind::Label:
        return MakeLabel(design, parent);
    case ControlKind::GroupBox: {
        auto* group = new PaneGroupBox(parent);
        SetFill(group, QPalette::Window, design.colour);
        return group;
    }
    case ControlKind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        SetFill(panel, QPalette::Window, design.colour);
        return panel;
    }
    case ControlKind::Radio: {
        auto* radio = new QRadioButton(parent);
        radio->setChecked((design.flags & Checked) != 0);
        return radio;
    }
    case ControlKind::Check: {
        auto* check = new QCheckBox(parent);
        check->setChecked((design.flags & Checked) != 0);
        return check;
    }
    case ControlKind::Combo:
        return MakeCombo(design, parent);
    case ControlKind::Memo:
        return MakeMemo(design, parent);
    case ControlKind::Grid:
        return MakeGrid(design, parent);
    }
    return nullptr;
}

} // namespace

namespace {

// Makes one control of the design and gives it its name, place and state; the window hears
// its keys and presses first.
QWidget* CreateControl(const Design& design, QWidget* parent, QObject* filter) {
    QWidget* control = MakeControl(design, parent);
    control->setObjectName(QString::fromLatin1(design.name));
    if (design.kind != ControlKind::Label)
        control->setGeometry(design.left, design.top, design.width, design.height);
    control->installEventFilter(filter);
    return control;
}

// Hiding or disabling a control tells a screen reader about it, which fixes how it is read:
// that waits until every control is made and marked.
void ApplyStartState(QWidget* control, unsigned flags) {
    if (flags & Hidden)
        control->hide();
    if (flags & Disabled)
        control->setEnabled(false);
}

} // namespace

void TForm1::CreateControls() {
    // Each control is made as its row asks and lands in the member of its own name and class.
#define TFORM1_CREATE_CONTROL(name, kind, parent, left, top, width, height, caption, font, colour, \
                              flags)                                                               \
    name = static_cast<ControlOf<ControlKind::kind>*>(CreateControl(                               \
        Design{#name, ControlKind::kind, left, top, width, height, caption, font, colour, flags},  \
        parent, this));
    TFORM1_DESIGN(TFORM1_CREATE_CONTROL)
#undef TFORM1_CREATE_CONTROL
    LayOutForScreenReaders();
#define TFORM1_START_STATE(name, kind, parent, left, top, width, height, caption, font, colour,    \
                           flags)                                                                  \
    ApplyStartState(name, flags);
    TFORM1_DESIGN(TFORM1_START_STATE)
#undef TFORM1_START_STATE
    handSlots_ = {nullptr, Image1,  Image2,  Image3,  Image4,  Image5,  Image6,
                  Image7,  Image8,  Image9,  Image10, Image11, Image12, Image13,
                  Image14, Image15, Image16, Image17, Image18, Image19};
    PaintDesignPictures();
}

// The pictures stored with the design: buttons, arrows, suit markers, design thumbnails, all
// painted for the window's resolution.
void TForm1::PaintDesignPictures() {
    const qreal ratio = devicePixelRatioF();
    const std::array<PictureBox*, 7> buttons = {ImageDeal, Image20, Image33, Image28,
                                                Image29,   Image30, Image37};
    static_assert(buttons.size() == kButtons.size());
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const ButtonDesign& button = kButtons[i];
        buttons[i]->SetPicture(
            ButtonPicture(QString::fromLatin1(button.caption), button.width, button.height, ratio));
    }
    for (int kind = 1; kind <= 4; ++kind)
        TurnArrows()[kind - 1]->SetPicture(TurnArrowPicture(kind, ratio));
    for (int suit = 0; suit < 4; ++suit)
        SuitMarkers()[suit]->SetPicture(SuitMarkerPicture(suit, ratio));
    // On a scaled screen the thumbnails wait for the start-up's sheet, drawn for the screen
    // already: painting a larger sheet of backs here would cost the start-up more than the
    // whole table does.
    if (ratio == 1.0)
        DrawDesignThumbnails(PatternsSheet());
}

PictureBox* TForm1::HandSlot(int slot) const {
    return slot >= 1 && slot <= kHandLimit ? handSlots_[slot] : nullptr;
}

PictureBox* TForm1::SeatPicture(int seat) const {
    switch (seat) {
    case 2:
        return Image21;
    case 3:
        return Image31;
    case 4:
        return Image41;
    case 5:
        return Image35;
    default:
        return nullptr;
    }
}

std::array<PictureBox*, 4> TForm1::TurnArrows() const {
    return {Image81, Image82, Image83, Image84};
}

std::array<PictureBox*, 4> TForm1::SuitMarkers() const {
    return {Image71, Image72, Image73, Image74};
}

std::array<QRadioButton*, 4> TForm1::DealRadios() const {
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
}

std::array<QRadioButton*, 5> TForm1::TargetRadios() const {
    return {RadioButton5, RadioButton6, RadioButton7, RadioButton8, RadioButton9};
}

std::array<QRadioButton*, 3> TForm1::PlayerRadios() const {
    return {RadioButton10, RadioButton11, RadioButton12};
}

PictureBox* TForm1::DesignPicture(int design) const {
    switch (design) {
    case 1:
        return Image24;
    case 2:
        return Image26;
    case 3:
        return Image25;
    case 4:
        return Image27;
    default:
        return nullptr;
    }
}

std::array<TextLabel*, 6> TForm1::SeatLabels() const {
    return {nullptr, Label1, Label2, Label3, Label4, Label29};
}

std::array<PictureBox*, 4> TForm1::StockPictures() const {
    return {Image53, Image52, Image51, Image50};
}

std::array<PictureBox*, 4> TForm1::DiscardEdges() const {
    return {Image38, Image39, Image40, Image42};
}

void TForm1::OnKeyDown(QComboBox* combo, std::function<void(int)> handler) {
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
            RunEvent([&] { handler(13); });
            return true;
        }
    }
    if (KeyFilter(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TForm1::ConnectHandlers() {
    // A click on a radio button's caption ticks the button.
    const std::array<std::pair<TextLabel*, QRadioButton*>, 12> captions = {{
        {Label10, RadioButton1},
        {Label13, RadioButton2},
        {Label15, RadioButton3},
        {Label16, RadioButton4},
        {Label17, RadioButton5},
        {Label18, RadioButton6},
        {Label19, RadioButton7},
        {Label20, RadioButton8},
        {Label31, RadioButton9},
        {Label33, RadioButton10},
        {Label34, RadioButton11},
        {Label35, RadioButton12},
    }};
    for (const auto& [caption, radio] : captions)
        On(caption, &TextLabel::clicked, [radio] { radio->setChecked(true); });
    for (int design = 1; design <= 4; ++design)
        On(DesignPicture(design), &PictureBox::clicked, [this, design] { DesignClick(design); });
    On(ComboBox1, &QComboBox::activated, [this](int index) { ComboBox1Change(index); });
    OnKeyDown(ComboBox1, [this](int key) { ComboBox1KeyDown(key); });
    OnKeyDown(ComboBox2, [this](int key) { ComboBox2KeyDown(key); });
    On(Image20, &PictureBox::clicked, [this] { Image20Click(); });
    On(Image33, &PictureBox::clicked, [this] { Image33Click(); });
    On(Image29, &PictureBox::clicked, [this] { Image29Click(); });
    On(Image30, &PictureBox::clicked, [this] { Image30Click(); });
    On(Image28, &PictureBox::clicked, [this] { Image28Click(); });
    SetUpKeyboard();
    NameControls();
}
