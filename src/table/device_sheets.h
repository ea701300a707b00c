// SPDX-License-Identifier: GPL-3.0-or-later
// The card sheets at the screen's own resolution. The table cuts its cells, fans and cloth in
// device pixels from a sheet made for the window's device pixel ratio: the sheet drawn for that
// ratio where there is one (the 2x sheets beside the 1x ones), else the nearest larger one, or
// the player's own 1x sheet, scaled smoothly.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// A logical rectangle in the device pixels of the ratio: each edge rounded on its own, so
// rectangles that meet in logical pixels meet in device pixels too.
QRect DeviceRect(const QRect& logical, qreal ratio);
QSize DeviceSize(QSize logical, qreal ratio);

// A logical rectangle of a sheet of card cells in the device pixels of that sheet at the ratio.
// Every cell there has the device size of one card picture, so a cell fills a card's picture
// exactly at any ratio, 1.5 included; inside a cell lengths are rounded as in DeviceRect.
QRect CardSheetRect(const QRect& logical, qreal ratio);

// The sheet for the ratio, with that device pixel ratio set. `sheet` is the 1x sheet; `larger`
// a sheet drawn at the whole ratio `largerScale` (null when there is none). A sheet of cards
// (`cards`) is scaled card by card into cells laid out as CardSheetRect says, and every pixel
// comes out either a card's own colour or exactly the key colour, which the table leaves out;
// the cloth is scaled whole.
QImage SheetAtRatio(const QImage& sheet, QImage larger, int largerScale, qreal ratio, bool cards,
                    QRgb key);

// The larger sheet drawn for the ratio beside the 1x file ("deck.bmp" -> "deck@2x.bmp"), with
// its scale: the next whole ratio up, or a smaller one above 1 where that is missing. Null with
// scale 1 at ratio 1 or when there is none that is exactly that many times the 1x sheet.
struct LargerSheet {
    QImage image;
    int scale = 1;
};
LargerSheet LoadLargerSheet(const QString& fileName, QSize sheetSize, qreal ratio);

// ScaledCopy with the rectangles in logical pixels, each mapped to the device pixels of its own
// image's device pixel ratio. At ratio 1 it is ScaledCopy itself.
void ScaledCopyAtRatio(QImage& destination, const QRect& to, const QImage& source,
                       const QRect& from);
// The same from a sheet of card cells, whose rectangles map as CardSheetRect says.
void CopyFromCardSheet(QImage& destination, const QRect& to, const QImage& sheet,
                       const QRect& from);
