// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/game_table.h"

#include "suitchooser/tform2.h"
#include "table/pacer.h"

GameTable::GameTable(Engine& engine, Pacer& pacer)
    : form1(engine, pacer), flow(engine, form1, storage) {
    pacer.SetWindow(&form1);
    form1.SetSuitChooser(std::make_unique<TForm2>(engine));
    form1.SetTurnFlow(&flow);
}

// The window outlives the flow by a moment, and may still hear from the window system then.
GameTable::~GameTable() {
    form1.SetTurnFlow(nullptr);
}
