// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a private working folder, an input written under one of the
// game's file names, a check that aborts (so the fuzzer keeps the input that broke it), a
// reader that takes numbers off the front of an input, and the engine's invariants.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "table/flow/silent_view.h"
#include "table/flow/turn_flow.h"

// Switches, once per process, into a fresh empty folder of our own, on a memory file system
// when there is one (a file is written for every input). The folder goes when the process ends.
void EnterPrivateFolder();

// Makes the file at path hold exactly these bytes (folders on the way are made).
void WriteInputFile(const std::string& path, const uint8_t* data, size_t size);
void WriteInputFile(const std::string& path, const std::string& bytes);
void RemoveInputFile(const std::string& path);
// The bytes of a file, or "" when there is none.
std::string ReadBack(const std::string& path);

// A seed for Random taken from the input, so every run of an input plays the same cards.
uint32_t SeedOf(const uint8_t* data, size_t size);

[[noreturn]] void FuzzFailure(const char* file, int line, const std::string& what);

// The message is built only when the check fails.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzFailure(__FILE__, __LINE__, (what));                                               \
    } while (0)

// Takes values off the front of an input; whatever is missing reads as zero.
class InputReader {
  public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte();
    uint16_t Uint16();
    int32_t Int32();
    std::string Bytes(size_t n); // at most n bytes, fewer when the input runs out
    std::string Rest();
    size_t Left() const { return size_ - at_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// A seat, game or high-score name as the game keeps it: at most 20 bytes, and no comma or
// control character (which would break the settings line).
void CheckCleanName(const std::string& name, const char* what);

// The settings a game may be played with: 3..5 players, a target the game knows, one digit
// each for the card design and the deal size, clean seat names.
void CheckSettings(const Engine& engine);

// What the START button puts into the engine before the first deal: the seats' places for the
// player count, the computers' strategy and the human's card positions.
void StartTable(Engine& engine);

// A silent table that also checks the score grid against the engine when it opens.
class GridCheckingView : public SilentView {
  public:
    explicit GridCheckingView(const Engine& engine) : E(engine) {}
    void ShowScoreGrid(const ScoreGridTexts& cells) override;
    int GridsShown = 0;

  private:
    const Engine& E;
};

// Checks the table between two events (every card in exactly one place, hands within their
// limits, the turn where it may be) and the turn state the flow relies on.
void CheckTable(const Engine& engine, const TurnFlow& flow, const std::string& after);
