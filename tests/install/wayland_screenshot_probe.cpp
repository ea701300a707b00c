// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the screenshots of the Wayland window test (wayland_window_test.sh).
//
//   wayland_screenshot_probe table SHOT
//     prints "table LEFT TOP WIDTH HEIGHT GREEN_PERCENT HASH": the box round the screenshot's
//     cloth-green pixels, which is the table's client area (the compositor's own background and
//     panel and the window's title bar hold none), how much of that box is green, and a hash of
//     its pixels, which stays the same once the window is fully painted. "table none" when the
//     screenshot has no green at all.
//   wayland_screenshot_probe compare PLAIN FINE LEFT TOP WIDTH HEIGHT OUT
//     cuts the same logical rectangle of the table from a screenshot at scale 1 (PLAIN) and at
//     scale 2 (FINE), writes the two as OUT-1x.png and OUT-2x.png, and prints
//       likeness MEAN        mean channel difference of FINE shrunk smoothly against PLAIN
//       sharpness RATIO      FINE's strongest steps between neighbouring pixels against PLAIN's
//                            (a picture enlarged smoothly, so blurred, has about half as steep)
//       enlarged SHARE       share of FINE's pixels that differ from PLAIN enlarged pixel by
//                            pixel (0 when the window shows the plain picture doubled)

#include <QImage>
#include <QRect>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

bool IsClothGreen(QRgb c) {
    return qGreen(c) >= 60 && qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 20;
}

struct Table {
    QRect box;
    double greenShare = 0;
};

Table FindTable(const QImage& shot) {
    int left = shot.width();
    int top = shot.height();
    int right = -1;
    int bottom = -1;
    long green = 0;
    for (int y = 0; y < shot.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            if (IsClothGreen(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                ++green;
            }
        }
    }
    Table table;
    if (right < 0) {
        return table;
    }
    table.box = QRect(QPoint(left, top), QPoint(right, bottom));
    table.greenShare = double(green) / (double(table.box.width()) * table.box.height());
    return table;
}

unsigned long long PixelHash(const QImage& image) {
    // FNV-1a over the pixels: a change anywhere changes it.
    unsigned long long hash = 1469598103934665603ull;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            hash = (hash ^ (line[x] & 0xffffffu)) * 1099511628211ull;
        }
    }
    return hash;
}

QImage Load(const char* path) {
    const QImage shot(QString::fromLocal8Bit(path));
    return shot.convertToFormat(QImage::Format_RGB32);
}

int Luma(QRgb c) {
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
}

// The mean of the steepest 2% of the steps between neighbouring pixels.
double Steepness(const QImage& image) {
    std::vector<int> steps;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int here = Luma(image.pixel(x, y));
            if (x + 1 < image.width()) {
                steps.push_back(std::abs(here - Luma(image.pixel(x + 1, y))));
            }
            if (y + 1 < image.height()) {
                steps.push_back(std::abs(here - Luma(image.pixel(x, y + 1))));
            }
        }
    }
    if (steps.empty()) {
        return 0;
    }
    const size_t count = std::max<size_t>(1, steps.size() / 50);
    std::partial_sort(steps.begin(), steps.begin() + count, steps.end(), std::greater<int>());
    double sum = 0;
    for (size_t i = 0; i < count; ++i) {
        sum += steps[i];
    }
    return sum / count;
}

int TableCommand(const char* path) {
    const QImage shot = Load(path);
    if (shot.isNull()) {
        std::fprintf(stderr, "wayland_screenshot_probe: cannot read %s\n", path);
        return 2;
    }
    const Table table = FindTable(shot);
    if (table.box.isEmpty()) {
        std::printf("table none\n");
        return 0;
    }
    std::printf("table %d %d %d %d %d %llx\n", table.box.left(), table.box.top(), table.box.width(),
                table.box.height(), int(table.greenShare * 100), PixelHash(shot.copy(table.box)));
    return 0;
}

int CompareCommand(char** args) {
    const QImage plainShot = Load(args[0]);
    const QImage fineShot = Load(args[1]);
    if (plainShot.isNull() || fineShot.isNull()) {
        std::fprintf(stderr, "wayland_screenshot_probe: cannot read the screenshots\n");
        return 2;
    }
    const QRect logical(std::atoi(args[2]), std::atoi(args[3]), std::atoi(args[4]),
                        std::atoi(args[5]));
    const QPoint plainOrigin = FindTable(plainShot).box.topLeft();
    const QPoint fineOrigin = FindTable(fineShot).box.topLeft();
    const QImage plain = plainShot.copy(logical.translated(plainOrigin));
    const QImage fine =
        fineShot.copy(QRect(fineOrigin + logical.topLeft() * 2, logical.size() * 2));
    const QString out = QString::fromLocal8Bit(args[6]);
    plain.save(out + "-1x.png", "PNG");
    fine.save(out + "-2x.png", "PNG");

    const QImage shrunk =
        fine.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage enlarged =
        plain.scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    double sum = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = plain.pixel(x, y);
            const QRgb b = shrunk.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    }
    long differing = 0;
    for (int y = 0; y < fine.height(); ++y) {
        for (int x = 0; x < fine.width(); ++x) {
            differing += (fine.pixel(x, y) & 0xffffffu) != (enlarged.pixel(x, y) & 0xffffffu);
        }
    }
    const double plainSteepness = Steepness(plain);
    std::printf("likeness %.2f\n", sum / (3.0 * plain.width() * plain.height()));
    std::printf("sharpness %.2f\n", plainSteepness > 0 ? Steepness(fine) / plainSteepness : 0);
    std::printf("enlarged %.3f\n", double(differing) / (double(fine.width()) * fine.height()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) {
            list << QString::fromLocal8Bit(argv[i]);
        }
        return list;
    }();
    if (args.size() == 2 && args[0] == "table") {
        return TableCommand(argv[2]);
    }
    if (args.size() == 8 && args[0] == "compare") {
        return CompareCommand(argv + 2);
    }
    std::fprintf(stderr, "usage: wayland_screenshot_probe table SHOT | "
                         "wayland_screenshot_probe compare PLAIN FINE LEFT TOP WIDTH HEIGHT OUT\n");
    return 2;
}
