// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"
#include "art/window_art.h"

#include <QDir>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int DeckColumns = 14;
constexpr int DeckRows = 4;

// Back designs 1..4 sit in the cells (0, 0), (0, 1), (1, 0), (1, 1) of the patterns sheet.
QPoint BackCell(int design) {
    return QPoint((design - 1) / 2, (design - 1) % 2);
}

} // namespace

QRgb ArtKeyColour() {
    return KeyGreen;
}

QImage DeckSheet(int ratio) {
    ratio = std::max(1, ratio);
    QImage sheet(DeckColumns * CardWidth * ratio, DeckRows * CardHeight * ratio,
                 QImage::Format_RGB888);
    sheet.fill(KeyGreen);
    QPainter painter(&sheet);
    for (int suit = 0; suit < DeckRows; ++suit) {
        for (int rank = 0; rank < DeckColumns; ++rank) {
            painter.drawImage(rank * CardWidth * ratio, suit * CardHeight * ratio,
                              CardFace(rank, suit, ratio));
        }
    }
    painter.end();
    sheet.setDevicePixelRatio(ratio);
    return sheet;
}

QImage PatternsSheet(int ratio) {
    ratio = std::max(1, ratio);
    QImage sheet(2 * CardWidth * ratio, 2 * CardHeight * ratio, QImage::Format_RGB888);
    sheet.fill(KeyGreen);
    QPainter painter(&sheet);
    for (int design = 1; design <= 4; ++design) {
        const QPoint cell = BackCell(design);
        painter.drawImage(cell.x() * CardWidth * ratio, cell.y() * CardHeight * ratio,
                          CardBack(design, ratio));
    }
    painter.end();
    sheet.setDevicePixelRatio(ratio);
    return sheet;
}

const std::vector<int>& GameArtRatios() {
    static const std::vector<int> ratios = {1, 2};
    return ratios;
}

QString GameArtFileName(const QString& name, int ratio) {
    if (ratio == 1) {
        return name + QStringLiteral(".bmp");
    }
    return QStringLiteral("%1@%2x.bmp").arg(name).arg(ratio);
}

bool WriteGameArt(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists()) {
        return false;
    }
    // Format_RGB888 is written as a 24-bit bitmap, which the game's loader expects.
    bool written = true;
    for (const int ratio : GameArtRatios()) {
        written =
            DeckSheet(ratio).save(dir.filePath(GameArtFileName("deck", ratio)), "BMP") && written;
        written = PatternsSheet(ratio).save(dir.filePath(GameArtFileName("cardpatterns", ratio)),
                                            "BMP") &&
                  written;
        written = BackgroundSheet(ratio).save(dir.filePath(GameArtFileName("background", ratio)),
                                              "BMP") &&
                  written;
    }
    return written;
}
