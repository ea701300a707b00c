// Card sheet files as a player's folder may hold them: any plain 24-bit bitmap, whatever its
// header's size, its row order or where its pixels start, gives the table the same sheet.
#include <QFile>

#include <cstdint>
#include <string>

#include "table_fixture.h"

namespace {

void Put(std::string& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 24-bit bitmap of the image: an information header of the given size, the pixels `gap`
// bytes after the headers, the rows bottom-up unless topDown, each padded to four bytes.
std::string Bitmap(const QImage& image, uint32_t header, int gap, bool topDown) {
    const int rowBytes = (image.width() * 3 + 3) / 4 * 4;
    const uint32_t offset = 14 + header + static_cast<uint32_t>(gap);
    std::string bytes = "BM";
    Put(bytes, offset + static_cast<uint32_t>(rowBytes * image.height()), 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    Put(bytes, header, 4);
    Put(bytes, static_cast<uint32_t>(image.width()), 4);
    Put(bytes, static_cast<uint32_t>(topDown ? -image.height() : image.height()), 4);
    Put(bytes, 1, 2);  // planes
    Put(bytes, 24, 2); // bits per pixel
    Put(bytes, 0, 4);  // no compression
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

void WriteFile(const char* name, const std::string& bytes) {
    QFile file(QString::fromLatin1(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

TEST_F(TableTest, EveryPlainBitmapLayoutGivesTheSameSheets) {
    struct Layout {
        uint32_t header;
        int gap;
        bool topDown;
    };
    engine.EngineStartUp(StorageStartUpFiles());
    // The deck's rows are padded (1022 x 3 bytes is no multiple of four); the backs' too.
    for (const Layout layout : {Layout{40, 0, false}, Layout{40, 0, true}, Layout{40, 10, false},
                                Layout{124, 0, true}}) {
        SCOPED_TRACE(std::to_string(layout.header) + (layout.topDown ? " top-down" : "") +
                     " gap " + std::to_string(layout.gap));
        WriteFile("deck.bmp", Bitmap(sheets::Deck(), layout.header, layout.gap, layout.topDown));
        WriteFile("cardpatterns.bmp",
                  Bitmap(sheets::Patterns(), layout.header, layout.gap, layout.topDown));
        errors.clear();
        OpenWindows();
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(form->DeckBitmap(), sheets::Deck());
        EXPECT_EQ(form->PatternsBitmap(), sheets::Patterns());
        EXPECT_EQ(form->KeyColor(), sheets::kKey);
    }
}
