// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"

#include <QPainter>

#include <cmath>

namespace {

// The patterned field of every back, inside a white margin.
const QRectF BackField(3.5, 3.5, CardWidth - 7, CardHeight - 7);

void PaintLattice(QPainter& painter) {
    painter.fillRect(BackField, QColor(26, 58, 146));
    constexpr double step = 8;
    painter.setPen(QPen(QColor(132, 172, 238), 1.2));
    for (double d = -CardHeight; d < CardWidth + CardHeight; d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + CardHeight, CardHeight));
        painter.drawLine(QPointF(d, 0), QPointF(d - CardHeight, CardHeight));
    }
    // A bright dot in the middle of every lozenge of the lattice.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 242, 252));
    for (double y = step / 2; y < CardHeight; y += step) {
        const double shift = std::fmod(y, 2 * step) < step ? 0 : step / 2;
        for (double x = shift; x < CardWidth; x += step) {
            painter.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }
}

void PaintWeave(QPainter& painter) {
    painter.fillRect(BackField, QColor(164, 18, 34));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 11; ++row) {
        for (int column = 0; column < 8; ++column) {
            const double cx = 3.5 + column * 10 + (row % 2) * 5;
            const double cy = 3.5 + row * 9;
            QPainterPath lozenge;
            lozenge.moveTo(cx, cy - 4);
            lozenge.lineTo(cx + 4.3, cy);
            lozenge.lineTo(cx, cy + 4);
            lozenge.lineTo(cx - 4.3, cy);
            lozenge.closeSubpath();
            painter.setPen(QPen(QColor(246, 196, 150), 0.9));
            painter.drawPath(lozenge);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(CourtGold));
            painter.drawEllipse(QPointF(cx, cy), 1.1, 1.1);
            painter.setBrush(Qt::NoBrush);
        }
    }
    // A medallion with a spade in the middle.
    painter.setPen(QPen(QColor(CourtGold), 1.4));
    painter.setBrush(QColor(120, 8, 22));
    painter.drawEllipse(QPointF(36.5, 49), 13, 17);
    painter.setPen(QPen(QColor(246, 196, 150), 0.7));
    painter.drawEllipse(QPointF(36.5, 49), 10.5, 14.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(CourtGold));
    DrawSuitShape(painter, 3, QRectF(29.5, 40.5, 14, 16));
}

void PaintSunburst(QPainter& painter) {
    painter.fillRect(BackField, QColor(76, 30, 116));
    const QPointF centre(36.5, 49);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(112, 54, 166));
    const int rays = 24;
    for (int i = 0; i < rays; i += 2) {
        const double a0 = 2 * M_PI * i / rays;
        const double a1 = 2 * M_PI * (i + 1) / rays;
        QPainterPath ray;
        ray.moveTo(centre);
        ray.lineTo(centre + QPointF(100 * std::cos(a0), 100 * std::sin(a0)));
        ray.lineTo(centre + QPointF(100 * std::cos(a1), 100 * std::sin(a1)));
        ray.closeSubpath();
        painter.drawPath(ray);
    }
    painter.setBrush(Qt::NoBrush);
    for (double r = 9; r < 60; r += 9) {
        painter.setPen(QPen(QColor(CourtGold), r < 12 ? 1.4 : 0.7));
        painter.drawEllipse(centre, r, r * 1.15);
    }
    // An eight-pointed star at the heart of the burst.
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const double a = M_PI * i / 8 - M_PI / 2;
        const double r = i % 2 == 0 ? 8.5 : 3.5;
        const QPointF p = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0) {
            star.moveTo(p);
        } else {
            star.lineTo(p);
        }
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(120, 72, 8), 0.6));
    painter.setBrush(QColor(CourtGold));
    painter.drawPath(star);
}

void PaintTartan(QPainter& painter) {
    painter.fillRect(BackField, QColor(22, 34, 86));
    const QColor wide(18, 72, 44, 150);
    const QColor thinRed(206, 30, 40, 200);
    const QColor thinGold(244, 200, 60, 200);
    for (double p = 0; p < CardHeight; p += 16) {
        painter.fillRect(QRectF(p, 0, 7, CardHeight), wide);
        painter.fillRect(QRectF(0, p, CardWidth, 7), wide);
        painter.fillRect(QRectF(p + 10, 0, 1.5, CardHeight), thinRed);
        painter.fillRect(QRectF(0, p + 10, CardWidth, 1.5), thinRed);
        painter.fillRect(QRectF(p + 3, 0, 1, CardHeight), thinGold);
        painter.fillRect(QRectF(0, p + 3, CardWidth, 1), thinGold);
    }
}

} // namespace

QImage CardBack(int design, int ratio) {
    QImage card = CardCanvas(CardWhite, ratio);
    {
        QPainter painter(&card);
        painter.setRenderHint(QPainter::Antialiasing);
        if (ratio != 1) {
            painter.scale(ratio, ratio);
        }
        painter.setClipRect(BackField);
        switch (design) {
        case 1:
            PaintLattice(painter);
            break;
        case 2:
            PaintWeave(painter);
            break;
        case 3:
            PaintSunburst(painter);
            break;
        default:
            PaintTartan(painter);
            break;
        }
        painter.setClipping(false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(200, 200, 196), 1.0));
        painter.drawRect(BackField);
    }
    CutCardShape(card, ratio);
    return card;
}
