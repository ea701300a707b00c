// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of our card art. The key colour is the cloth's own green: wherever the table shows
// a key-coloured pixel (a fan's border) it reads as cloth, and no card face or back ever uses it.

#include <QtGui/qrgb.h>

inline constexpr QRgb KeyGreen = qRgb(16, 104, 52);
inline constexpr QRgb ClothGreen = KeyGreen;

inline constexpr QRgb CardWhite = qRgb(252, 252, 248);
inline constexpr QRgb CardEdge = qRgb(92, 92, 92);
inline constexpr QRgb SuitRed = qRgb(206, 18, 32);
inline constexpr QRgb SuitBlack = qRgb(24, 24, 28);
inline constexpr QRgb CourtGold = qRgb(255, 208, 40); // also the reshuffle notice on the cloth
inline constexpr QRgb CourtBlue = qRgb(28, 64, 150);
inline constexpr QRgb CourtCream = qRgb(252, 244, 222);
inline constexpr QRgb Skin = qRgb(250, 212, 170);
inline constexpr QRgb InkOutline = qRgb(30, 26, 24);
inline constexpr QRgb PaperWhite = qRgb(255, 255, 255); // the ground of the window's pictures
