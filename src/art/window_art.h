// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own pictures: the card sheets the game reads from its working folder and the pictures the
// table window draws for its buttons, turn arrows and suit markers. Everything is painted with
// code, so the same build always gives the same pixels.
//
// Every picture can be painted at a device pixel ratio: the same drawing on an image of the
// logical size times the ratio (rounded) in device pixels, carrying that ratio, so a scaled
// screen shows it as sharp as its text. Ratio 1, the default, gives the plain pictures.

#include <QImage>
#include <QString>
#include <QtGui/qrgb.h>
#include <array>
#include <vector>

// A green rectangle with a lighter green border and the caption in white capitals; width and
// height are logical pixels.
QImage ButtonPicture(const QString& caption, int width, int height, qreal ratio = 1);

// A pointing hand with a red cuff on white, 55 x 55: 1 = left, 2 = up, 3 = right, 4 = down.
// Any other value gives a plain white picture. The white is left out by transparent showing.
QImage TurnArrowPicture(int picture, qreal ratio = 1);

// A suit marker on white: 0 diamonds, 1 clubs, 3 spades are 55 x 55; 2 hearts is 60 x 57.
// Any other value gives a plain white 55 x 55 picture.
QImage SuitMarkerPicture(int suit, qreal ratio = 1);

// The window icon, 32 x 32.
QImage WindowIconPicture(qreal ratio = 1);

// The program's icon for the desktop's menus: the window icon's two cards, painted at any size.
// At 32 pixels it is the window icon itself.
QImage AppIconPicture(int size);
// The sizes the desktop icon is installed at, smallest first.
const std::array<int, 6>& AppIconSizes();
// Writes folder/<n>x<n>/apps/<name>.png for every installed size, as in an icon theme.
bool WriteAppIcons(const QString& folder, const QString& name);

// The three sheets, in memory, as Format_RGB888, at a whole-number ratio (below 1 counts as 1):
// every length in device pixels is the ratio times the one given here.
QImage DeckSheet(int ratio = 1);       // 1022 x 392: 14 ranks (ace..king, joker) by 4 suits
                                       // of 73 x 98 cells
QImage PatternsSheet(int ratio = 1);   // 146 x 196: four card backs of 73 x 98
QImage BackgroundSheet(int ratio = 1); // the green table cloth, 512 x 384

// The ratios the game's sheets are written at, 1 first.
const std::vector<int>& GameArtRatios();
// A sheet's file name at a ratio: "deck.bmp" at 1, "deck@2x.bmp" at 2.
QString GameArtFileName(const QString& name, int ratio);

// Writes "deck.bmp", "cardpatterns.bmp" and "background.bmp", and the same sheets at the other
// ratios of GameArtRatios ("deck@2x.bmp", ...), into folder as 24-bit bitmaps.
// Returns false if the folder is missing or any file cannot be written.
bool WriteGameArt(const QString& folder);

// The colour outside every card's rounded outline on both sheets; it appears on no card face.
QRgb ArtKeyColour();

// Maps the font families the window design names ("Calibri", "Comic Sans MS", "MS Sans Serif")
// to the free faces we install. Call once after the QApplication is made.
void InstallFontSubstitutes();
