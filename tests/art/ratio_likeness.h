// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks shared by the art tests for pictures painted at a device pixel ratio: the right device
// size, the same drawing as the plain picture, and painted anew rather than enlarged.

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

struct Likeness {
    // The share of device pixels that differ from the plain picture enlarged pixel by pixel
    // (0 for a pixel-doubled picture).
    double enlargedShare = 0;
    // The mean difference of a colour channel (0..255) between the picture shrunk smoothly to
    // the plain size and the plain picture.
    double meanDifference = 0;
};

inline Likeness CompareWithPlain(const QImage& plain, const QImage& fine) {
    const QImage one = plain.convertToFormat(QImage::Format_ARGB32);
    QImage many = fine.convertToFormat(QImage::Format_ARGB32);
    many.setDevicePixelRatio(1);
    const QImage enlarged = one.scaled(many.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    long differing = 0;
    for (int y = 0; y < many.height(); ++y) {
        for (int x = 0; x < many.width(); ++x) {
            differing += enlarged.pixel(x, y) != many.pixel(x, y) ? 1 : 0;
        }
    }
    const QImage shrunk = many.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = shrunk.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    }
    Likeness likeness;
    likeness.enlargedShare = double(differing) / (double(many.width()) * many.height());
    likeness.meanDifference = sum / (3.0 * one.width() * one.height());
    return likeness;
}

// The picture at the ratio has the plain picture's size times the ratio, rounded, carries the
// ratio, shows the same drawing (within meanLimit) and is no enlargement of the plain one.
inline void ExpectRepaintedAtRatio(const QImage& plain, const QImage& fine, double ratio,
                                   double meanLimit, const std::string& what) {
    ASSERT_FALSE(fine.isNull()) << what;
    EXPECT_EQ(fine.width(), std::lround(plain.width() * ratio)) << what;
    EXPECT_EQ(fine.height(), std::lround(plain.height() * ratio)) << what;
    EXPECT_DOUBLE_EQ(fine.devicePixelRatio(), ratio) << what;
    const Likeness likeness = CompareWithPlain(plain, fine);
    // Curves and lettering land on other pixels when they are drawn finer; an enlargement
    // would change none.
    EXPECT_GT(likeness.enlargedShare, 0.03) << what << ": the plain picture enlarged";
    EXPECT_LT(likeness.meanDifference, meanLimit) << what << ": another drawing";
}
