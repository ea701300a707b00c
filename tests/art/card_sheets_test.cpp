// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/window_art.h"

#include "ratio_likeness.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int W = 73;
constexpr int H = 98;

struct BitmapHeader {
    bool isBitmap = false;
    int32_t width = 0;
    int32_t height = 0;
    int bitCount = 0;
    int compression = -1;
};

int32_t LittleEndian32(const QByteArray& bytes, int at) {
    return int32_t(uint8_t(bytes[at])) | int32_t(uint8_t(bytes[at + 1])) << 8 |
           int32_t(uint8_t(bytes[at + 2])) << 16 | int32_t(uint8_t(bytes[at + 3])) << 24;
}

BitmapHeader ReadHeader(const QString& path) {
    QFile file(path);
    BitmapHeader header;
    if (!file.open(QIODevice::ReadOnly)) {
        return header;
    }
    const QByteArray bytes = file.read(54);
    if (bytes.size() < 54) {
        return header;
    }
    header.isBitmap = bytes.startsWith("BM");
    header.width = LittleEndian32(bytes, 18);
    header.height = LittleEndian32(bytes, 22);
    header.bitCount = uint8_t(bytes[28]) | uint8_t(bytes[29]) << 8;
    header.compression = LittleEndian32(bytes, 30);
    return header;
}

QImage Cell(const QImage& sheet, int column, int row) {
    return sheet.copy(column * W, row * H, W, H);
}

double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// Every key-coloured pixel of a cell must be reachable from a corner through key pixels and
// lie in a corner's rounding; anything else is key colour on the card itself. A cell of a sheet
// painted at a ratio is that many times larger each way.
::testing::AssertionResult KeyOnlyInCorners(const QImage& cell, QRgb key, const char* what,
                                            int ratio = 1) {
    const int w = W * ratio;
    const int h = H * ratio;
    const int corner = 8 * ratio;
    std::vector<char> reached(w * h, 0);
    std::vector<QPoint> todo = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const QPoint& p : todo) {
        if (cell.pixel(p) != key) {
            return ::testing::AssertionFailure()
                   << what << ": corner " << p.x() << "," << p.y() << " is not the key colour";
        }
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h || reached[p.y() * w + p.x()] ||
            cell.pixel(p) != key) {
            continue;
        }
        reached[p.y() * w + p.x()] = 1;
        todo.insert(
            todo.end(),
            {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (cell.pixel(x, y) != key) {
                continue;
            }
            const bool inCorner =
                (x < corner || x >= w - corner) && (y < corner || y >= h - corner);
            if (!reached[y * w + x] || !inCorner) {
                return ::testing::AssertionFailure()
                       << what << ": key colour on the card at " << x << "," << y;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

int ColourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The table leaves out the key colour pixel by pixel, so a pixel beside the key that is almost
// the key (a blend of the card into it) would show as a green fringe round the card.
::testing::AssertionResult NoFringeBesideTheKey(const QImage& cell, QRgb key, const char* what) {
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if (cell.pixel(x, y) != key) {
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!cell.valid(x + dx, y + dy)) {
                        continue;
                    }
                    const QRgb near = cell.pixel(x + dx, y + dy);
                    if (near != key && ColourDistance(near, key) < 80) {
                        return ::testing::AssertionFailure()
                               << what << ": a near-key pixel at " << x + dx << "," << y + dy;
                    }
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Pips are separate blobs of ink in the middle of a number card; count them.
int CountPips(const QImage& card) {
    const QRect middle(15, 3, 43, 92);
    const auto ink = [&card](int x, int y) {
        const QRgb c = card.pixel(x, y);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 150;
    };
    std::vector<char> seen(W * H, 0);
    int blobs = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) {
            if (seen[y * W + x] || !ink(x, y)) {
                continue;
            }
            int size = 0;
            std::vector<QPoint> todo = {{x, y}};
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                if (!middle.contains(p) || seen[p.y() * W + p.x()] || !ink(p.x(), p.y())) {
                    continue;
                }
                seen[p.y() * W + p.x()] = 1;
                ++size;
                todo.insert(todo.end(), {{p.x() + 1, p.y()},
                                         {p.x() - 1, p.y()},
                                         {p.x(), p.y() + 1},
                                         {p.x(), p.y() - 1}});
            }
            blobs += size >= 12 ? 1 : 0;
        }
    }
    return blobs;
}

} // namespace

