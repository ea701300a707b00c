// SPDX-License-Identifier: GPL-3.0-or-later
// How large the table is drawn on the player's screen, and where its window goes. The table is
// designed in logical pixels (a 1008 x 718 client in a 1024 x 760 window); Qt multiplies every
// logical pixel by one scale for the whole program, and Qt 6.4 reads that scale only when the
// application object is made. So the screen is measured first, with a short-lived
// application of its own, and the scale set before the game's application is made.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The scale for a screen whose free area (below panels, beside docks) is available, in the
// screen's own logical pixels: 1 where the table fits with room for a heavy frame and the
// screen is not much larger; below 1 where it would not, so that the table and such a frame
// do; in steps of 0.25 above 1 where the screen is at least one and a half times the designed
// window each way, the largest that keeps the window within nine tenths of it.
double ChooseTableScale(QSize available);

// Where a window of the outer size goes when the design wants it at `wanted`: there if it lies
// inside the available area, else moved inside, its title bar always on the screen.
QPoint PlaceInside(QPoint wanted, QSize outer, const QRect& available);

// Before the application is made: unless the player set a scale through Qt's own variables
// (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS), measures the primary screen and sets
// QT_SCALE_FACTOR to the table's scale when it is not 1. Returns the scale it set (1 for none).
double ChooseScaleBeforeTheApplication(int argc, char** argv);
