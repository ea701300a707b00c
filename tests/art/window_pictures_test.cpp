// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/window_art.h"

#include "ratio_likeness.h"

#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

const QRgb White = qRgb(255, 255, 255);

bool IsWhite(QRgb c) {
    return (c & 0xffffff) == (White & 0xffffff);
}

bool IsRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
}

// The centre of the picture's red pixels (the cuff of a turn arrow).
QPointF RedCentre(const QImage& picture) {
    double sx = 0;
    double sy = 0;
    int n = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (IsRed(picture.pixel(x, y))) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    }
    return n == 0 ? QPointF(-1, -1) : QPointF(sx / n, sy / n);
}

} // namespace

TEST(WindowPictures, ButtonsHaveTheirSizesABorderAndWhiteLettering) {
    const std::array<std::tuple<const char*, int, int>, 7> buttons = {{
        {"Deal", 101, 49},
        {"Start", 101, 49},
        {"View Rules", 117, 30},
        {"Exit", 90, 30},
        {"Page Down", 90, 30},
        {"Page Up", 90, 30},
        {"Close", 101, 30},
    }};
    for (const auto& [caption, width, height] : buttons) {
        const QImage button = ButtonPicture(caption, width, height);
        ASSERT_EQ(button.size(), QSize(width, height)) << caption;
        const QRgb border = button.pixel(1, height / 2);
        const QRgb fill = button.pixel(6, height / 2);
        EXPECT_GT(qGreen(border), qGreen(fill) + 30) << caption << ": border lighter than fill";
        EXPECT_GT(qGreen(fill), qRed(fill) + 40) << caption << ": a green button";
        int white = 0;
        for (int x = 0; x < width; ++x) {
            white += IsWhite(button.pixel(x, height / 2)) ? 1 : 0;
        }
        EXPECT_GT(white, 3) << caption << ": lettering across the middle";
    }
    EXPECT_NE(ButtonPicture("EXIT", 90, 30), ButtonPicture("CLOSE", 90, 30));
    EXPECT_EQ(ButtonPicture("exit", 90, 30), ButtonPicture("EXIT", 90, 30));
    EXPECT_TRUE(ButtonPicture("DEAL", 0, 49).isNull());
}

TEST(WindowPictures, TurnArrowsPointTheRightWayOnWhite) {
    // The cuff lies opposite the pointing finger: 1 left, 2 up, 3 right, 4 down.
    for (int picture = 1; picture <= 4; ++picture) {
        const QImage hand = TurnArrowPicture(picture);
        ASSERT_EQ(hand.size(), QSize(55, 55));
        EXPECT_TRUE(IsWhite(hand.pixel(0, 54))) << picture;
        const QPointF cuff = RedCentre(hand);
        ASSERT_GE(cuff.x(), 0) << picture << ": a red cuff";
        EXPECT_EQ(cuff.x() > 33, picture == 1) << picture;
        EXPECT_EQ(cuff.y() > 33, picture == 2) << picture;
        EXPECT_EQ(cuff.x() < 22, picture == 3) << picture;
        EXPECT_EQ(cuff.y() < 22, picture == 4) << picture;
    }
    const QImage blank = TurnArrowPicture(0);
    EXPECT_EQ(blank.size(), QSize(55, 55));
    EXPECT_TRUE(IsWhite(blank.pixel(27, 27)));
}

TEST(WindowPictures, SuitMarkersAreColouredSymbolsOnWhite) {
    const std::array<QSize, 4> sizes = {QSize(55, 55), QSize(55, 55), QSize(60, 57), QSize(55, 55)};
    for (int suit = 0; suit < 4; ++suit) {
        const QImage marker = SuitMarkerPicture(suit);
        ASSERT_EQ(marker.size(), sizes[suit]) << suit;
        EXPECT_TRUE(IsWhite(marker.pixel(0, marker.height() - 1))) << suit;
        const QRgb middle = marker.pixel(27, 27);
        if (suit == 0 || suit == 2) {
            EXPECT_TRUE(IsRed(middle)) << suit;
        } else {
            EXPECT_LT(qRed(middle) + qGreen(middle) + qBlue(middle), 150) << suit;
        }
        // Transparent showing drops white, so the symbol itself must hold none.
        int whiteInside = 0;
        for (int x = 20; x < 35; ++x) {
            whiteInside += IsWhite(marker.pixel(x, 27)) ? 1 : 0;
        }
        EXPECT_EQ(whiteInside, 0) << suit;
    }
}

TEST(WindowPictures, IconIsThirtyTwoSquare) {
    const QImage icon = WindowIconPicture();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_NE(icon.pixel(16, 16), icon.pixel(0, 0));
}

TEST(WindowPictures, AtARatioEveryPictureIsRepaintedAtTheDeviceResolution) {
    for (const double ratio : {2.0, 1.5}) {
        const std::string at = " at " + std::to_string(ratio);
        for (const auto& [caption, width, height] :
             {std::tuple{"View Rules", 117, 30}, {"Deal", 101, 49}, {"Page Down", 90, 30}}) {
            ExpectRepaintedAtRatio(ButtonPicture(caption, width, height),
                                   ButtonPicture(caption, width, height, ratio), ratio, 12,
                                   caption + at);
        }
        for (int picture = 1; picture <= 4; ++picture) {
            const QImage hand = TurnArrowPicture(picture, ratio);
            const std::string what = "arrow " + std::to_string(picture) + at;
            ExpectRepaintedAtRatio(TurnArrowPicture(picture), hand, ratio, 12, what);
            // Shown transparent: the window leaves out the colour of the bottom-left pixel.
            EXPECT_TRUE(IsWhite(hand.pixel(0, hand.height() - 1))) << what;
        }
        for (int suit = 0; suit < 4; ++suit) {
            const QImage marker = SuitMarkerPicture(suit, ratio);
            const std::string what = "marker " + std::to_string(suit) + at;
            ExpectRepaintedAtRatio(SuitMarkerPicture(suit), marker, ratio, 12, what);
            EXPECT_TRUE(IsWhite(marker.pixel(0, marker.height() - 1))) << what;
            int whiteInside = 0;
            for (int x = int(20 * ratio); x < int(35 * ratio); ++x) {
                whiteInside += IsWhite(marker.pixel(x, int(27 * ratio))) ? 1 : 0;
            }
            EXPECT_EQ(whiteInside, 0) << what;
        }
        ExpectRepaintedAtRatio(WindowIconPicture(), WindowIconPicture(ratio), ratio, 12,
                               "icon" + at);
        const QImage blank = TurnArrowPicture(0, ratio);
        EXPECT_EQ(blank.size(), TurnArrowPicture(1, ratio).size()) << at;
        EXPECT_DOUBLE_EQ(blank.devicePixelRatio(), ratio) << at;
        EXPECT_TRUE(IsWhite(blank.pixel(blank.width() / 2, blank.height() / 2))) << at;
    }
    // A ratio that is not positive paints the plain picture.
    EXPECT_EQ(ButtonPicture("Exit", 90, 30, 0), ButtonPicture("Exit", 90, 30));
}

TEST(WindowPictures, DesignFontsHaveFreeStandIns) {
    InstallFontSubstitutes();
    EXPECT_EQ(QFontInfo(QFont("Calibri")).family(), "Carlito");
    EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family(), "Comic Neue");
    EXPECT_EQ(QFontInfo(QFont("MS Sans Serif")).family(), "Liberation Sans");
}
