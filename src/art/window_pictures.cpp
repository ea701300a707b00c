// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/art_colours.h"
#include "art/art_painting.h"
#include "art/window_art.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

qreal UsableRatio(qreal ratio) {
    return ratio > 0 ? ratio : 1;
}

// The device pixels of a picture of width x height logical pixels at the ratio.
QSize DeviceSize(int width, int height, qreal ratio) {
    return QSize(std::max(1, qRound(width * ratio)), std::max(1, qRound(height * ratio)));
}

// Makes the painter's logical width x height cover the picture's device pixels exactly; at a
// ratio such as 1.5 the rounding stretches the drawing by a fraction of a pixel at most.
void FitToDevice(QPainter& painter, const QImage& picture, int width, int height) {
    if (picture.width() != width || picture.height() != height) {
        painter.scale(qreal(picture.width()) / width, qreal(picture.height()) / height);
    }
}

QImage TransparentCanvas(QSize size) {
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

QImage WhitePicture(int width, int height, qreal ratio) {
    QImage picture(DeviceSize(width, height, ratio), QImage::Format_RGB888);
    picture.fill(PaperWhite);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QPen Ink(double width) {
    return QPen(QColor(InkOutline), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A cartoon hand pointing to the right, its red cuff on the left, in a 55 x 55 square.
void PaintHandPointingRight(QPainter& painter) {
    const QColor skin(Skin);
    // Cuff with two gold buttons.
    painter.setPen(Ink(1.4));
    painter.setBrush(QColor(SuitRed));
    painter.drawRoundedRect(QRectF(2, 12.5, 12.5, 31), 3, 3);
    painter.setPen(QPen(QColor(150, 8, 20), 1.4));
    painter.drawLine(QPointF(6.5, 15), QPointF(6.5, 41));
    painter.setPen(Ink(0.6));
    painter.setBrush(QColor(CourtGold));
    painter.drawEllipse(QPointF(10.5, 20), 1.6, 1.6);
    painter.drawEllipse(QPointF(10.5, 36), 1.6, 1.6);
    // Back of the hand.
    painter.setPen(Ink(1.4));
    painter.setBrush(skin);
    painter.drawRoundedRect(QRectF(13.5, 14.5, 23, 29), 9, 9);
    // Three curled fingers under the pointing one.
    for (int i = 0; i < 3; ++i) {
        painter.drawRoundedRect(QRectF(28, 24.5 + 6.4 * i, 12.5, 7.2), 3.6, 3.6);
    }
    // Pointing finger with its nail and a crease.
    painter.drawRoundedRect(QRectF(25, 14.5, 28, 10.5), 5.2, 5.2);
    painter.setPen(Ink(0.8));
    painter.setBrush(QColor(252, 230, 212));
    painter.drawRoundedRect(QRectF(44.5, 16, 6, 4.6), 2, 2);
    painter.drawLine(QPointF(37.5, 17.5), QPointF(37.5, 22));
    // Thumb lying across the curled fingers.
    painter.setPen(Ink(1.4));
    painter.setBrush(skin);
    QPainterPath thumb;
    thumb.moveTo(17, 27.5);
    thumb.cubicTo(23, 26, 30, 26.5, 33.5, 29.5);
    thumb.cubicTo(35.5, 31.5, 34.5, 35.5, 31.5, 35);
    thumb.cubicTo(27, 34.5, 21, 34.5, 17, 34.5);
    painter.drawPath(thumb);
}

} // namespace

QImage ButtonPicture(const QString& caption, int width, int height, qreal ratio) {
    if (width <= 0 || height <= 0) {
        return QImage();
    }
    ratio = UsableRatio(ratio);
    QImage button(DeviceSize(width, height, ratio), QImage::Format_RGB888);
    {
        QPainter painter(&button);
        painter.setRenderHint(QPainter::Antialiasing);
        FitToDevice(painter, button, width, height);
        QLinearGradient fill(0, 0, 0, height);
        fill.setColorAt(0, QColor(14, 132, 44));
        fill.setColorAt(1, QColor(4, 92, 28));
        painter.fillRect(QRect(0, 0, width, height), fill);
        painter.setPen(QPen(QColor(112, 212, 112), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(1, 1, width - 2, height - 2));
        painter.setPen(QPen(QColor(60, 160, 70), 1));
        painter.drawRect(QRectF(3.5, 3.5, width - 7, height - 7));

        // The lettering is sized in logical pixels; the painter's scale draws its outlines at
        // the device's resolution.
        QFont font("Liberation Sans");
        font.setBold(true);
        font.setPixelSize(std::max(6, height * 9 / 20));
        const QString text = caption.toUpper();
        while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width - 12) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        painter.setFont(font);
        painter.setPen(QColor(0, 40, 10));
        painter.drawText(QRectF(1, 1, width, height), Qt::AlignCenter, text);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, width, height), Qt::AlignCenter, text);
    }
    button.setDevicePixelRatio(ratio);
    return button;
}

QImage TurnArrowPicture(int picture, qreal ratio) {
    ratio = UsableRatio(ratio);
    if (picture < 1 || picture > 4) {
        return WhitePicture(55, 55, ratio);
    }
    QImage hand = TransparentCanvas(DeviceSize(55, 55, ratio));
    {
        QPainter painter(&hand);
        painter.setRenderHint(QPainter::Antialiasing);
        FitToDevice(painter, hand, 55, 55);
        // 1 left, 2 up, 3 right, 4 down: quarter turns from the right-pointing hand.
        const int turn[5] = {0, 180, 270, 0, 90};
        painter.translate(27.5, 27.5);
        painter.rotate(turn[picture]);
        if (picture == 1) {
            painter.scale(1, -1); // keep the thumb on top when pointing left
        }
        painter.translate(-27.5, -27.5);
        PaintHandPointingRight(painter);
    }
    QImage flat = FlattenForTransparentShowing(hand);
    flat.setDevicePixelRatio(ratio);
    return flat;
}

QImage SuitMarkerPicture(int suit, qreal ratio) {
    ratio = UsableRatio(ratio);
    if (suit < 0 || suit > 3) {
        return WhitePicture(55, 55, ratio);
    }
    const bool heart = suit == 2;
    const int width = heart ? 60 : 55;
    const int height = heart ? 57 : 55;
    QImage marker = TransparentCanvas(DeviceSize(width, height, ratio));
    {
        QPainter painter(&marker);
        painter.setRenderHint(QPainter::Antialiasing);
        FitToDevice(painter, marker, width, height);
        // The heart's picture is larger but only its top-left 55 x 55 is shown.
        PaintPip(painter, suit, heart ? QRectF(5.5, 6.5, 44, 42) : QRectF(6.5, 5.5, 42, 44));
    }
    QImage flat = FlattenForTransparentShowing(marker);
    flat.setDevicePixelRatio(ratio);
    return flat;
}

QImage WindowIconPicture(qreal ratio) {
    ratio = UsableRatio(ratio);
    // The icon is drawn at its size in device pixels, never enlarged from the small one.
    QImage icon = AppIconPicture(qRound(32 * ratio));
    icon.setDevicePixelRatio(ratio);
    return icon;
}
