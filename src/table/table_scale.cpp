// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_scale.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The window as designed, frame included; what the scale is judged by.
constexpr QSize kDesignOuter(1024, 760);
constexpr QSize kClient(1008, 718);
// Scaled down, the table leaves room for a frame heavier than the design's: some desktops
// draw title bars and borders over sixty pixels deep, and a frame is not scaled with the
// window it frames.
constexpr QSize kHeavyFrame(64, 64);
constexpr double kScaleStep = 0.25;

} // namespace

double ChooseTableScale(QSize available) {
    if (available.width() <= 0 || available.height() <= 0)
        return 1.0;
    const double width = available.width();
    const double height = available.height();
    if (available.width() < kClient.width() + kHeavyFrame.width() ||
        available.height() < kClient.height() + kHeavyFrame.height()) {
        return std::min({1.0, (width - kHeavyFrame.width()) / kClient.width(),
                         (height - kHeavyFrame.height()) / kClient.height()});
    }
    if (width < 1.5 * kDesignOuter.width() || height < 1.5 * kDesignOuter.height())
        return 1.0;
    const double fits =
        std::min(0.9 * width / kDesignOuter.width(), 0.9 * height / kDesignOuter.height());
    return std::max(1.0, std::floor(fits / kScaleStep) * kScaleStep);
}

QPoint PlaceInside(QPoint wanted, QSize outer, const QRect& available) {
    if (available.isEmpty())
        return wanted;
    // Past the right or bottom edge it comes back; the left and top edges win, so a window
    // larger than the area keeps its title bar in view.
    const auto inside = [](int at, int length, int first, int room) {
        return std::max(first, std::min(at, first + room - length));
    };
    return {inside(wanted.x(), outer.width(), available.left(), available.width()),
            inside(wanted.y(), outer.height(), available.top(), available.height())};
}

double ChooseScaleBeforeTheApplication(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ||
        qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
        return 1.0;
    double scale = 1.0;
    {
        // The probe may take Qt's own options out of what it is given; the game's application
        // must still see them.
        int probeArgc = argc;
        std::vector<char*> probeArgv(argv, argv + argc + 1);
        const auto probe = std::make_unique<QGuiApplication>(probeArgc, probeArgv.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            scale = ChooseTableScale(screen->availableGeometry().size());
    }
    if (scale != 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 6));
    return scale;
}