TEST(CardSheets, FilesAreTwentyFourBitBitmapsOfTheGameGeometry) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(WriteGameArt(folder.path()));

    const BitmapHeader deck = ReadHeader(folder.filePath("deck.bmp"));
    const BitmapHeader backs = ReadHeader(folder.filePath("cardpatterns.bmp"));
    const BitmapHeader cloth = ReadHeader(folder.filePath("background.bmp"));
    for (const BitmapHeader& h : {deck, backs, cloth}) {
        EXPECT_TRUE(h.isBitmap);
        EXPECT_EQ(h.bitCount, 24);
        EXPECT_EQ(h.compression, 0);
    }
    EXPECT_EQ(deck.width, 1022);
    EXPECT_EQ(std::abs(deck.height), 392);
    EXPECT_EQ(backs.width, 146);
    EXPECT_EQ(std::abs(backs.height), 196);
    EXPECT_GE(cloth.width, 512);
    EXPECT_GE(std::abs(cloth.height), 384);

    // What the game loads is exactly what was painted.
    EXPECT_EQ(QImage(folder.filePath("deck.bmp")).convertToFormat(QImage::Format_RGB888),
              DeckSheet());
    EXPECT_EQ(QImage(folder.filePath("cardpatterns.bmp")).convertToFormat(QImage::Format_RGB888),
              PatternsSheet());
}

TEST(CardSheets, EveryRatioIsWrittenBesideThePlainSheets) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(WriteGameArt(folder.path()));
    ASSERT_EQ(GameArtRatios().front(), 1);
    ASSERT_GE(GameArtRatios().size(), 2u);
    for (const int ratio : GameArtRatios()) {
        const std::string what = "ratio " + std::to_string(ratio);
        const QString deckFile = folder.filePath(GameArtFileName("deck", ratio));
        const BitmapHeader deck = ReadHeader(deckFile);
        const BitmapHeader backs =
            ReadHeader(folder.filePath(GameArtFileName("cardpatterns", ratio)));
        const BitmapHeader cloth =
            ReadHeader(folder.filePath(GameArtFileName("background", ratio)));
        for (const BitmapHeader& h : {deck, backs, cloth}) {
            EXPECT_TRUE(h.isBitmap) << what;
            EXPECT_EQ(h.bitCount, 24) << what;
            EXPECT_EQ(h.compression, 0) << what;
        }
        EXPECT_EQ(deck.width, 1022 * ratio) << what;
        EXPECT_EQ(std::abs(deck.height), 392 * ratio) << what;
        EXPECT_EQ(backs.width, 146 * ratio) << what;
        EXPECT_EQ(cloth.width, BackgroundSheet().width() * ratio) << what;
        EXPECT_EQ(QImage(deckFile).convertToFormat(QImage::Format_RGB888), DeckSheet(ratio))
            << what;
    }
    EXPECT_EQ(GameArtFileName("deck", 1), "deck.bmp");
    EXPECT_EQ(GameArtFileName("deck", 2), "deck@2x.bmp");
}

TEST(CardSheets, WritingIntoAMissingFolderFails) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(WriteGameArt(folder.filePath("no/such/folder")));
}

TEST(CardSheets, PaintingIsTheSameEveryTime) {
    EXPECT_EQ(DeckSheet(), DeckSheet());
    EXPECT_EQ(PatternsSheet(), PatternsSheet());
    EXPECT_EQ(BackgroundSheet(), BackgroundSheet());
}

TEST(CardSheets, KeyColourSurroundsEveryCardAndNeverTouchesOne) {
    const QRgb key = ArtKeyColour();
    const QImage deck = DeckSheet();
    const QImage backs = PatternsSheet();
    EXPECT_EQ(deck.pixel(1, 1), key);
    EXPECT_EQ(backs.pixel(1, 1), key);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 14; ++column) {
            const std::string what = "face " + std::to_string(column) + "," + std::to_string(row);
            EXPECT_TRUE(KeyOnlyInCorners(Cell(deck, column, row), key, what.c_str()));
        }
    }
    for (int cell = 0; cell < 4; ++cell) {
        const std::string what = "back " + std::to_string(cell);
        EXPECT_TRUE(KeyOnlyInCorners(Cell(backs, cell / 2, cell % 2), key, what.c_str()));
    }
}

TEST(CardSheets, EveryFaceEveryBackAndEveryThumbnailIsDistinct) {
    const QImage deck = DeckSheet();
    std::vector<QImage> faces;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 14; ++column) {
            faces.push_back(Cell(deck, column, row));
        }
    }
    for (size_t a = 0; a < faces.size(); ++a) {
        for (size_t b = a + 1; b < faces.size(); ++b) {
            EXPECT_NE(faces[a], faces[b]) << "faces " << a << " and " << b;
        }
    }
    // The options panel shows the top-left quarter of each back as its thumbnail.
    const QImage backs = PatternsSheet();
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(Cell(backs, a / 2, a % 2), Cell(backs, b / 2, b % 2));
            EXPECT_NE(backs.copy(1 + 73 * (a / 2), 1 + 98 * (a % 2), 36, 49),
                      backs.copy(1 + 73 * (b / 2), 1 + 98 * (b % 2), 36, 49));
        }
    }
}

TEST(CardSheets, SuitsSitInTheirRowsInTheirColours) {
    const QImage deck = DeckSheet();
    for (int row = 0; row < 4; ++row) {
        // The middle of every ace is its pip.
        const QRgb pip = deck.pixel(36, row * H + 49);
        const bool red = row == 0 || row == 2;
        if (red) {
            EXPECT_GT(qRed(pip), 150) << "row " << row;
            EXPECT_LT(qGreen(pip), 80) << "row " << row;
        } else {
            EXPECT_LT(qRed(pip) + qGreen(pip) + qBlue(pip), 150) << "row " << row;
        }
    }
}

