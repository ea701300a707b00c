// SPDX-License-Identifier: GPL-3.0-or-later
// The trace log's line over a table state made from the input, however far out of its ranges:
// names, hands, piles, whose turn, direction, suit and pile positions. The line is also
// written to "Log.txt" and read back.
//
// Input: CurrentPlayer, Direction, ActiveSuit, StockPos, DiscardTop (int32 each, little
// endian); six names (a length byte, then that many bytes); for seats 1..5 a hand count
// (int32), a number of slots n (byte % 53) and n slot codes (int32); for the stock and then
// the discard pile a number of entries n (byte % 110) and n codes (int32); the rest is the
// caller's text.
#include <string>

#include "fuzz_support.h"
#include "storage/game_log.h"

namespace {

void FillPile(Pile& pile, InputReader& in) {
    const int n = in.Byte() % 110;
    for (int i = 0; i < n; ++i)
        pile[i] = in.Int32();
}

void FillTable(Engine& e, InputReader& in) {
    e.CurrentPlayer = in.Int32();
    e.Direction = in.Int32();
    e.ActiveSuit = in.Int32();
    e.StockPos = in.Int32();
    e.DiscardTop = in.Int32();
    for (int entry = 1; entry <= 6; ++entry)
        e.PlayerNames[entry] = in.Bytes(in.Byte());
    for (int seat = 1; seat <= 5; ++seat) {
        e.Hands[seat].count = in.Int32();
        const int n = in.Byte() % 53;
        for (int slot = 1; slot <= n; ++slot)
            e.Hands[seat].slot[slot] = in.Int32();
    }
    FillPile(e.StockPile, in);
    FillPile(e.DiscardPile, in);
}

void CheckCardName(int code) {
    const std::string name = GameLog::CardName(code);
    if (code >= 105 && code <= 108) {
        FUZZ_CHECK(name == "Jokr", "joker " + std::to_string(code) + " logs as " + name);
        return;
    }
    // "<rank>:<suit>:", the rank empty and the suit "n/a" for a code that names no card.
    const bool valid = code >= 1 && code <= 104;
    FUZZ_CHECK(name.size() >= 2 && name.back() == ':',
               "card " + std::to_string(code) + " logs as " + name);
    const size_t colon = name.find(':');
    FUZZ_CHECK(colon != std::string::npos && colon + 1 < name.size(),
               "card " + std::to_string(code) + " logs as " + name);
    const std::string rank = name.substr(0, colon);
    const std::string suit = name.substr(colon + 1, name.size() - colon - 2);
    FUZZ_CHECK(valid ? !rank.empty() && suit != "n/a" : rank.empty() && suit == "n/a",
               "card " + std::to_string(code) + " logs as " + name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterPrivateFolder();
    InputReader in(data, size);
    Engine e;
    FillTable(e, in);
    const std::string text = in.Rest();

    const std::string line = GameLog::LogLine(e, text);
    const int seat = e.CurrentPlayer;
    const bool seated = seat >= 0 && seat <= 5;
    const std::string name = seat >= 0 && seat <= 6 ? e.PlayerNames[seat] : "";
    const std::string head = text + " Player:" + name + ", Dir:" + std::to_string(e.Direction) +
                             ", Suit:" + std::to_string(e.ActiveSuit) + " SP=";
    FUZZ_CHECK(line.compare(0, head.size(), head) == 0, "the log line begins '" + line + "'");

    // After the hand's count come the names of the cards in slots 1..21, empty slots skipped.
    std::string cards;
    for (int slot = 1; slot <= 21 && seated; ++slot) {
        const int code = e.Hands[seat].slot[slot];
        if (code >= 1) {
            CheckCardName(code);
            cards += GameLog::CardName(code) + ", ";
        }
    }
    const std::string tail =
        " C#= " + std::to_string(seated ? e.Hands[seat].count : 0) + ", " + cards;
    FUZZ_CHECK(line.size() >= head.size() + tail.size() &&
                   line.compare(line.size() - tail.size(), tail.size(), tail) == 0,
               "the log line ends '" + line + "'");
    CheckCardName(e.StockPos);
    CheckCardName(e.DiscardTop);

    // The same line reaches the file, with its CR LF.
    e.LogEnabled = true;
    GameLog log;
    log.StartLog(e);
    FUZZ_CHECK(log.IsOpen(), "Log.txt could not be created");
    log.LogState(e, text);
    log.CloseLog(e);
    FUZZ_CHECK(ReadBack("Log.txt") == line + "\r\n", "Log.txt does not hold the line");
    return 0;
}
