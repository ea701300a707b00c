// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own pictures: the card sheets the game reads from its working folder and the pictures the
// table window draws for its buttons, turn arrows and suit markers. Everything is painted with
// code, so the same build always gives the same pixels.

#include <QImage>
#include <QString>
#include <QtGui/qrgb.h>
#include <array>

// A green rectangle with a lighter green border and the caption in white capitals.
QImage ButtonPicture(const QString& caption, int width, int height);

// A pointing hand with a red cuff on white, 55 x 55: 1 = left, 2 = up, 3 = right, 4 = down.
// Any other value gives a plain white picture.
QImage TurnArrowPicture(int picture);

// A suit marker on white: 0 diamonds, 1 clubs, 3 spades are 55 x 55; 2 hearts is 60 x 57.
// Any other value gives a plain white 55 x 55 picture.
QImage SuitMarkerPicture(int suit);

// The window icon, 32 x 32.
QImage WindowIconPicture();

// The program's icon for the desktop's menus: the window icon's two cards, painted at any size.
// At 32 pixels it is the window icon itself.
QImage AppIconPicture(int size);
// The sizes the desktop icon is installed at, smallest first.
const std::array<int, 6>& AppIconSizes();
// Writes folder/<n>x<n>/apps/<name>.png for every installed size, as in an icon theme.
bool WriteAppIcons(const QString& folder, const QString& name);

// The three sheets, in memory, as Format_RGB888.
QImage DeckSheet();       // 1022 x 392: 14 ranks (ace..king, joker) by 4 suits of 73 x 98 cells
QImage PatternsSheet();   // 146 x 196: four card backs of 73 x 98
QImage BackgroundSheet(); // the green table cloth

// Writes "deck.bmp", "cardpatterns.bmp" and "background.bmp" into folder as 24-bit bitmaps.
// Returns false if the folder is missing or any file cannot be written.
bool WriteGameArt(const QString& folder);

// The colour outside every card's rounded outline on both sheets; it appears on no card face.
QRgb ArtKeyColour();

// Maps the font families the window design names ("Calibri", "Comic Sans MS", "MS Sans Serif")
// to the free faces we install. Call once after the QApplication is made.
void InstallFontSubstitutes();
