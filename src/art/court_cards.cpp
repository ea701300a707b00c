// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"

#include <QPainter>

#include <array>

namespace {

// The framed picture of a court card: x 14.5 .. 58.5, y 8.5 .. 89.5, cut in two at y 49.
const QRectF CourtPanel(14.5, 8.5, 44, 81);
constexpr double PanelMiddle = 49.0;
constexpr double FigureX = 37.5;

struct CourtDress {
    QColor robe;
    QColor trim;
};

// Each suit dresses its court differently, so that the two red and the two black suits differ
// at a glance as well as by their pips.
CourtDress DressOf(int suit) {
    static const std::array<CourtDress, 4> dresses = {{
        {QColor(SuitRed), QColor(CourtBlue)},
        {QColor(CourtBlue), QColor(SuitRed)},
        {QColor(SuitRed), QColor(SuitBlack)},
        {QColor(SuitBlack), QColor(SuitRed)},
    }};
    return dresses[suit];
}

QPen Ink(double width = 0.8) {
    return QPen(QColor(InkOutline), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Broad shoulders that fill the panel from side to side.
QPainterPath Shoulders() {
    QPainterPath path;
    path.moveTo(CourtPanel.left(), PanelMiddle + 1);
    path.lineTo(CourtPanel.left(), 43);
    path.cubicTo(CourtPanel.left(), 37.5, 22, 35.5, FigureX - 6, 33);
    path.lineTo(FigureX + 6, 33);
    path.cubicTo(53, 35.5, CourtPanel.right(), 37.5, CourtPanel.right(), 43);
    path.lineTo(CourtPanel.right(), PanelMiddle + 1);
    path.closeSubpath();
    return path;
}

void PaintFace(QPainter& painter) {
    painter.setPen(Ink());
    painter.setBrush(QColor(Skin));
    painter.drawEllipse(QPointF(FigureX, 25.5), 5.8, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(InkOutline));
    painter.drawEllipse(QPointF(FigureX - 2.3, 24.6), 0.85, 0.95);
    painter.drawEllipse(QPointF(FigureX + 2.3, 24.6), 0.85, 0.95);
    painter.setPen(QPen(QColor(200, 130, 100), 0.7));
    painter.drawLine(QPointF(FigureX, 25.5), QPointF(FigureX - 0.6, 27.6));
    painter.setPen(QPen(QColor(SuitRed), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(FigureX - 1.4, 29.5), QPointF(FigureX + 1.4, 29.5));
}

// A jewelled band of dots down the middle of a robe.
void PaintRobeBand(QPainter& painter, const QColor& band, const QColor& dots) {
    painter.setPen(Ink(0.5));
    painter.setBrush(band);
    painter.drawRect(QRectF(FigureX - 3.5, 36.5, 7, 13.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dots);
    for (double y = 39; y < PanelMiddle; y += 4) {
        painter.drawEllipse(QPointF(FigureX, y), 1.1, 1.1);
    }
}

void PaintKingHalf(QPainter& painter, const CourtDress& dress) {
    painter.setPen(Ink());
    painter.setBrush(dress.robe);
    painter.drawPath(Shoulders());
    PaintRobeBand(painter, QColor(CourtGold), dress.trim);
    // Ermine collar.
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(246, 244, 236));
    painter.drawRoundedRect(QRectF(FigureX - 10, 32.5, 20, 5), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(InkOutline));
    for (double x = FigureX - 7.5; x <= FigureX + 7.5; x += 3.75) {
        painter.drawRect(QRectF(x - 0.45, 34.2, 0.9, 1.6));
    }
    // Hair behind the face, then the face, beard and moustache.
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(120, 78, 44));
    painter.drawRoundedRect(QRectF(FigureX - 7, 19, 14, 11), 3, 3);
    PaintFace(painter);
    QPainterPath beard;
    beard.moveTo(FigureX - 5.8, 26.5);
    beard.quadTo(FigureX - 5, 35.5, FigureX, 36.5);
    beard.quadTo(FigureX + 5, 35.5, FigureX + 5.8, 26.5);
    beard.quadTo(FigureX + 3, 31, FigureX + 1.5, 28.3);
    beard.lineTo(FigureX - 1.5, 28.3);
    beard.quadTo(FigureX - 3, 31, FigureX - 5.8, 26.5);
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(120, 78, 44));
    painter.drawPath(beard);
    painter.setPen(QPen(QColor(SuitRed), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(FigureX - 1.2, 30.3), QPointF(FigureX + 1.2, 30.3));
    // Crown with jewels.
    QPainterPath crown;
    crown.moveTo(FigureX - 7, 20.5);
    crown.lineTo(FigureX - 7.5, 11);
    crown.lineTo(FigureX - 3.8, 15.5);
    crown.lineTo(FigureX, 9.5);
    crown.lineTo(FigureX + 3.8, 15.5);
    crown.lineTo(FigureX + 7.5, 11);
    crown.lineTo(FigureX + 7, 20.5);
    crown.closeSubpath();
    painter.setPen(Ink(0.7));
    painter.setBrush(QColor(CourtGold));
    painter.drawPath(crown);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dress.trim);
    painter.drawEllipse(QPointF(FigureX, 18), 1.4, 1.4);
    painter.drawEllipse(QPointF(FigureX - 4.6, 18.2), 1.1, 1.1);
    painter.drawEllipse(QPointF(FigureX + 4.6, 18.2), 1.1, 1.1);
    // A sword held upright in front of the right shoulder.
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(206, 210, 220));
    QPainterPath blade;
    blade.moveTo(50, 46);
    blade.lineTo(50, 15);
    blade.lineTo(51.3, 12.5);
    blade.lineTo(52.6, 15);
    blade.lineTo(52.6, 46);
    blade.closeSubpath();
    painter.drawPath(blade);
    painter.setBrush(QColor(CourtGold));
    painter.drawRoundedRect(QRectF(47, 40, 8.6, 2.4), 1, 1);
    painter.setBrush(QColor(120, 78, 44));
    painter.drawRect(QRectF(50.2, 42.4, 2.2, 5));
}

void PaintQueenHalf(QPainter& painter, const CourtDress& dress) {
    // Long hair falling behind the shoulders.
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(196, 140, 52));
    painter.drawRoundedRect(QRectF(FigureX - 8.5, 18, 17, 20), 6, 6);

