// SPDX-License-Identifier: GPL-3.0-or-later
// The game's parts wired together: the trace log and the files, the table window with its suit
// chooser, and the turn flow that plays on it. The program, the window tests and the
// benchmarks all build this one; only the engine and the pacer are theirs to choose.
#pragma once

#include "engine/engine.h"
#include "storage/game_log.h"
#include "table/flow/storage_link.h"
#include "table/flow/turn_flow.h"
#include "table/tform1.h"

class Pacer;

class GameTable {
  public:
    GameTable(Engine& engine, Pacer& pacer);
    ~GameTable();
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    GameLog log;
    FileStorage storage{log};
    TForm1 form1;
    TurnFlow flow;
};
