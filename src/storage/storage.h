// SPDX-License-Identifier: GPL-3.0-or-later
// The file steps of the engine start-up, for the program block to pass to EngineStartUp.
#pragma once

#include "engine/engine.h"

// LoadHighScores = LoadHighScoreFiles; LoadRules = LoadRules with a read failure swallowed
// (there is no window yet to show it; the lines read so far are kept).
StartUpFiles StorageStartUpFiles();
