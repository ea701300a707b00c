#include "suitchooser/tform2.h"

#include <QEvent>
#include <QFont>

#include "art/window_art.h"
#include "suitchooser/window_controls.h"

namespace {

constexpr int kSuitTop = 4;
constexpr std::array<int, 4> kSuitLeft = {3, 61, 119, 177};
constexpr int kSuitSize = 55;
// Closing through a suit ends the modal showing with "cancel", as the table does not read it.
constexpr int kSuitResult = 2;

} // namespace

TForm2::TForm2(Engine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), engine_(engine) {
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
}

void TForm2::CreateSuitPicture(int suit) {
    auto* picture = new PictureBox(this);
    picture->setObjectName(QStringLiteral("Image%1").arg(71 + suit));
    picture->setGeometry(kSuitLeft[suit], kSuitTop, kSuitSize, kSuitSize);
    picture->SetTransparent(true);
    // The heart is drawn larger than its control; it is shown unscaled and cut at the edges.
    picture->SetPicture(SuitMarkerPicture(suit));
    connect(picture, &PictureBox::clicked, this, [this, suit] { SuitClick(suit); });
}

int TForm2::ShowModal() {
    chosen_ = -1;
    exec();
    return chosen_;
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
