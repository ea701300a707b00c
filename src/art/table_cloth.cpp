// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/window_art.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr int ClothWidth = 512;
constexpr int ClothHeight = 384;
constexpr int LumpSpacing = 32;

// Smooth, faint lumps of the felt: random heights on a coarse grid, blended between grid points.
class FeltLumps {
  public:
    explicit FeltLumps(std::mt19937& random)
        : columns_(ClothWidth / LumpSpacing + 2), rows_(ClothHeight / LumpSpacing + 2),
          heights_(columns_ * rows_) {
        for (double& h : heights_) {
            h = static_cast<int>(random() % 9) - 4;
        }
    }

    // Between grid points the height is blended; x and y may fall between pixels.
    double At(double x, double y) const {
        const double gx = std::max(0.0, x) / LumpSpacing;
        const double gy = std::max(0.0, y) / LumpSpacing;
        const int x0 = int(gx);
        const int y0 = int(gy);
        const double fx = Smooth(gx - x0);
        const double fy = Smooth(gy - y0);
        const double top = Mix(Height(x0, y0), Height(x0 + 1, y0), fx);
        const double bottom = Mix(Height(x0, y0 + 1), Height(x0 + 1, y0 + 1), fx);
        return Mix(top, bottom, fy);
    }

  private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Mix(double a, double b, double t) { return a + (b - a) * t; }
    double Height(int x, int y) const { return heights_[y * columns_ + x]; }

    int columns_;
    int rows_;
    std::vector<double> heights_;
};

int Clamp(double v) {
    return std::clamp(int(v + 0.5), 0, 255);
}

} // namespace

QImage BackgroundSheet(int ratio) {
    ratio = std::max(1, ratio);
    // A fixed seed: the same cloth at every build.
    std::mt19937 random(20240613u);
    const FeltLumps lumps(random);
    QImage cloth(ClothWidth * ratio, ClothHeight * ratio, QImage::Format_RGB888);
    const std::array<double, 3> base = {double(qRed(ClothGreen)), double(qGreen(ClothGreen)),
                                        double(qBlue(ClothGreen))};
    // The lumps and the twill lie where they lie on the plain sheet; the grain is drawn at every
    // device pixel, as fine as the screen shows it.
    for (int y = 0; y < cloth.height(); ++y) {
        for (int x = 0; x < cloth.width(); ++x) {
            const int grain = static_cast<int>(random() % 7) - 3;
            const int tx = x / ratio;
            const int ty = y / ratio;
            const int twill = ((tx + 2 * ty) % 6 == 0) ? -2 : 0;
            const double lump = ratio == 1
                                    ? lumps.At(x, y)
                                    : lumps.At((x + 0.5) / ratio - 0.5, (y + 0.5) / ratio - 0.5);
            const double light = lump + grain + twill;
            cloth.setPixel(x, y,
                           qRgb(Clamp(base[0] + light * 0.4), Clamp(base[1] + light),
                                Clamp(base[2] + light * 0.6)));
        }
    }
    cloth.setDevicePixelRatio(ratio);
    return cloth;
}
