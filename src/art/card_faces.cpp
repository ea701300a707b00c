// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"

#include <QPainter>

#include <array>
#include <vector>

namespace {

struct PipPlace {
    int column; // 0 left, 1 middle, 2 right
    double row; // 0 top .. 1 bottom; pips below the middle stand on their heads
};

using PipLayout = std::vector<PipPlace>;

// The traditional arrangements for two to ten.
const std::array<PipLayout, 9>& NumberLayouts() {
    static const std::array<PipLayout, 9> layouts = {{
        {{1, 0}, {1, 1}},
        {{1, 0}, {1, 0.5}, {1, 1}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
        {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
        {{0, 0},
         {2, 0},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {1, 0.5},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {0, 1},
         {2, 1}},
        {{0, 0},
         {2, 0},
         {1, 1.0 / 6},
         {0, 1.0 / 3},
         {2, 1.0 / 3},
         {0, 2.0 / 3},
         {2, 2.0 / 3},
         {1, 5.0 / 6},
         {0, 1},
         {2, 1}},
    }};
    return layouts;
}

const std::array<QString, 13>& RankTexts() {
    static const std::array<QString, 13> texts = {"A", "2", "3",  "4", "5", "6", "7",
                                                  "8", "9", "10", "J", "Q", "K"};
    return texts;
}

void TurnHalfRound(QPainter& painter) {
    painter.translate(CardWidth / 2.0, CardHeight / 2.0);
    painter.rotate(180);
    painter.translate(-CardWidth / 2.0, -CardHeight / 2.0);
}

void PaintNumberPips(QPainter& painter, int rank, int suit) {
    constexpr std::array<double, 3> columnCentre = {23.5, 36.5, 49.5};
    constexpr double topRow = 17.5;
    constexpr double rowSpan = 63.0;
    constexpr double pipWidth = 12.0;
    constexpr double pipHeight = 13.5;
    for (const PipPlace& place : NumberLayouts()[rank - 1]) {
        const QPointF centre(columnCentre[place.column], topRow + place.row * rowSpan);
        const QRectF box(centre.x() - pipWidth / 2, centre.y() - pipHeight / 2, pipWidth,
                         pipHeight);
        PaintPip(painter, suit, box, place.row > 0.5);
    }
}

void PaintAce(QPainter& painter, int suit) {
    if (suit != 3) {
        PaintPip(painter, suit, QRectF(36.5 - 14, 49 - 15.5, 28, 31));
        return;
    }
    // The ace of spades gets the large ornamented pip.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(SuitBlack), 1.0));
    painter.drawEllipse(QPointF(36.5, 49), 22, 26);
    painter.setPen(QPen(QColor(SuitRed), 0.8));
    painter.drawEllipse(QPointF(36.5, 49), 19.5, 23.5);
    PaintPip(painter, suit, QRectF(36.5 - 16, 49 - 19, 32, 36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(CourtGold));
    painter.drawEllipse(QPointF(36.5, 44), 2.2, 2.2);
}

} // namespace

void PaintCornerIndex(QPainter& painter, const QString& rank, int suit) {
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            TurnHalfRound(painter);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(SuitColour(suit));
        const double width = rank.size() > 1 ? 11.0 : 8.0;
        painter.drawPath(LetteringPath(rank, QRectF(8 - width / 2, 3.5, width, 10), "DejaVu Sans"));
        PaintPip(painter, suit, QRectF(3.5, 16, 9, 10));
        painter.restore();
    }
}

QImage CardFace(int rank, int suit, int ratio) {
    QImage card = CardCanvas(CardWhite, ratio);
    {
        QPainter painter(&card);
        painter.setRenderHint(QPainter::Antialiasing);
        if (ratio != 1) {
            painter.scale(ratio, ratio);
        }
        if (rank == 13) {
            PaintJokerFace(painter, suit);
        } else {
            PaintCornerIndex(painter, RankTexts()[rank], suit);
            if (rank == 0) {
                PaintAce(painter, suit);
            } else if (rank <= 9) {
                PaintNumberPips(painter, rank, suit);
            } else {
                PaintCourtPanel(painter, rank, suit);
            }
        }
    }
    CutCardShape(card, ratio);
    return card;
}
