// SPDX-License-Identifier: GPL-3.0-or-later
// What the table says while a round runs: the draws and passes text beside the seat that acts,
// the turn arrow, the marker of a suit named after a wild card, and the reshuffle notice.
#include "suitchooser/window_controls.h"
#include "table/tform1.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kAqua = 0xFF00FFFF;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QPoint kSuitMarkerPlace(560, 192);

QRgb FaceColour(StatusColour colour) {
    switch (colour) {
    case StatusColour::Yellow:
        return kYellow;
    case StatusColour::White:
        return kWhite;
    default:
        return kAqua;
    }
}

} // namespace

// The text's black shadow lies one pixel right of and below its face.
void TForm1::ShowStatusText(const std::string& text, LabelPlace place, StatusColour colour) {
    TextLabel* shadow = Label11;
    TextLabel* face = Label12;
    shadow->move(place.left + 1, place.top + 1);
    face->move(place.left, place.top);
    const QString caption = QString::fromStdString(text);
    shadow->SetCaption(caption);
    face->SetCaption(caption);
    shadow->SetFontColour(QColor::fromRgb(kBlack));
    face->SetFontColour(QColor::fromRgb(FaceColour(colour)));
    shadow->show();
    face->show();
    Announce(caption.simplified().toStdString());
}

void TForm1::HideStatusText() {
    Label11->hide();
    Label12->hide();
}

void TForm1::SetArrowVisible(int kind, bool visible) {
    if (kind >= 1 && kind <= 4)
        TurnArrows()[kind - 1]->setVisible(visible);
}

void TForm1::ShowTurnArrow(const MarkerPlace& place) {
    if (place.picture < 1 || place.picture > 4)
        return;
    TurnArrows()[place.picture - 1]->move(place.left, place.top);
    SetArrowVisible(place.picture, true);
}

void TForm1::ShowSuitMarker(int suit) {
    if (suit < 0 || suit > 3)
        return;
    QWidget* marker = SuitMarkers()[suit];
    marker->move(kSuitMarkerPlace);
    marker->setEnabled(true);
    marker->show();
}

void TForm1::HideSuitMarkers() {
    for (PictureBox* marker : SuitMarkers()) {
        marker->setEnabled(false);
        marker->hide();
    }
}

// The notice is centred on its own text, in the colour of the card sheet's notice pixel.
void TForm1::ShowNotice(const std::string& text) {
    TextLabel* notice = Label26;
    notice->move(notice->x(), 290);
    notice->SetCaption(QString::fromStdString(text));
    notice->move(kOuterWidth / 2 - notice->width() / 2, 290);
    notice->SetFontColour(QColor::fromRgb(noticeColor_));
    notice->setEnabled(true);
    notice->show();
    Announce(text);
}

void TForm1::HideNotice() {
    QWidget* notice = Label26;
    notice->hide();
    notice->setEnabled(false);
}
