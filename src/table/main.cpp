// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the engine's start-up, then the table window and the suit chooser with the turn
// flow that plays on them, then the window system's loop until the table closes.
#include <QApplication>
#include <csignal>

#include "art/window_art.h"
#include "engine/engine.h"
#include "storage/storage.h"
#include "table/game_table.h"
#include "table/pacer.h"
#include "table/table_scale.h"

int main(int argc, char* argv[]) {
    // A write the system refuses (a file grown past the player's limit, a reader gone away)
    // must come back as a failed write the window reports, not end the game on the spot.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    Engine engine;
    engine.EngineStartUp(StorageStartUpFiles());

    // The table's size on this screen is chosen before the application reads its scale.
    ChooseScaleBeforeTheApplication(argc, argv);
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    RealPacer pacer;
    GameTable table(engine, pacer);
    table.form1.show();
    return application.exec();
}
