// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace {

struct JokerColours {
    QColor motley;  // hat points, sleeves
    QColor second;  // the other half of the motley
    QColor letters; // the corner lettering
};

// Four jokers, told apart by their motley.
JokerColours ColoursOf(int joker) {
    static const std::array<JokerColours, 4> colours = {{
        {QColor(SuitRed), QColor(CourtGold), QColor(SuitRed)},
        {QColor(SuitBlack), QColor(CourtGold), QColor(SuitBlack)},
        {QColor(SuitRed), QColor(CourtBlue), QColor(SuitRed)},
        {QColor(SuitBlack), QColor(SuitRed), QColor(SuitBlack)},
    }};
    return colours[joker];
}

QPen Ink(double width = 0.8) {
    return QPen(QColor(InkOutline), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintCornerWord(QPainter& painter, const QColor& colour) {
    const QString word = "JOKER";
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(CardWidth / 2.0, CardHeight / 2.0);
            painter.rotate(180);
            painter.translate(-CardWidth / 2.0, -CardHeight / 2.0);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (int i = 0; i < word.size(); ++i) {
            const QRectF box(3, 4 + 8.2 * i, 6.5, 6.6);
            painter.drawPath(LetteringPath(word.mid(i, 1), box, "DejaVu Sans"));
        }
        painter.setBrush(QColor(CourtGold));
        painter.setPen(Ink(0.4));
        painter.drawPath(SuitPath(0, QRectF(3, 46, 6.5, 7)));
        painter.restore();
    }
}

void PaintMotleyBody(QPainter& painter, const JokerColours& colours) {
    QPainterPath body;
    body.moveTo(18, 90);
    body.cubicTo(18, 74, 24, 66, 36.5, 65);
    body.cubicTo(49, 66, 55, 74, 55, 90);
    body.closeSubpath();
    painter.save();
    painter.setClipPath(body);
    // Harlequin lozenges in the two motley colours.
    for (int row = 0; row < 4; ++row) {
        for (int column = -1; column < 7; ++column) {
            const double cx = 17 + column * 7.0 + (row % 2) * 3.5;
            const double cy = 66 + row * 7.0;
            QPainterPath lozenge;
            lozenge.moveTo(cx, cy - 3.5);
            lozenge.lineTo(cx + 3.5, cy);
            lozenge.lineTo(cx, cy + 3.5);
            lozenge.lineTo(cx - 3.5, cy);
            lozenge.closeSubpath();
            painter.setPen(Qt::NoPen);
            painter.setBrush((row + column) % 2 == 0 ? colours.motley : colours.second);
            painter.drawPath(lozenge);
        }
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Ink());
    painter.drawPath(body);
}

void PaintRuff(QPainter& painter) {
    // A frilled collar: a row of small overlapping rounds along the neck.
    painter.setPen(Ink(0.5));
    painter.setBrush(QColor(244, 242, 236));
    for (int i = 0; i < 7; ++i) {
        const double x = 24.5 + 4 * i;
        const double y = 63.5 - 2.2 * std::sin(M_PI * i / 6.0);
        painter.drawEllipse(QPointF(x, y), 3.4, 3.0);
    }
}

void PaintFace(QPainter& painter) {
    painter.setPen(Ink());
    painter.setBrush(QColor(Skin));
    painter.drawEllipse(QPointF(36.5, 50), 8.5, 9.5);
    // Rosy cheeks, wide grin, merry eyes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 150, 140));
    painter.drawEllipse(QPointF(31.3, 52.5), 1.8, 1.3);
    painter.drawEllipse(QPointF(41.7, 52.5), 1.8, 1.3);
    painter.setPen(Ink(0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(30.5, 45.5, 4, 3), 20 * 16, 140 * 16);
    painter.drawArc(QRectF(38.5, 45.5, 4, 3), 20 * 16, 140 * 16);
    QPainterPath grin;
    grin.moveTo(31.5, 53.5);
    grin.quadTo(36.5, 59.5, 41.5, 53.5);
    grin.quadTo(36.5, 56, 31.5, 53.5);
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(SuitRed));
    painter.drawPath(grin);
    painter.setPen(Ink(0.7));
    painter.drawLine(QPointF(36.5, 49.5), QPointF(35.6, 51.5));
}

void PaintHat(QPainter& painter, const JokerColours& colours) {
    // Three floppy points, each ending in a bell.
    struct HatPoint {
        QPointF tip;
        QPointF bend;
        QColor colour;
    };
    const std::array<HatPoint, 3> points = {{
        {QPointF(17.5, 37), QPointF(17, 18), colours.motley},
        {QPointF(36.5, 10.5), QPointF(36.5, 22), colours.second},
        {QPointF(55.5, 37), QPointF(56, 18), colours.motley},
    }};
    const std::array<double, 3> baseLeft = {27, 32, 41};
    const std::array<double, 3> baseRight = {32, 41, 46};
    painter.setPen(Ink(0.7));
    for (int i = 0; i < 3; ++i) {
        QPainterPath point;
        point.moveTo(baseLeft[i], 43);
        point.quadTo(points[i].bend, points[i].tip);
        point.quadTo(points[i].bend + QPointF(i == 0 ? 8 : (i == 2 ? -8 : 0), i == 1 ? 0 : 6),
                     QPointF(baseRight[i], 43));
        point.closeSubpath();
        painter.setBrush(points[i].colour);
        painter.drawPath(point);
    }
    painter.setBrush(QColor(CourtGold));
    for (const HatPoint& point : points) {
        painter.drawEllipse(point.tip, 2.3, 2.3);
    }
    // The band across the brow.
    painter.setBrush(colours.second);
    painter.drawRoundedRect(QRectF(26.5, 40, 20, 4.2), 2, 2);
}

} // namespace

void PaintJokerFace(QPainter& painter, int suit) {
    const JokerColours colours = ColoursOf(suit);
    PaintCornerWord(painter, colours.letters);
    PaintMotleyBody(painter, colours);
    PaintRuff(painter);
    PaintFace(painter);
    PaintHat(painter, colours);
}
