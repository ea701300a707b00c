// SPDX-License-Identifier: GPL-3.0-or-later
// The card sheet reader on its own: every layout of a 24-bit bitmap gives its exact pixels;
// other depths, files cut short, sheets too small and missing files are refused with the
// message the player sees.
#include <QDir>

#include <vector>

#include "bitmap_bytes.h"
#include "table/bitmap_file.h"
#include "temp_folder.h"

using bitmaps::Bitmap;
using bitmaps::WriteBytes;

namespace {

// Five pixels a row, so every row carries a pad byte; no two pixels alike.
QImage Sample() {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x + 1, 80 * y + 2, 7 * x + 13 * y));
    return image;
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The message the load fails with, or "" when it loads.
std::string LoadFailure(const std::string& bytes, QSize minimum = QSize(5, 3)) {
    WriteBytes("sheet.bmp", bytes);
    try {
        LoadBitmap(QStringLiteral("sheet.bmp"), minimum);
    } catch (const BitmapError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(BitmapFile, EveryLayoutOf24BitsGivesTheExactPixels) {
    TempFolder folder;
    const QImage sample = Sample();
    struct Layout {
        uint32_t header;
        int gap;
        bool topDown;
    };
    for (const Layout layout : {Layout{40, 0, false}, Layout{40, 0, true}, Layout{40, 6, false},
                                Layout{108, 0, false}, Layout{124, 2, true}}) {
        SCOPED_TRACE(layout.header);
        const std::string bytes = Bitmap(sample, layout.header, layout.gap, layout.topDown);
        EXPECT_EQ(DecodePlainBitmap(Bytes(bytes)), sample);
        WriteBytes("sheet.bmp", bytes);
        EXPECT_EQ(LoadBitmap(QStringLiteral("sheet.bmp"), sample.size()), sample);
    }
    // The oldest header is not ours to decode, but Qt's reader still gives the same sheet.
    const std::string oldest = Bitmap(sample, 12);
    EXPECT_TRUE(DecodePlainBitmap(Bytes(oldest)).isNull());
    EXPECT_TRUE(IsWhole24BitBitmap(Bytes(oldest)));
    WriteBytes("sheet.bmp", oldest);
    EXPECT_EQ(LoadBitmap(QStringLiteral("sheet.bmp"), sample.size()), sample);
}

TEST(BitmapFile, OnlyWhole24BitSheetsOfTheSizeNeededAreTaken) {
    TempFolder folder;
    const std::string good = Bitmap(Sample(), 40);
    ASSERT_EQ(LoadFailure(good), "");

    std::string depth32 = good;
    depth32[28] = 32;
    std::string depth8 = good;
    depth8[28] = 8;
    std::string notBitmap = good;
    notBitmap[0] = 'X';
    for (const auto& [what, bytes] : std::vector<std::pair<const char*, std::string>>{
             {"32 bits a pixel", depth32},
             {"8 bits a pixel", depth8},
             {"no BM mark", notBitmap},
             {"one byte short", good.substr(0, good.size() - 1)},
             {"header only", good.substr(0, 54)},
             {"cut inside the header", good.substr(0, 20)},
             {"empty", ""}}) {
        EXPECT_EQ(LoadFailure(bytes), "Bitmap image is not valid") << what;
        EXPECT_TRUE(DecodePlainBitmap(Bytes(bytes)).isNull()) << what;
    }
    // Whole, but smaller than the cells the table cuts from it.
    EXPECT_EQ(LoadFailure(good, QSize(6, 3)), "Bitmap image is not valid");
    EXPECT_EQ(LoadFailure(good, QSize(5, 4)), "Bitmap image is not valid");

    // A missing file names the path the player has to put it at.
    try {
        LoadBitmap(QStringLiteral("missing.bmp"), QSize(1, 1));
        ADD_FAILURE() << "a missing file loaded";
    } catch (const BitmapError& error) {
        EXPECT_EQ(
            error.what(),
            "Cannot open file " +
                QDir::current().absoluteFilePath(QStringLiteral("missing.bmp")).toStdString());
    }
}
