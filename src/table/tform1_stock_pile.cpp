// SPDX-License-Identifier: GPL-3.0-or-later
// The stock pile: up to four stacked backs of the chosen design, and its top card, which also
// carries the deal and every draw to the seats and turns the first discard over.
#include "suitchooser/window_controls.h"
#include "table/device_sheets.h"
#include "table/flow/turn_flow.h"
#include "table/pacer.h"
#include "table/tform1.h"

namespace {

constexpr QPoint kStockTop(428, 250);

} // namespace

// How many backs show is the turn flow's rule; the window paints them.
void TForm1::ShowStockBacks(int backs) {
    for (PictureBox* picture : StockPictures())
        picture->hide();
    const QPoint cell = DesignCell(engine_.CardDesign);
    QImage back;
    if (!patternsDevice_.isNull()) {
        const qreal ratio = patternsDevice_.devicePixelRatio();
        back = patternsDevice_.copy(CardSheetRect(
            QRect(kCardWidth * cell.x(), kCardHeight * cell.y(), kCardWidth, kCardHeight), ratio));
        back.setDevicePixelRatio(ratio);
    }
    for (int j = std::min(backs, 4); j >= 1; --j) {
        PictureBox* picture = StockPictures()[j - 1];
        picture->SetPicture(back);
        picture->show();
    }
}

// Each seat's cards leave the stock along their own line; seat 4's line depends on whether it
// sits at the side (four players) or at the top (five).
void TForm1::MoveStockCard(int seat, int step) {
    QPoint delta;
    switch (seat) {
    case 1:
        delta = {8, 41};
        break;
    case 2:
        delta = {-48, -3};
        break;
    case 3:
        delta = {(engine_.Seat3HandLeft - 428) / 6, -37};
        break;
    case 4:
        delta = {(engine_.Seat4HandLeft - 416) / 6,
                 engine_.PlayerCount == 4 ? (250 - engine_.Seat4HandTop) / 6 : -37};
        break;
    case 5:
        delta = {64, -3};
        break;
    default:
        break;
    }
    QWidget* card = Image53;
    card->move(kStockTop + step * delta);
    card->show();
}

void TForm1::FlipStockCard(int step) {
    QWidget* card = Image53;
    card->move(kStockTop.x() + 41 * step, kStockTop.y());
    card->show();
}

void TForm1::ReturnStockCard() {
    QWidget* card = Image53;
    card->move(kStockTop);
    card->show();
}

void TForm1::HideStockPile() {
    Label5->hide();
    for (PictureBox* picture : StockPictures())
        picture->hide();
}
