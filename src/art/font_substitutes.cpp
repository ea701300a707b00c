// SPDX-License-Identifier: GPL-3.0-or-later
#include "art/window_art.h"

#include <QFont>

void InstallFontSubstitutes() {
    // Free faces of much the same size and feel as the ones the window was laid out with.
    QFont::insertSubstitution("Calibri", "Carlito");
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}
