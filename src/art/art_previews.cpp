// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_previews.h"

#include "art/art_painting.h"
#include "art/window_art.h"

#include <QDir>
#include <QPainter>

namespace {

// The cloth as the table lays it: a quarter of the sheet doubled in size, tiled.
QImage ClothOfSize(int width, int height) {
    const QImage cloth = BackgroundSheet().copy(0, 0, 255, 189).scaled(510, 378);
    QImage table(width, height, QImage::Format_RGB888);
    QPainter painter(&table);
    for (int y = 0; y < height; y += 378) {
        for (int x = 0; x < width; x += 510) {
            painter.drawImage(x, y, cloth);
        }
    }
    return table;
}

// Lays a picture on the table, leaving out the pixels of its transparent colour.
void LayTransparent(QImage& table, const QImage& picture, int left, int top, QRgb transparent) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (p != transparent && table.valid(left + x, top + y)) {
                table.setPixel(left + x, top + y, p);
            }
        }
    }
}

// A sheet on plain cloth green, which keeps the picture small.
QImage SheetWithMargin(const QImage& sheet, int margin) {
    QImage framed(sheet.width() + 2 * margin, sheet.height() + 2 * margin, QImage::Format_RGB888);
    framed.fill(ArtKeyColour());
    QPainter painter(&framed);
    painter.drawImage(margin, margin, sheet);
    return framed;
}

QImage Cell(const QImage& sheet, int column, int row) {
    return sheet.copy(column * CardWidth, row * CardHeight, CardWidth, CardHeight);
}

QImage TableScene() {
    const QImage deck = DeckSheet();
    const QImage backs = PatternsSheet();
    QImage table = ClothOfSize(520, 300);
    const QRgb key = ArtKeyColour();
    // Stock and discard piles.
    for (int i = 0; i < 4; ++i) {
        LayTransparent(table, Cell(backs, 0, 1), 150 + 4 * i, 20 + 4 * i, key);
    }
    LayTransparent(table, Cell(deck, 11, 2), 286, 30, key);
    // A hand of seven, overlapping as on the table.
    const int hand[7][2] = {{0, 0}, {6, 0}, {10, 1}, {12, 1}, {1, 2}, {9, 3}, {13, 3}};
    const int first = 260 - 18 * 7;
    for (int k = 0; k < 7; ++k) {
        LayTransparent(table, Cell(deck, hand[k][0], hand[k][1]), first + 36 * k, 170, key);
    }
    LayTransparent(table, TurnArrowPicture(4), 30, 40, qRgb(255, 255, 255));
    LayTransparent(table, SuitMarkerPicture(2), 420, 40, qRgb(255, 255, 255));
    QPainter painter(&table);
    painter.drawImage(30, 120, ButtonPicture("Deal", 101, 49));
    painter.drawImage(400, 130, ButtonPicture("View Rules", 117, 30));
    return table;
}

QImage WindowPictures() {
    QImage table = ClothOfSize(560, 142);
    const QRgb white = qRgb(255, 255, 255);
    QPainter painter(&table);
    painter.drawImage(8, 8, ButtonPicture("Deal", 101, 49));
    painter.drawImage(115, 8, ButtonPicture("Start", 101, 49));
    painter.drawImage(222, 8, ButtonPicture("View Rules", 117, 30));
    painter.drawImage(345, 8, ButtonPicture("Close", 101, 30));
    painter.drawImage(222, 44, ButtonPicture("Exit", 90, 30));
    painter.drawImage(318, 44, ButtonPicture("Page Down", 90, 30));
    painter.drawImage(222, 80, ButtonPicture("Page Up", 90, 30));
    painter.drawImage(460, 12, WindowIconPicture());
    painter.end();
    for (int i = 0; i < 4; ++i) {
        LayTransparent(table, TurnArrowPicture(i + 1), 4 + 54 * i, 70, white);
    }
    for (int suit = 0; suit < 4; ++suit) {
        LayTransparent(table, SuitMarkerPicture(suit).copy(0, 0, 55, 55), 322 + 58 * suit, 82,
                       white);
    }
    return table;
}

} // namespace

bool WriteArtPreviews(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) {
        return false;
    }
    return SheetWithMargin(DeckSheet(), 6).save(dir.filePath("art_deck.png"), "PNG") &&
           SheetWithMargin(PatternsSheet(), 6).save(dir.filePath("art_backs.png"), "PNG") &&
           TableScene().save(dir.filePath("art_table.png"), "PNG") &&
           WindowPictures().save(dir.filePath("art_window.png"), "PNG");
}
