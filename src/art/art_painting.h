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

// The text's outline in a bold face, scaled to fill the box's height and squeezed to its width.
QPainterPath LetteringPath(const QString& text, const QRectF& box, const QString& family,
                           int weight = 700);

// A fresh card: a white 73 x 98 canvas ready for painting.
QImage CardCanvas(QRgb ground);

// True when the pixel lies on the rounded card (its outline included).
bool InsideCardShape(int x, int y);

// Cuts the card to its rounded shape: key colour outside, a thin grey edge along the outline.
void CutCardShape(QImage& card);

// The painted cells of the sheets.
QImage CardFace(int rank, int suit);
QImage CardBack(int design);

// Parts of a face, painted onto a painter set up on a card canvas.
void PaintCornerIndex(QPainter& painter, const QString& rank, int suit);
void PaintCourtPanel(QPainter& painter, int rank, int suit);
void PaintJokerFace(QPainter& painter, int suit);

// A drawing for transparent showing: the drawing (on a transparent ARGB canvas) is laid on pure
// white, which the window leaves out. Partly covered edge pixels are blended with the cloth green
// instead of white, so the edge looks smooth on the table, and no drawn pixel is pure white.
QImage FlattenForTransparentShowing(const QImage& drawing);
