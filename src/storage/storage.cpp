// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/storage.h"

#include "storage/high_scores.h"
#include "storage/rules_text.h"
#include "storage/storage_error.h"

StartUpFiles StorageStartUpFiles() {
    StartUpFiles files;
    files.LoadHighScores = LoadHighScoreFiles;
    files.LoadRules = [](Engine& engine) {
        try {
            LoadRules(engine);
        } catch (const StorageError&) {
            // No window exists yet; the viewer shows the lines read before the failure.
        }
    };
    return files;
}
