// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"

#include <QFont>

#include <QPainter>
#include <algorithm>

QImage CardCanvas(QRgb ground, int ratio) {
    QImage card(CardWidth * ratio, CardHeight * ratio, QImage::Format_RGB888);
    card.fill(ground);
    return card;
}

bool InsideCardShape(int x, int y, int ratio) {
    const int width = CardWidth * ratio;
    const int height = CardHeight * ratio;
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return false;
    }
    const double r = CardCornerRadius * ratio;
    const double px = x + 0.5;
    const double py = y + 0.5;
    // Only the four corner squares are rounded; measure from the nearest corner's centre.
    const double cx = px < r ? r : (px > width - r ? width - r : px);
    const double cy = py < r ? r : (py > height - r ? height - r : py);
    const double dx = px - cx;
    const double dy = py - cy;
    return dx * dx + dy * dy <= r * r;
}

void CutCardShape(QImage& card, int ratio) {
    // A pixel of the card within one logical pixel of the outside belongs to the edge.
    const auto onEdge = [ratio](int x, int y) {
        for (int d = 1; d <= ratio; ++d) {
            if (!InsideCardShape(x - d, y, ratio) || !InsideCardShape(x + d, y, ratio) ||
                !InsideCardShape(x, y - d, ratio) || !InsideCardShape(x, y + d, ratio)) {
                return true;
            }
        }
        return false;
    };
    for (int y = 0; y < CardHeight * ratio; ++y) {
        for (int x = 0; x < CardWidth * ratio; ++x) {
            if (!InsideCardShape(x, y, ratio)) {
                card.setPixel(x, y, KeyGreen);
            } else if (onEdge(x, y)) {
                card.setPixel(x, y, CardEdge);
            } else if (card.pixel(x, y) == KeyGreen) {
                // The key must never show on a face; nudge a stray match off it.
                card.setPixel(x, y, qRgb(qRed(KeyGreen), qGreen(KeyGreen), qBlue(KeyGreen) + 1));
            }
        }
    }
}

QPainterPath LetteringPath(const QString& text, const QRectF& box, const QString& family,
                           int weight) {
    QFont font(family);
    font.setPixelSize(200);
    font.setWeight(QFont::Weight(weight));
    font.setStyleStrategy(QFont::PreferOutline);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) {
        return path;
    }
    const double sy = box.height() / bounds.height();
    const double sx = std::min(sy, box.width() / bounds.width());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(sx, sy);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

QImage FlattenForTransparentShowing(const QImage& drawing) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage flat(source.size(), QImage::Format_RGB888);
    const int cloth[3] = {qRed(ClothGreen), qGreen(ClothGreen), qBlue(ClothGreen)};
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = source.pixel(x, y);
            const int a = qAlpha(p);
            if (a < 24) {
                flat.setPixel(x, y, PaperWhite);
                continue;
            }
            const int rgb[3] = {qRed(p), qGreen(p), qBlue(p)};
            int out[3];
            for (int c = 0; c < 3; ++c) {
                out[c] = (rgb[c] * a + cloth[c] * (255 - a) + 127) / 255;
            }
            QRgb result = qRgb(out[0], out[1], out[2]);
            if (result == PaperWhite) {
                result = qRgb(254, 254, 254);
            }
            flat.setPixel(x, y, result);
        }
    }
    return flat;
}
