// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"
#include "art/window_art.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

namespace {

// The two-card motif is laid out on a 32-unit square. Every length is scaled by hand instead of
// through the painter, so the suit shapes are built at the icon's own size and their curves stay
// smooth on the large icons. The card edge stays about one pixel wide at the small sizes and
// grows slowly, so a large icon does not look outlined in felt pen.
void PaintTwoCards(QPainter& painter, int size) {
    const double unit = size / 32.0;
    const double edge = std::max(1.0, size / 64.0);
    const auto scaled = [unit](double x, double y, double w, double h) {
        return QRectF(x * unit, y * unit, w * unit, h * unit);
    };
    const auto paintCard = [&](double angle, const QPointF& at, int suit) {
        painter.save();
        painter.translate(at * unit);
        painter.rotate(angle);
        painter.setPen(QPen(QColor(CardEdge), edge));
        painter.setBrush(QColor(CardWhite));
        painter.drawRoundedRect(scaled(-8.5, -12, 17, 24), 2.5 * unit, 2.5 * unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(SuitColour(suit));
        painter.drawPath(LargeSuitPath(suit, scaled(-5.5, -6.5, 11, 13)));
        painter.restore();
    };
    paintCard(-16, QPointF(12, 16.5), 2);
    paintCard(14, QPointF(20, 15.5), 3);
}

} // namespace

QImage AppIconPicture(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintTwoCards(painter, size);
    return icon;
}

const std::array<int, 6>& AppIconSizes() {
    static const std::array<int, 6> sizes{16, 32, 48, 64, 128, 256};
    return sizes;
}

bool WriteAppIcons(const QString& folder, const QString& name) {
    for (const int size : AppIconSizes()) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir))
            return false;
        if (!AppIconPicture(size).save(dir + QLatin1Char('/') + name + QStringLiteral(".png"),
                                       "PNG"))
            return false;
    }
    return true;
}
