// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop icon at every installed size: the window icon's two cards on a clear ground,
// the heart red and the spade black wherever the size puts them, written as an icon theme's
// tree.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <gtest/gtest.h>

#include "art/window_art.h"
#include "temp_folder.h"

namespace {

bool IsRed(QRgb pixel) {
    return qAlpha(pixel) == 255 && qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool IsBlack(QRgb pixel) {
    return qAlpha(pixel) == 255 && qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

} // namespace

TEST(AppIcon, EverySizeShowsBothCardsOnAClearGround) {
    for (const int size : AppIconSizes()) {
        const QImage icon = AppIconPicture(size);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        const int last = size - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << size << " corner " << corner.x();
        // Places on the 32-pixel layout: the heart's uncovered lobe, the spade's body.
        const double unit = size / 32.0;
        EXPECT_TRUE(IsRed(icon.pixel(QPointF(7.5 * unit, 13 * unit).toPoint()))) << size;
        EXPECT_TRUE(IsBlack(icon.pixel(QPointF(20 * unit, 15.5 * unit).toPoint()))) << size;
    }
}

TEST(AppIcon, WritesAnIconThemeTree) {
    TempFolder folder;
    const QString root = QString::fromStdString(folder.Path()) + QStringLiteral("/hicolor");
    ASSERT_TRUE(WriteAppIcons(root, QStringLiteral("org.example.Test")));
    for (const int size : AppIconSizes()) {
        const QString file =
            QStringLiteral("%1/%2x%2/apps/org.example.Test.png").arg(root).arg(size);
        QImageReader reader(file);
        EXPECT_EQ(reader.format(), "png") << size;
        EXPECT_EQ(reader.size(), QSize(size, size)) << size;
        EXPECT_EQ(reader.read().convertToFormat(QImage::Format_ARGB32),
                  AppIconPicture(size).convertToFormat(QImage::Format_ARGB32))
            << size;
    }
    // The desktop's 32-pixel icon is the very picture the window shows in its title bar.
    const QImage menuIcon(QStringLiteral("%1/32x32/apps/org.example.Test.png").arg(root));
    EXPECT_EQ(menuIcon.convertToFormat(QImage::Format_ARGB32),
              WindowIconPicture().convertToFormat(QImage::Format_ARGB32));
    // A plain file where the theme's folder should be: nothing can be written.
    QFile blocker(QString::fromStdString(folder.Path()) + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(WriteAppIcons(blocker.fileName(), QStringLiteral("x")));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // pictures need no screen
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
