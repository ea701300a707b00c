// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/device_sheets.h"

#include <QFileInfo>

#include <cmath>

#include "suitchooser/window_controls.h"
#include "table/bitmap_file.h"

namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// A card scaled smoothly: the key colour becomes clear before scaling, so no card edge is
// blended with it, and afterwards each pixel is the card's colour or the key colour again.
QImage ScaleCard(const QImage& card, QSize size, QRgb key) {
    QImage clear = card.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xFF000000u;
    for (int y = 0; y < clear.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
        for (int x = 0; x < clear.width(); ++x)
            if ((line[x] | 0xFF000000u) == opaqueKey)
                line[x] = 0;
    }
    QImage scaled = clear.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qAlpha(in[x]) >= 128 ? (in[x] | 0xFF000000u) : opaqueKey;
    }
    return out;
}

} // namespace

QRect DeviceRect(const QRect& logical, qreal ratio) {
    const int left = Round(logical.x() * ratio);
    const int top = Round(logical.y() * ratio);
    const int right = Round((logical.x() + logical.width()) * ratio);
    const int bottom = Round((logical.y() + logical.height()) * ratio);
    return {left, top, right - left, bottom - top};
}

QSize DeviceSize(QSize logical, qreal ratio) {
    return DeviceRect(QRect(QPoint(0, 0), logical), ratio).size();
}

namespace {

constexpr QSize kCard(73, 98);

// One edge of a rectangle on a sheet of cells: whole cells, then the rest of the way in.
int CardSheetEdge(int logical, int cell, int deviceCell, qreal ratio) {
    const int whole = logical >= 0 ? logical / cell : -((-logical + cell - 1) / cell);
    return whole * deviceCell + Round((logical - whole * cell) * ratio);
}

} // namespace

QRect CardSheetRect(const QRect& logical, qreal ratio) {
    const QSize cell = DeviceSize(kCard, ratio);
    const int left = CardSheetEdge(logical.x(), kCard.width(), cell.width(), ratio);
    const int top = CardSheetEdge(logical.y(), kCard.height(), cell.height(), ratio);
    const int right =
        CardSheetEdge(logical.x() + logical.width(), kCard.width(), cell.width(), ratio);
    const int bottom =
        CardSheetEdge(logical.y() + logical.height(), kCard.height(), cell.height(), ratio);
    return {left, top, right - left, bottom - top};
}

QImage SheetAtRatio(const QImage& sheet, QImage larger, int largerScale, qreal ratio, bool cards,
                    QRgb key) {
    QImage result;
    if (!larger.isNull() && largerScale == ratio) {
        // Taken over whole: a second copy of a large sheet would only raise the peak.
        result = std::move(larger).convertToFormat(QImage::Format_RGB32);
    } else if (ratio == 1.0) {
        result = sheet.convertToFormat(QImage::Format_RGB32);
    } else {
        const QImage& source = larger.isNull() ? sheet : larger;
        const int scale = larger.isNull() ? 1 : largerScale;
        if (!cards) {
            result = source
                         .scaled(DeviceSize(sheet.size(), ratio), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
        } else {
            const QSize cells(sheet.width() / kCard.width(), sheet.height() / kCard.height());
            result =
                QImage(CardSheetRect(QRect(QPoint(0, 0), QSize(cells.width() * kCard.width(),
                                                               cells.height() * kCard.height())),
                                     ratio)
                           .size(),
                       QImage::Format_RGB32);
            result.fill(key);
            for (int top = 0; top + kCard.height() <= sheet.height(); top += kCard.height()) {
                for (int left = 0; left + kCard.width() <= sheet.width(); left += kCard.width()) {
                    const QRect from(left * scale, top * scale, kCard.width() * scale,
                                     kCard.height() * scale);
                    const QRect to = CardSheetRect(QRect(QPoint(left, top), kCard), ratio);
                    const QImage card = ScaleCard(source.copy(from), to.size(), key);
                    for (int y = 0; y < to.height(); ++y)
                        std::copy_n(reinterpret_cast<const QRgb*>(card.constScanLine(y)),
                                    to.width(),
                                    reinterpret_cast<QRgb*>(result.scanLine(to.y() + y)) + to.x());
                }
            }
        }
    }
    result.setDevicePixelRatio(ratio);
    return result;
}

LargerSheet LoadLargerSheet(const QString& fileName, QSize sheetSize, qreal ratio) {
    if (ratio <= 1.0)
        return {};
    const QFileInfo info(fileName);
    const int wanted = std::max(2, static_cast<int>(std::ceil(ratio - 1e-9)));
    for (int scale = std::min(wanted, 3); scale >= 2; --scale) {
        const QString name = info.path() + QStringLiteral("/") + info.completeBaseName() +
                             QStringLiteral("@%1x.").arg(scale) + info.suffix();
        if (!QFileInfo::exists(name))
            continue;
        try {
            const QImage image = LoadBitmap(name, sheetSize * scale);
            // Only a sheet drawn for exactly this many times the 1x one lines up with its cells.
            if (image.size() == sheetSize * scale)
                return {image, scale};
        } catch (const BitmapError&) {
            // A larger sheet that cannot be read costs nothing: the 1x one is scaled instead.
        }
    }
    return {};
}

void ScaledCopyAtRatio(QImage& destination, const QRect& to, const QImage& source,
                       const QRect& from) {
    ScaledCopy(destination, DeviceRect(to, destination.devicePixelRatio()), source,
               DeviceRect(from, source.devicePixelRatio()));
}

void CopyFromCardSheet(QImage& destination, const QRect& to, const QImage& sheet,
                       const QRect& from) {
    ScaledCopy(destination, DeviceRect(to, destination.devicePixelRatio()), sheet,
               CardSheetRect(from, sheet.devicePixelRatio()));
}
