// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"
#include "art/window_art.h"

#include <QDir>
#include <QPainter>

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

QImage DeckSheet() {
    QImage sheet(DeckColumns * CardWidth, DeckRows * CardHeight, QImage::Format_RGB888);
    sheet.fill(KeyGreen);
    QPainter painter(&sheet);
    for (int suit = 0; suit < DeckRows; ++suit) {
        for (int rank = 0; rank < DeckColumns; ++rank) {
            painter.drawImage(rank * CardWidth, suit * CardHeight, CardFace(rank, suit));
        }
    }
    return sheet;
}

QImage PatternsSheet() {
    QImage sheet(2 * CardWidth, 2 * CardHeight, QImage::Format_RGB888);
    sheet.fill(KeyGreen);
    QPainter painter(&sheet);
    for (int design = 1; design <= 4; ++design) {
        const QPoint cell = BackCell(design);
        painter.drawImage(cell.x() * CardWidth, cell.y() * CardHeight, CardBack(design));
    }
    return sheet;
}

bool WriteGameArt(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists()) {
        return false;
    }
    // Format_RGB888 is written as a 24-bit bitmap, which the game's loader expects.
    const bool deck = DeckSheet().save(dir.filePath("deck.bmp"), "BMP");
    const bool patterns = PatternsSheet().save(dir.filePath("cardpatterns.bmp"), "BMP");
    const bool background = BackgroundSheet().save(dir.filePath("background.bmp"), "BMP");
    return deck && patterns && background;
}
