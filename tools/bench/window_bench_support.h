// SPDX-License-Identifier: GPL-3.0-or-later
// The table as the program builds it (the engine's start-up, the table, the suit chooser and
// the turn flow on them), in a fresh working folder holding the game's own card sheets, for
// the window's benchmarks. The waits go through a pacer that can wait for real or only count.
#pragma once

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "art/window_art.h"
#include "engine/engine.h"
#include "storage/game_log.h"
#include "storage/storage.h"
#include "suitchooser/tform2.h"
#include "table/flow/storage_link.h"
#include "table/flow/turn_flow.h"
#include "table/game_table.h"
#include "table/pacer.h"
#include "table/tform1.h"
#include "temp_folder.h"

namespace bench {

// Waits for real or returns at once, and adds up every wait the flow asked for either way.
class CountingPacer : public Pacer {
  public:
    void Pause(int ms) override {
        scheduledMs += ms;
        if (real)
            realPacer.Pause(ms);
    }
    void Sleep(int ms) override {
        scheduledMs += ms;
        if (real)
            realPacer.Sleep(ms);
    }
    void SetWindow(QWidget* window) override { realPacer.SetWindow(window); }
    RealPacer realPacer;
    bool real = false;
    long long scheduledMs = 0;
};

class BenchTable {
  public:
    BenchTable() {
        WriteGameArt(QString::fromStdString(folder.Path()));
        engine.EngineStartUp(StorageStartUpFiles());
        engine.SeedRandom(11);
        table = std::make_unique<GameTable>(engine, pacer);
        form = &table->form1;
        flow = &table->flow;
        form->show();
        (void)QTest::qWaitForWindowExposed(form);
        form->StartUp();
    }

    // START with this many players and deal size; the deal panel is then up.
    void Start(int players, int dealSize) {
        form->PlayerRadios()[players - 3]->setChecked(true);
        form->DealRadios()[dealSize - 4]->setChecked(true);
        form->Image20Click();
    }

    // The human's move as the plainest player makes it: the first card that may be laid other
    // than a joker (which would ask for a suit), else the stock. False once the round is over.
    bool HumanMove() {
        if (flow->ScoreGridUp() || engine.GameOver)
            return false;
        const int before = engine.Hands[1].count;
        for (int k = 1; k <= before; ++k) {
            const int card = engine.Hands[1].slot[k];
            if (!Engine::IsJoker(card) && engine.IsLegalPlay(card, 0, true)) {
                form->HandSlotMouseDown(k, Qt::LeftButton);
                return true;
            }
        }
        form->Image53MouseDown(Qt::LeftButton);
        return true;
    }

    TempFolder folder;
    Engine engine;
    CountingPacer pacer;
    std::unique_ptr<GameTable> table;
    TForm1* form = nullptr;
    TurnFlow* flow = nullptr;
};

// A widget application on the offscreen platform unless another is named.
inline std::unique_ptr<QApplication> MakeApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto application = std::make_unique<QApplication>(argc, argv);
    InstallFontSubstitutes();
    return application;
}

} // namespace bench
