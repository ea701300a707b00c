// SPDX-License-Identifier: GPL-3.0-or-later
// Bitmap files byte by byte, laid out as a player's drawing program may write them.
#pragma once

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace bitmaps {

inline void Put(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 24-bit bitmap of the image: an information header of the given size (12 is the oldest
// kind, with 16-bit sizes), the pixels `gap` bytes after the headers, the rows bottom-up
// unless topDown, each padded to four bytes.
inline std::string Bitmap(const QImage& image, uint32_t header, int gap = 0, bool topDown = false) {
    const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
    const uint32_t offset = 14 + header + static_cast<uint32_t>(gap);
    const int height = topDown ? -image.height() : image.height();
    std::string bytes = "BM";
    Put(bytes, offset + static_cast<uint32_t>(rowBytes * image.height()), 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    Put(bytes, header, 4);
    const int sizeBytes = header == 12 ? 2 : 4;
    Put(bytes, static_cast<uint32_t>(image.width()), sizeBytes);
    Put(bytes, static_cast<uint32_t>(height), sizeBytes);
    Put(bytes, 1, 2);  // planes
    Put(bytes, 24, 2); // bits per pixel
    if (header > 12)
        Put(bytes, 0, 4); // no compression
    bytes.resize(offset, '\0');
    for (int row = 0; row < image.height(); ++row) {
        const int y = topDown ? row : image.height() - 1 - row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            bytes += static_cast<char>(qBlue(pixel));
            bytes += static_cast<char>(qGreen(pixel));
            bytes += static_cast<char>(qRed(pixel));
        }
        bytes.append(static_cast<size_t>(rowBytes - image.width() * 3), '\xEE');
    }
    return bytes;
}

inline void WriteBytes(const char* name, const std::string& bytes) {
    QFile file(QString::fromLatin1(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace bitmaps
