// SPDX-License-Identifier: GPL-3.0-or-later
// The table's size and place on the screens players have: whatever the screen and the frame
// round the window, the whole window lies in the screen's free area and the client keeps its
// design size in logical pixels.
#include <QMargins>
#include <QRect>
#include <QRectF>

#include <cmath>
#include <string>

#include "table/table_scale.h"
#include "table/tform1.h"
#include "table_fixture.h"

namespace {

struct Screen {
    const char* name;
    QSize size;
    int panel; // the desktop's own panel along the top
};

// Where the window ends up on the screen, in the screen's own pixels, after the scale is
// chosen and Qt has applied it: every logical length is then `scale` device pixels, except the
// frame, which the desktop draws unscaled.
struct Outcome {
    double scale;
    QRectF window; // frame included
    QSize client;  // logical
    QRect available;
};

Outcome Place(const Screen& screen, const QMargins& frame) {
    const QRect available(0, screen.panel, screen.size.width(),
                          screen.size.height() - screen.panel);
    const double scale = ChooseTableScale(available.size());
    const auto logical = [scale](int device) {
        return static_cast<int>(std::lround(device / scale));
    };
    const QMargins logicalFrame(logical(frame.left()), logical(frame.top()), logical(frame.right()),
                                logical(frame.bottom()));
    const QRect logicalAvailable(logical(available.x()), logical(available.y()),
                                 logical(available.width()), logical(available.height()));
    const QSize client = TForm1::ClientSizeFor(logicalFrame);
    const QPoint at = PlaceInside(TForm1::CentredWindowPosition(QSize(
                                      logical(screen.size.width()), logical(screen.size.height()))),
                                  client.grownBy(logicalFrame), logicalAvailable);
    const QRectF window(at.x() * scale, at.y() * scale,
                        client.width() * scale + frame.left() + frame.right(),
                        client.height() * scale + frame.top() + frame.bottom());
    return {scale, window, client, available};
}

// Inside but for the rounding of one device pixel.
bool Inside(const QRect& area, const QRectF& window) {
    return window.left() >= area.left() - 1 && window.top() >= area.top() - 1 &&
           window.right() <= area.left() + area.width() + 1 &&
           window.bottom() <= area.top() + area.height() + 1;
}

} // namespace

TEST(TableScale, EveryScreenShowsTheWholeTableAtItsDesignSize) {
    const Screen screens[] = {
        {"1280 x 720", {1280, 720}, 0},    {"1366 x 768 with a panel", {1366, 768}, 32},
        {"1366 x 768", {1366, 768}, 0},    {"1920 x 1080", {1920, 1080}, 32},
        {"2560 x 1440", {2560, 1440}, 32}, {"3840 x 2160", {3840, 2160}, 0},
    };
    const QMargins frames[] = {QMargins(8, 34, 8, 8), QMargins(32, 30, 32, 29), QMargins()};
    for (const Screen& screen : screens) {
        for (const QMargins& frame : frames) {
            SCOPED_TRACE(std::string(screen.name) + ", frame " + std::to_string(frame.top()));
            const Outcome placed = Place(screen, frame);
            EXPECT_TRUE(Inside(placed.available, placed.window))
                << placed.window.x() << "," << placed.window.y() << " " << placed.window.width()
                << "x" << placed.window.height();
            EXPECT_GE(placed.client.width(), 1008);
            EXPECT_GE(placed.client.height(), 718);
        }
    }
}

TEST(TableScale, SmallScreensShrinkLargeOnesGrowInQuarterSteps) {
    EXPECT_EQ(ChooseTableScale({1920, 1048}), 1.0);
    EXPECT_EQ(ChooseTableScale({1366, 782}), 1.0);
    EXPECT_LT(ChooseTableScale({1366, 768}), 1.0); // a frame of 64 pixels would not fit
    EXPECT_LT(ChooseTableScale({1366, 736}), ChooseTableScale({1366, 768}));
    EXPECT_LT(ChooseTableScale({1280, 720}), ChooseTableScale({1366, 736}));
    EXPECT_GT(ChooseTableScale({1280, 720}), 0.9);
    // From one and a half times the window each way, the largest quarter step within 90 %.
    EXPECT_EQ(ChooseTableScale({1535, 1200}), 1.0);
    EXPECT_EQ(ChooseTableScale({1536, 1140}), 1.25);
    EXPECT_EQ(ChooseTableScale({2560, 1408}), 1.5);
    EXPECT_EQ(ChooseTableScale({3840, 2160}), 2.5);
    EXPECT_EQ(ChooseTableScale({7680, 4320}), 5.0);
    EXPECT_EQ(ChooseTableScale({0, 0}), 1.0); // a screen that tells nothing
}

TEST(TableScale, AWindowOutsideTheFreeAreaComesBackWithItsTitleBar) {
    const QRect available(0, 32, 1366, 736);
    EXPECT_EQ(PlaceInside({171, 0}, {1024, 760}, available), QPoint(171, 32));
    EXPECT_EQ(PlaceInside({100, 100}, {1024, 700}, available), QPoint(100, 68));
    EXPECT_EQ(PlaceInside({500, 40}, {1024, 700}, available), QPoint(342, 40));
    // Larger than the area: the top-left corner stays on it.
    EXPECT_EQ(PlaceInside({-20, -18}, {1400, 800}, available), QPoint(0, 32));
    // Where it fits it stays where the design puts it.
    EXPECT_EQ(PlaceInside({448, 160}, {1024, 760}, QRect(0, 0, 1920, 1080)), QPoint(448, 160));
}

TEST(TableScale, AHeavyFrameNeverShrinksTheClient) {
    EXPECT_EQ(TForm1::ClientSizeFor(QMargins(8, 34, 8, 8)), QSize(1008, 718));
    EXPECT_EQ(TForm1::ClientSizeFor(QMargins()), QSize(1020, 756)); // the cloth's four tiles
    EXPECT_EQ(TForm1::ClientSizeFor(QMargins(32, 30, 32, 29)), QSize(1008, 718));
    EXPECT_EQ(TForm1::ClientSizeFor(QMargins(4, 20, 4, 4)), QSize(1016, 736));
}
