// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"

#include <QPainter>
#include <QTransform>

#include <cmath>
#include <vector>

namespace {

// Shapes are drawn in a unit square and then mapped onto the requested box.
QPainterPath UnitDiamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.70, 0.28, 0.92, 0.5);
    path.quadTo(0.70, 0.72, 0.5, 1.0);
    path.quadTo(0.30, 0.72, 0.08, 0.5);
    path.quadTo(0.30, 0.28, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath UnitHeart() {
    QPainterPath path;
    path.moveTo(0.5, 1.0);
    path.cubicTo(0.36, 0.80, 0.0, 0.62, 0.0, 0.30);
    path.cubicTo(0.0, 0.10, 0.14, 0.0, 0.28, 0.0);
    path.cubicTo(0.40, 0.0, 0.48, 0.08, 0.5, 0.20);
    path.cubicTo(0.52, 0.08, 0.60, 0.0, 0.72, 0.0);
    path.cubicTo(0.86, 0.0, 1.0, 0.10, 1.0, 0.30);
    path.cubicTo(1.0, 0.62, 0.64, 0.80, 0.5, 1.0);
    path.closeSubpath();
    return path;
}

// The flared foot shared by clubs and spades.
QPainterPath Stem() {
    QPainterPath stem;
    stem.moveTo(0.43, 0.60);
    stem.quadTo(0.43, 0.88, 0.22, 1.0);
    stem.lineTo(0.78, 1.0);
    stem.quadTo(0.57, 0.88, 0.57, 0.60);
    stem.closeSubpath();
    return stem;
}

QPainterPath Round(double x, double y, double rx, double ry) {
    QPainterPath round;
    round.addEllipse(QPointF(x, y), rx, ry);
    return round;
}

QPainterPath UnitSpadeBody() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.cubicTo(0.62, 0.18, 1.0, 0.34, 1.0, 0.58);
    path.cubicTo(1.0, 0.73, 0.89, 0.81, 0.76, 0.81);
    path.cubicTo(0.64, 0.81, 0.55, 0.74, 0.5, 0.64);
    path.cubicTo(0.45, 0.74, 0.36, 0.81, 0.24, 0.81);
    path.cubicTo(0.11, 0.81, 0.0, 0.73, 0.0, 0.58);
    path.cubicTo(0.0, 0.34, 0.38, 0.18, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

// The pieces a spade or a club is made of; a diamond or a heart is one piece.
std::vector<QPainterPath> UnitSuitParts(int suit) {
    const double r = 0.235;
    switch (suit) {
    case 0:
        return {UnitDiamond()};
    case 1:
        return {Round(0.5, 0.25, r, r), Round(0.245, 0.585, r, r), Round(0.755, 0.585, r, r),
                Round(0.5, 0.52, 0.14, 0.16), Stem()};
    case 2:
        return {UnitHeart()};
    default:
        return {UnitSpadeBody(), Stem()};
    }
}

// A true union: overlapping parts drawn in opposite directions would otherwise leave holes.
// The union turns curves into short lines at the parts' own scale.
QPainterPath United(const std::vector<QPainterPath>& parts) {
    QPainterPath whole = parts.front();
    for (size_t i = 1; i < parts.size(); ++i)
        whole = whole.united(parts[i]);
    return whole;
}

QPainterPath UnitSuit(int suit) {
    return United(UnitSuitParts(suit));
}

} // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(UnitSuit(suit));
}

QPainterPath LargeSuitPath(int suit, const QRectF& box) {
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    std::vector<QPainterPath> parts = UnitSuitParts(suit);
    for (QPainterPath& part : parts)
        part = toBox.map(part);
    return United(parts);
}

bool IsRedSuit(int suit) {
    return suit == 0 || suit == 2;
}

QColor SuitColour(int suit) {
    return QColor(IsRedSuit(suit) ? SuitRed : SuitBlack);
}

void PaintPip(QPainter& painter, int suit, const QRectF& box, bool upsideDown) {
    painter.save();
    if (upsideDown) {
        const QPointF centre = box.center();
        painter.translate(centre);
        painter.rotate(180);
        painter.translate(-centre);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    DrawSuitShape(painter, suit, box);
    painter.restore();
}

void DrawSuitShape(QPainter& painter, int suit, const QRectF& box) {
    const QTransform& toDevice = painter.deviceTransform();
    const double scale = std::sqrt(std::abs(toDevice.determinant()));
    if (std::abs(scale - 1) < 1e-6) {
        painter.drawPath(SuitPath(suit, box));
        return;
    }
    // Build the shape at its size on the device, then let the painter shrink it back: the same
    // outline lands on the same pixels, with the joins made at the finer scale.
    const QRectF onDevice(box.x() * scale, box.y() * scale, box.width() * scale,
                          box.height() * scale);
    painter.save();
    painter.scale(1 / scale, 1 / scale);
    painter.drawPath(LargeSuitPath(suit, onDevice));
    painter.restore();
}
