// The program: the engine's start-up, then the table window and the suit chooser with the turn
// flow that plays on them, then the window system's loop until the table closes.
#include <QApplication>
#include <csignal>
#include <memory>

#include "art/window_art.h"
#include "engine/engine.h"
#include "storage/game_log.h"
#include "storage/storage.h"
#include "suitchooser/tform2.h"
#include "table/flow/storage_link.h"
#include "table/flow/turn_flow.h"
#include "table/pacer.h"
#include "table/tform1.h"

int main(int argc, char* argv[]) {
    // A write the system refuses (a file grown past the player's limit, a reader gone away)
    // must come back as a failed write the window reports, not end the game on the spot.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    Engine engine;
    engine.EngineStartUp(StorageStartUpFiles());

    QApplication application(argc, argv);
    InstallFontSubstitutes();
    GameLog log;
    FileStorage storage(log);
    RealPacer pacer;
    TForm1 form1(engine, pacer, log);
    pacer.SetWindow(&form1);
    form1.SetSuitChooser(std::make_unique<TForm2>(engine));
    TurnFlow flow(engine, form1, storage);
    form1.SetTurnFlow(&flow);
    form1.show();
    const int result = application.exec();
    form1.SetTurnFlow(nullptr);
    return result;
}