TEST(CardSheets, NumberCardsShowAsManyPipsAsTheirRank) {
    const QImage deck = DeckSheet();
    for (int row = 0; row < 4; ++row) {
        for (int rank = 1; rank <= 9; ++rank) {
            EXPECT_EQ(CountPips(Cell(deck, rank, row)), rank + 1)
                << "rank " << rank + 1 << " in row " << row;
        }
    }
}

TEST(CardSheets, NoticeColourStandsOutOnTheCloth) {
    const QRgb notice = DeckSheet().pixel(757, 57);
    EXPECT_NE(notice, ArtKeyColour());
    const QImage cloth = BackgroundSheet();
    double sum = 0;
    for (int y = 0; y < cloth.height(); y += 7) {
        for (int x = 0; x < cloth.width(); x += 7) {
            sum += Luminance(cloth.pixel(x, y));
        }
    }
    const double clothLuminance = sum / (((cloth.height() + 6) / 7) * ((cloth.width() + 6) / 7));
    const double contrast = (Luminance(notice) + 0.05) / (clothLuminance + 0.05);
    EXPECT_GE(contrast, 4.5);
}

TEST(CardSheets, ClothIsATexturedGreen) {
    const QImage cloth = BackgroundSheet();
    QRgb first = cloth.pixel(0, 0);
    bool textured = false;
    for (int y = 0; y < cloth.height(); ++y) {
        for (int x = 0; x < cloth.width(); ++x) {
            const QRgb c = cloth.pixel(x, y);
            ASSERT_GT(qGreen(c), qRed(c) + 40) << x << "," << y;
            ASSERT_GT(qGreen(c), qBlue(c) + 20) << x << "," << y;
            textured = textured || c != first;
        }
    }
    EXPECT_TRUE(textured);
}

TEST(CardSheets, SheetsAtRatioTwoAreRepaintedAtTwiceTheResolution) {
    const QImage deck = DeckSheet(2);
    const QImage backs = PatternsSheet(2);
    const QImage cloth = BackgroundSheet(2);
    EXPECT_EQ(deck.size(), QSize(2044, 784));
    EXPECT_EQ(backs.size(), QSize(292, 392));
    EXPECT_EQ(cloth.size(), BackgroundSheet().size() * 2);
    ExpectRepaintedAtRatio(DeckSheet(), deck, 2, 4, "deck");
    ExpectRepaintedAtRatio(PatternsSheet(), backs, 2, 4, "backs");
    ExpectRepaintedAtRatio(BackgroundSheet(), cloth, 2, 4, "cloth");
    // A ratio below one paints the plain sheet.
    EXPECT_EQ(DeckSheet(0), DeckSheet());
}

TEST(CardSheets, CardsAtRatioTwoSitInHardKeyColourWithATwoPixelEdge) {
    const QRgb key = ArtKeyColour();
    const QImage deck = DeckSheet(2);
    const QImage backs = PatternsSheet(2);
    // The table takes the key colour from this pixel, scaled with the sheet.
    EXPECT_EQ(deck.pixel(2, 2), key);
    EXPECT_EQ(backs.pixel(2, 2), key);
    // The grey edge is one logical pixel wide: two device pixels.
    const QRgb edge = DeckSheet().pixel(0, H / 2);
    for (const QImage* sheet : {&deck, &backs}) {
        EXPECT_EQ(sheet->pixel(0, H), edge);
        EXPECT_EQ(sheet->pixel(1, H), edge);
        EXPECT_NE(sheet->pixel(2, H), edge);
        EXPECT_EQ(sheet->pixel(W, 2 * H - 1), edge); // the bottom edge of the first card
        EXPECT_EQ(sheet->pixel(W, 2 * H - 2), edge);
        EXPECT_NE(sheet->pixel(W, 2 * H - 3), edge);
    }
    const auto cell = [](const QImage& sheet, int column, int row) {
        return sheet.copy(column * 2 * W, row * 2 * H, 2 * W, 2 * H);
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 14; ++column) {
            const std::string what = "face " + std::to_string(column) + "," + std::to_string(row);
            const QImage face = cell(deck, column, row);
            EXPECT_TRUE(KeyOnlyInCorners(face, key, what.c_str(), 2));
            EXPECT_TRUE(NoFringeBesideTheKey(face, key, what.c_str()));
        }
    }
    for (int design = 0; design < 4; ++design) {
        const std::string what = "back " + std::to_string(design);
        const QImage back = cell(backs, design / 2, design % 2);
        EXPECT_TRUE(KeyOnlyInCorners(back, key, what.c_str(), 2));
        EXPECT_TRUE(NoFringeBesideTheKey(back, key, what.c_str()));
    }
}
