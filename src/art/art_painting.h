// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared drawing helpers of the art generator: suit shapes, fitted lettering and the rounded card
// shape that every face and back is cut to.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

inline constexpr int CardWidth = 73;
inline constexpr int CardHeight = 98;
inline constexpr int CardCornerRadius = 6;

// The suit's outline in the given box: 0 diamonds, 1 clubs, 2 hearts, 3 spades.
QPainterPath SuitPath(int suit, const QRectF& box);
// The same shape with the spade's and club's pieces joined at the box's own size, so the curves
// stay smooth however large the box; the card sheets keep the first.
QPainterPath LargeSuitPath(int suit, const QRectF& box);
QColor SuitColour(int suit);
bool IsRedSuit(int suit);

// Draws a suit pip; an upside-down pip is turned half round about the box's centre.
class QPainter;
void PaintPip(QPainter& painter, int suit, const QRectF& box, bool upsideDown = false);
// Fills the suit's shape in the box with the painter's brush. Where the painter enlarges (a
// sheet painted at a higher ratio) the pieces are joined at the size they reach the pixels, so
// a large pip's curves are as smooth as the resolution allows; unscaled it is SuitPath.
void DrawSuitShape(QPainter& painter, int suit, const QRectF& box);

// The text's outline in a bold face, scaled to fill the box's height and squeezed to its width.
QPainterPath LetteringPath(const QString& text, const QRectF& box, const QString& family,
                           int weight = 700);

// A fresh card: a canvas of 73 x 98 logical pixels at a whole-number ratio (device pixels
// ratio times as many each way), filled with the ground colour.
QImage CardCanvas(QRgb ground, int ratio = 1);

// True when the device pixel lies on the rounded card (its outline included) of a card canvas
// at that ratio.
bool InsideCardShape(int x, int y, int ratio = 1);

// Cuts the card to its rounded shape: the key colour exactly outside, with no blended fringe (the
// table keys it out pixel by pixel), and a grey edge one logical pixel wide along the outline.
void CutCardShape(QImage& card, int ratio = 1);

// The painted cells of the sheets, at a whole-number ratio; the images carry no device pixel
// ratio of their own, so they are laid on a sheet pixel for pixel.
QImage CardFace(int rank, int suit, int ratio = 1);
QImage CardBack(int design, int ratio = 1);

// Parts of a face, painted onto a painter set up on a card canvas.
void PaintCornerIndex(QPainter& painter, const QString& rank, int suit);
void PaintCourtPanel(QPainter& painter, int rank, int suit);
void PaintJokerFace(QPainter& painter, int suit);

// A drawing for transparent showing: the drawing (on a transparent ARGB canvas) is laid on pure
// white, which the window leaves out. Partly covered edge pixels are blended with the cloth green
// instead of white, so the edge looks smooth on the table, and no drawn pixel is pure white.
QImage FlattenForTransparentShowing(const QImage& drawing);