    painter.setPen(Ink());
    painter.setBrush(dress.robe);
    painter.drawPath(Shoulders());
    // A gold bodice with a stripe of the second colour.
    QPainterPath bodice;
    bodice.moveTo(FigureX - 7, 35);
    bodice.lineTo(FigureX + 7, 35);
    bodice.lineTo(FigureX + 5, PanelMiddle + 1);
    bodice.lineTo(FigureX - 5, PanelMiddle + 1);
    bodice.closeSubpath();
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(CourtGold));
    painter.drawPath(bodice);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dress.trim);
    painter.drawRect(QRectF(FigureX - 1, 36, 2, 14));
    // Lace collar.
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(246, 244, 236));
    painter.drawEllipse(QRectF(FigureX - 8, 32, 16, 5));

    PaintFace(painter);
    // Fringe and tiara.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 140, 52));
    painter.drawChord(QRectF(FigureX - 6, 18.2, 12, 8), 0, 180 * 16);
    QPainterPath tiara;
    tiara.moveTo(FigureX - 6, 20);
    tiara.lineTo(FigureX - 5, 14.5);
    tiara.lineTo(FigureX - 2.2, 17);
    tiara.lineTo(FigureX, 11.5);
    tiara.lineTo(FigureX + 2.2, 17);
    tiara.lineTo(FigureX + 5, 14.5);
    tiara.lineTo(FigureX + 6, 20);
    tiara.closeSubpath();
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(CourtGold));
    painter.drawPath(tiara);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dress.trim);
    painter.drawEllipse(QPointF(FigureX, 17), 1.1, 1.1);

    // A flower held up in the left hand.
    painter.setPen(QPen(QColor(40, 120, 40), 1.1));
    painter.drawLine(QPointF(24, 46), QPointF(22.5, 31));
    painter.setPen(Ink(0.5));
    painter.setBrush(QColor(Skin));
    painter.drawEllipse(QPointF(23.8, 42.5), 2.4, 2);
    painter.setBrush(dress.robe == QColor(SuitBlack) ? QColor(SuitRed) : dress.robe);
    for (int petal = 0; petal < 5; ++petal) {
        painter.save();
        painter.translate(22.5, 29);
        painter.rotate(72.0 * petal);
        painter.drawEllipse(QRectF(-1.4, -4.2, 2.8, 3.8));
        painter.restore();
    }
    painter.setBrush(QColor(CourtGold));
    painter.drawEllipse(QPointF(22.5, 29), 1.3, 1.3);
}

