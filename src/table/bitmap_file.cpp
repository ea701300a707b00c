// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the card sheets: plain 24-bit bitmaps, decoded here; any other bitmap Qt can read
// is left to its reader, and nothing that is not a whole 24-bit bitmap is taken.
#include "table/bitmap_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include "storage/file_io.h"
#include "storage/storage_error.h"

namespace {

// No card sheet of ours comes near this; a larger file is not one of them.
constexpr size_t kMaxBitmapBytes = 32u << 20;

// The unsigned little-endian number of size bytes at offset at of a bitmap's header.
uint32_t LittleEndian(const std::vector<uint8_t>& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

} // namespace

// The card sheets are whole 24-bit bitmaps; the pixels are sampled as such (the key colour,
// the notice colour), so a sheet of another depth, or one cut short, is not one of ours.
bool IsWhole24BitBitmap(const std::vector<uint8_t>& bytes) {
    auto le = [&bytes](size_t at, size_t size) { return LittleEndian(bytes, at, size); };
    if (bytes.size() < 30 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const bool oldest = le(14, 4) == 12; // the oldest header has 16-bit sizes
    const uint64_t width = oldest ? le(18, 2) : le(18, 4);
    const auto height = static_cast<int32_t>(oldest ? le(20, 2) : le(22, 4));
    if (le(oldest ? 24 : 28, 2) != 24 || width > 1u << 16 || height == INT32_MIN)
        return false;
    const uint64_t rowBytes = (width * 3 + 3) / 4 * 4;
    const uint64_t rows =
        static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
    return le(10, 4) + rowBytes * rows <= bytes.size();
}

// Our sheets are plain 24-bit bitmaps: rows of blue, green and red bytes, each row padded to
// four bytes, the bottom row first unless the height is negative. Those are decoded here,
// straight into the table's pixel format; a null image leaves any other kind to Qt's reader.
QImage DecodePlainBitmap(const std::vector<uint8_t>& bytes) {
    auto le = [&bytes](size_t at, size_t size) { return LittleEndian(bytes, at, size); };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        return {};
    const uint32_t header = le(14, 4);
    const uint64_t offset = le(10, 4);
    const auto width = static_cast<int32_t>(le(18, 4));
    const auto height = static_cast<int32_t>(le(22, 4));
    const bool plain = header >= 40 && le(28, 2) == 24 && le(30, 4) == 0;
    if (!plain || width <= 0 || width > 1 << 16 || height == 0 || height == INT32_MIN ||
        offset < 14 + uint64_t{header})
        return {};
    const int rows = height < 0 ? -height : height;
    const uint64_t rowBytes = (uint64_t{static_cast<uint32_t>(width)} * 3 + 3) / 4 * 4;
    if (offset + rowBytes * static_cast<uint64_t>(rows) > bytes.size())
        return {};
    // The rows as they lie in the file, blue, green and red bytes; Qt's own conversion turns
    // them into 32-bit words much faster than a loop of ours, and the bottom-up rows are then
    // turned over.
    const QImage rowsInFile(bytes.data() + offset, width, rows, static_cast<qsizetype>(rowBytes),
                            QImage::Format_BGR888);
    QImage image = rowsInFile.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return {};
    if (height > 0)
        image = std::move(image).mirrored(false, true);
    return image;
}

// The file is read through the game's own reader, so a pipe or a device under the name
// counts as a file that cannot be opened instead of holding the start-up up.
QImage LoadBitmap(const QString& fileName, QSize minimum) {
    FileBytes file;
    try {
        file = ReadWholeFile(fileName.toStdString(), kMaxBitmapBytes);
    } catch (const StorageError&) {
        throw BitmapError("Bitmap image is not valid");
    }
    if (file.outcome != OpenOutcome::Opened) {
        const QString path = QFileInfo(fileName).absoluteFilePath();
        throw BitmapError(QStringLiteral("Cannot open file %1").arg(path).toStdString());
    }
    if (file.bytes.size() > kMaxBitmapBytes || !IsWhole24BitBitmap(file.bytes))
        throw BitmapError("Bitmap image is not valid");
    QImage image = DecodePlainBitmap(file.bytes);
    if (image.isNull()) {
        QByteArray data(reinterpret_cast<const char*>(file.bytes.data()),
                        static_cast<qsizetype>(file.bytes.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        image = reader.read();
    }
    if (image.isNull() || image.width() < minimum.width() || image.height() < minimum.height()) {
        throw BitmapError("Bitmap image is not valid");
    }
    return image.convertToFormat(QImage::Format_RGB32);
}
