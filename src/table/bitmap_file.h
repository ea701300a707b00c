// SPDX-License-Identifier: GPL-3.0-or-later
// The card sheets as files: 24-bit bitmaps, read whole through the game's own file reader.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <vector>

// A card sheet that cannot be used: the file is missing, is not a bitmap, or is too small for
// the cells the table cuts from it.
class BitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Whether the bytes are a whole bitmap of 24 bits a pixel, whatever its header.
bool IsWhole24BitBitmap(const std::vector<uint8_t>& bytes);

// A plain 24-bit bitmap (an information header of 40 bytes or more, no compression) as 32-bit
// pixels; a null image for anything else.
QImage DecodePlainBitmap(const std::vector<uint8_t>& bytes);

// The sheet in the file, as 32-bit pixels, at least minimum in size; throws BitmapError with
// the message the player sees otherwise.
QImage LoadBitmap(const QString& fileName, QSize minimum);
