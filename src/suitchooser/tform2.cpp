// SPDX-License-Identifier: GPL-3.0-or-later
#include "suitchooser/tform2.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QTimer>

#include "art/window_art.h"
#include "suitchooser/window_controls.h"

namespace {

constexpr int kSuitTop = 4;
constexpr std::array<int, 4> kSuitLeft = {3, 61, 119, 177};
constexpr int kSuitSize = 55;
// Closing through a suit ends the modal showing with "cancel", as the table does not read it.
constexpr int kSuitResult = 2;

constexpr std::array<const char*, 4> kSuitNames = {"diamonds", "clubs", "hearts", "spades"};
constexpr std::array<const char*, 4> kSuitKeys = {"1 or D", "2 or C", "3 or H", "4 or S"};
constexpr int kRingMargin = 3; // the gaps between the suits are three pixels

// The suit a key names, or -1.
int SuitOfKey(int key) {
    switch (key) {
    case Qt::Key_1:
    case Qt::Key_D:
        return 0;
    case Qt::Key_2:
    case Qt::Key_C:
        return 1;
    case Qt::Key_3:
    case Qt::Key_H:
        return 2;
    case Qt::Key_4:
    case Qt::Key_S:
        return 3;
    default:
        return -1;
    }
}

// The chooser as a screen reader meets it: a dialog whose suit under the keys, not the dialog
// itself, is the focused object.
class ChooserDialog : public QAccessibleWidget {
  public:
    explicit ChooserDialog(QWidget* chooser) : QAccessibleWidget(chooser, QAccessible::Dialog) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (state.focused && PassesKeysToAPicture(widget()))
            state.focused = false;
        return state;
    }
};

QAccessibleInterface* ChooserInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("TForm2") && object != nullptr && object->isWidgetType())
        return new ChooserDialog(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

TForm2::TForm2(Engine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), engine_(engine) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ChooserInterface);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Choose Suit"));
    setFixedSize(kWidth, kHeight);
    setModal(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(palette);

    image1_ = new PictureBox(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(0, 0, kWidth, kHeight);
    image1_->SetStretch(true);

    for (int suit = 0; suit < 4; ++suit)
        CreateSuitPicture(suit);

    label1_ = new TextLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(QStringLiteral("Comic Sans MS"));
    labelFont.setPixelSize(16);
    label1_->setFont(labelFont);
    label1_->SetFontColour(Qt::white);
    label1_->move(48, 62);
    label1_->SetCaption(QStringLiteral("Click to Select Suit."));

    ring_ = new FocusRing(this, kRingMargin);
    setAccessibleName(QStringLiteral("Choose Suit"));
    setAccessibleDescription(
        QStringLiteral("Name the suit to follow: 1 to 4 or D, C, H, S; Left, Right and Enter"));
}

void TForm2::CreateSuitPicture(int suit) {
    auto* picture = new PictureBox(this);
    picture->setObjectName(QStringLiteral("Image%1").arg(71 + suit));
    picture->setGeometry(kSuitLeft[suit], kSuitTop, kSuitSize, kSuitSize);
    picture->SetTransparent(true);
    // The heart is drawn larger than its control; it is shown unscaled and cut at the edges.
    picture->SetPicture(SuitMarkerPicture(suit, devicePixelRatioF()));
    picture->SetAccessibleRole(QAccessible::Button);
    picture->setAccessibleName(QString::fromLatin1(kSuitNames[suit]));
    picture->setAccessibleDescription(QStringLiteral("key %1").arg(kSuitKeys[suit]));
    suits_[suit] = picture;
    connect(picture, &PictureBox::clicked, this, [this, suit] { SuitClick(suit); });
}

int TForm2::ShowModal() {
    chosen_ = -1;
    keyFocus_ = 0;
    ring_->hide();
    if (keyFocusShown_)
        ShowKeyFocus();
    // Once the chooser is up, a screen reader hears that the keys stand on its first suit; the
    // outline shows only to a player who came by keys.
    QTimer::singleShot(0, this, [this] {
        for (int suit = 0; suit < 4; ++suit)
            suits_[suit]->SetKeyFocus(suit == keyFocus_);
    });
    exec();
    for (PictureBox* suit : suits_)
        suit->SetKeyFocus(false);
    return chosen_;
}

void TForm2::PressSuit(int suit) {
    if (suit >= 0 && suit < 4)
        emit suits_[suit]->clicked();
}

void TForm2::ShowKeyFocus() {
    keyFocusShown_ = true;
    ring_->Surround(suits_[keyFocus_]);
    for (int suit = 0; suit < 4; ++suit)
        suits_[suit]->SetKeyFocus(suit == keyFocus_);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int named = SuitOfKey(key);
    if (named >= 0) {
        PressSuit(named);
        return;
    }
    switch (key) {
    case Qt::Key_Left:
        keyFocus_ = std::max(keyFocus_ - 1, 0);
        ShowKeyFocus();
        return;
    case Qt::Key_Right:
        keyFocus_ = std::min(keyFocus_ + 1, 3);
        ShowKeyFocus();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PressSuit(keyFocus_);
        return;
    default:
        // Escape closes without a suit, as the close key does.
        QDialog::keyPressEvent(event);
    }
}

void TForm2::FormActivate() {
    move(engine_.SuitChooserLeft, engine_.SuitChooserTop);
}

void TForm2::SuitClick(int suit) {
    engine_.ActiveSuit = suit;
    chosen_ = suit;
    done(kSuitResult);
}

bool TForm2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TForm2::showEvent(QShowEvent* event) {
    // Placed before it appears as well, so it never flashes at its old place.
    FormActivate();
    QDialog::showEvent(event);
}
