// SPDX-License-Identifier: GPL-3.0-or-later
// Cards on their way to the discard pile, the pile's top card and the edges of the cards
// beneath it, and where the pile stands at the deal, at the end of a round and between rounds.
#include "suitchooser/window_controls.h"
#include "table/device_sheets.h"
#include "table/tform1.h"

namespace {

constexpr QPoint kPileTop(552, 248);
constexpr int kEdgeWidth = 11;

constexpr int kNearestEdgeLeft = 542;
constexpr std::array<int, 4> kRaisedEdgeLefts = {592, 581, 570, 559};

// The left edge of the card about to be covered, darker toward its right.
QRgb DarkenedEdge(QRgb colour, int x) {
    const auto darken = [x](int value) { return value > 36 ? value - (x + 24) : value; };
    return qRgb(darken(qRed(colour)), darken(qGreen(colour)), darken(qBlue(colour)));
}

} // namespace

// The pile's faces are cut one pixel to the right of the card's cell; beyond the sheet's right
// edge (the joker's last column) the picture keeps what it had.
void TForm1::PaintFace(int card, PictureBox* picture) {
    const DecodedCard decoded = Engine::DecodeCard(card);
    if (!decoded.valid || picture == nullptr || deckDevice_.isNull())
        return;
    const qreal ratio = picture->devicePixelRatioF();
    if (picture->Picture().size() != DeviceSize(QSize(kCardWidth, kCardHeight), ratio))
        picture->NewSurface(kCardWidth, kCardHeight);
    QImage& canvas = picture->Canvas();
    const QRect from =
        CardSheetRect(QRect(decoded.RankIndex * kCardWidth + 1, decoded.SuitIndex * kCardHeight,
                            kCardWidth, kCardHeight),
                      deckDevice_.devicePixelRatio());
    for (int y = 0; y < std::min(canvas.height(), from.height()); ++y) {
        for (int x = 0; x < std::min(canvas.width(), from.width()); ++x) {
            if (deckDevice_.valid(from.x() + x, from.y() + y))
                canvas.setPixel(x, y, deckDevice_.pixel(from.x() + x, from.y() + y));
        }
    }
}

void TForm1::StartCardFlight(int card, int seat, int slot) {
    PaintFace(card, Image61);
    QPoint start;
    switch (seat) {
    case 1:
        start = slot >= 1 && slot <= 20
                    ? QPoint(engine_.HandCardLeft[slot], engine_.HandCardTop[slot])
                    : QPoint(476, kRestingHandTop);
        break;
    case 2:
        start = {124, 272};
        break;
    case 3:
        start = {engine_.Seat3HandLeft, 24};
        break;
    case 4:
        start = {engine_.Seat4HandLeft, engine_.Seat4HandTop};
        break;
    case 5:
        start = {802, 272};
        break;
    default:
        start = kPileTop;
        break;
    }
    flightStart_ = start;
    switch (seat) {
    case 2:
        flightStep_ = {71, -4};
        break;
    case 3:
        flightStep_ = {(kPileTop.x() - start.x()) / 6, 37};
        break;
    case 5:
        flightStep_ = {-41, -4};
        break;
    default: // the human's slot and seat 4 head straight for the pile; divisions truncate
        flightStep_ = {(kPileTop.x() - start.x()) / 6, (kPileTop.y() - start.y()) / 6};
        break;
    }
}

void TForm1::MoveCardFlight(int step, int pileDepth) {
    QWidget* card = Image61;
    card->move(step == 6 ? kPileTop : flightStart_ + step * flightStep_);
    if (step == 1)
        card->show();
    if (step != 5)
        return;
    // The edge strips from the one nearest the pile outwards.
    const std::array<PictureBox*, 4> strips = DiscardEdges();
    for (int i = 0; i < 4; ++i)
        if (pileDepth > i)
            strips[i]->show();
    if (pileDepth <= 0)
        return;
    // Every strip takes the picture of the one nearer the pile; the nearest takes the edge of
    // the top card that is about to be covered.
    // The darkening steps with the logical column, however many device pixels make one.
    std::array<QImage, 4> edges;
    const qreal ratio = strips[0]->devicePixelRatioF();
    const QSize edge = DeviceSize(QSize(kEdgeWidth, kCardHeight), ratio);
    edges[0] = QImage(edge, QImage::Format_RGB32);
    edges[0].setDevicePixelRatio(ratio);
    const QImage& top = Image60->Picture();
    for (int y = 0; y < edge.height(); ++y)
        for (int x = 0; x < edge.width(); ++x)
            edges[0].setPixel(
                x, y,
                top.valid(x, y) ? DarkenedEdge(top.pixel(x, y), static_cast<int>(x / ratio)) : 0);
    for (int i = 1; i < 4; ++i)
        edges[i] = strips[i - 1]->Picture();
    for (int i = 0; i < 4; ++i)
        if (!edges[i].isNull())
            strips[i]->SetPicture(edges[i]);
}

void TForm1::EndCardFlight() {
    Label11->hide();
    Label12->hide();
    Image61->hide();
}

void TForm1::ShowDiscardTop(int card) {
    PaintFace(card, Image60);
    Label6->show();
    discardTopCard_ = card;
}

void TForm1::ShowDiscardPictures() {
    Image60->show();
    Image61->show();
    Image38->move(kNearestEdgeLeft, kPileTop.y());
}

// At the end of a round the pile moves up out of the way of the revealed hands.
void TForm1::RaiseDiscardPile() {
    Label6->hide();
    Image60->move(602, 122);
    for (int i = 0; i < 4; ++i)
        DiscardEdges()[i]->move(kRaisedEdgeLefts[i], 122);
}

void TForm1::HideDiscardPictures() {
    Image60->hide();
    Image61->hide();
    for (PictureBox* edge : DiscardEdges())
        edge->hide();
}