void PaintJackHalf(QPainter& painter, const CourtDress& dress) {
    // A gold tunic, puffed sleeves and a sash from the left shoulder to the right hip.
    painter.setPen(Ink());
    painter.setBrush(QColor(CourtGold));
    painter.drawPath(Shoulders());
    painter.setPen(Ink(0.6));
    painter.setBrush(dress.trim);
    painter.drawEllipse(QRectF(CourtPanel.left() - 2, 37, 8, 13));
    painter.drawEllipse(QRectF(CourtPanel.right() - 6, 37, 8, 13));
    QPainterPath sash;
    sash.moveTo(FigureX - 12, 38);
    sash.lineTo(FigureX - 8, 34.5);
    sash.lineTo(FigureX + 14.5, PanelMiddle + 1);
    sash.lineTo(FigureX + 8.5, PanelMiddle + 1);
    sash.closeSubpath();
    painter.setBrush(dress.robe);
    painter.drawPath(sash);
    painter.setBrush(dress.trim);
    painter.drawRoundedRect(QRectF(FigureX - 5.5, 32.3, 11, 3.6), 1.8, 1.8);

    // Hair, face and a feathered cap.
    painter.setBrush(QColor(110, 64, 30));
    painter.drawRoundedRect(QRectF(FigureX - 7, 19, 14, 12), 4.5, 4.5);
    PaintFace(painter);
    painter.setPen(Ink(0.5));
    painter.setBrush(dress.robe);
    painter.drawChord(QRectF(FigureX - 8, 12.5, 16, 12.5), 0, 180 * 16);
    painter.setBrush(QColor(CourtGold));
    painter.drawRect(QRectF(FigureX - 7.6, 17.5, 15.2, 2));
    // A plume sweeping up from the cap's brim.
    QPainterPath feather;
    feather.moveTo(FigureX + 4, 17);
    feather.cubicTo(FigureX + 7, 10, FigureX + 13, 8.5, FigureX + 18, 10.5);
    feather.cubicTo(FigureX + 13, 12, FigureX + 10, 14, FigureX + 7.5, 18);
    feather.closeSubpath();
    painter.setBrush(dress.trim);
    painter.drawPath(feather);

    // A halberd held on the left.
    painter.setPen(Ink(0.5));
    painter.setBrush(QColor(150, 96, 44));
    painter.drawRect(QRectF(21, 27, 2, 21));
    QPainterPath head;
    head.moveTo(22, 20.5);
    head.lineTo(24.4, 27);
    head.lineTo(19.6, 27);
    head.closeSubpath();
    painter.setBrush(QColor(206, 210, 220));
    painter.drawPath(head);
    painter.setBrush(QColor(Skin));
    painter.drawEllipse(QPointF(22, 44.5), 2.6, 2.1);
}

void PaintCourtHalf(QPainter& painter, int rank, int suit) {
    painter.save();
    painter.setClipRect(QRectF(CourtPanel.left(), CourtPanel.top(), CourtPanel.width(),
                               PanelMiddle - CourtPanel.top()));
    const CourtDress dress = DressOf(suit);
    if (rank == 10) {
        PaintJackHalf(painter, dress);
    } else if (rank == 11) {
        PaintQueenHalf(painter, dress);
    } else {
        PaintKingHalf(painter, dress);
    }
    PaintPip(painter, suit, QRectF(16.5, 10.5, 6.5, 7.5));
    painter.restore();
}

} // namespace

void PaintCourtPanel(QPainter& painter, int rank, int suit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(CourtCream));
    painter.drawRect(CourtPanel);
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(CardWidth / 2.0, PanelMiddle);
            painter.rotate(180);
            painter.translate(-CardWidth / 2.0, -PanelMiddle);
        }
        PaintCourtHalf(painter, rank, suit);
        painter.restore();
    }
    painter.setPen(QPen(QColor(CourtGold), 1.0));
    painter.drawLine(QPointF(CourtPanel.left(), PanelMiddle),
                     QPointF(CourtPanel.right(), PanelMiddle));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(SuitColour(suit), 1.0));
    painter.drawRect(CourtPanel);
    painter.setPen(QPen(QColor(CourtGold), 0.8));
    painter.drawRect(CourtPanel.adjusted(1.6, 1.6, -1.6, -1.6));
}
