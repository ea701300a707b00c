// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played headless through the real turn flow: every computer seat by the computer
// strategy, seat 1 by an automatic player, with a table that shows nothing and never waits.
// What happened is summed into a report that reads the same for the same seed.
#pragma once

#include <functional>
#include <string>

struct SimOptions {
    int Games = 1000;
    int Players = 5;  // 3..5; 0 varies it game by game (3, 4, 5, ...)
    int Target = 300; // the "Play Until" total
    int Deal = 6;     // 4..7; 0 varies it game by game
    int Twos = 0;     // progressive twos: 0 off, 1 on, -1 varies it game by game
    unsigned Seed = 1;
    bool Check = false; // the table checks after every event
    bool Explore =
        false; // seat 1 plays at random, with chains, changes of mind and refused presses
    long InjectFault = -1; // test hook: after this event a card is copied into seat 1's hand
};

// Reads the options; the text is empty when they are good, else it says what is wrong.
std::string ParseSimOptions(int argc, const char* const* argv, SimOptions& options, bool& json);
std::string SimUsage(const char* program);

struct SeatTally {
    long Wins = 0;
    long Games = 0;    // games the seat (or a seat on this table) sat in
    double Points = 0; // sum of final totals over those games
};

struct SimReport {
    SimOptions Options;
    long Games = 0;
    long Rounds = 0;
    long Events = 0;
    long Turns = 0;
    long Reshuffles = 0;
    long Passes = 0;
    long AllHandsFullRounds = 0;
    long TwosPenalties = 0;
    long TwosChains = 0; // penalties raised by at least one answering two
    long RatingSum = 0;
    long Stalls = 0;    // games cut off by the event limit
    SeatTally Seats[6]; // seats 1..5
    SeatTally TableA;   // computer seats that order their hands by priority table A
    SeatTally TableB;
    double Seconds = 0; // wall time of the run, the only figure that differs between runs

    // Set when a table check failed: the run stops there.
    bool Broken = false;
    std::string Failure;
};

// Plays the games; progress, when given, is called now and then with the games done.
SimReport RunSimulation(const SimOptions& options,
                        const std::function<void(long done)>& progress = nullptr);

std::string FormatReport(const SimReport& report);
std::string FormatJson(const SimReport& report);
