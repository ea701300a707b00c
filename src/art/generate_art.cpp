// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the game's card sheets into its working folder; with --previews it writes the small
// PNG pictures shown in the README, with --icons the desktop icon at every installed size.

#include "art/art_previews.h"
#include "art/window_art.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // painting needs fonts, never a screen
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == "--previews") {
        if (!WriteArtPreviews(args[1])) {
            std::fprintf(stderr, "quelvane_art: cannot write previews to %s\n",
                         qPrintable(args[1]));
            return 1;
        }
        return 0;
    }
    if (args.size() == 3 && args[0] == "--icons") {
        if (!WriteAppIcons(args[1], args[2])) {
            std::fprintf(stderr, "quelvane_art: cannot write the icons to %s\n",
                         qPrintable(args[1]));
            return 1;
        }
        return 0;
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: quelvane_art FOLDER | quelvane_art --previews FOLDER | "
                             "quelvane_art --icons FOLDER NAME\n");
        return 2;
    }
    if (!WriteGameArt(args[0])) {
        std::fprintf(stderr, "quelvane_art: cannot write the card sheets to %s\n",
                     qPrintable(args[0]));
        return 1;
    }
    return 0;
}
