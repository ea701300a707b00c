// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/game_log.h"

#include <array>
#include <cstdint>

#include "storage/file_io.h"

namespace {

constexpr std::array<const char*, 4> kSuitTexts = {"Dia", "Clb", "Hrt", "Spd"};
constexpr int kLoggedSlots = 21;

// The hidden word is kept as character codes so that it never shows up as text in the program.
constexpr std::array<int32_t, 4> kLogWordCodes = {0x5A, 0x69, 0x6E, 0x6B};

std::string RankText(int rankIndex) {
    if (rankIndex == 0)
        return "Ace";
    if (rankIndex >= 1 && rankIndex <= 9)
        return std::to_string(rankIndex + 1);
    switch (rankIndex) {
    case 10:
        return "J";
    case 11:
        return "Q";
    case 12:
        return "K";
    default:
        return "";
    }
}

// Reads an array element the engine may not have set up yet (before the first deal).
template <typename Array> int ElementOrZero(const Array& array, int index) {
    return index >= 0 && index < static_cast<int>(array.size()) ? array[index] : 0;
}

} // namespace

GameLog::GameLog() = default;
GameLog::~GameLog() = default;

void GameLog::StartLog(Engine& engine) {
    if (!engine.LogEnabled)
        return;
    CreateDataText(LogText, "Log", ".txt");
}

bool GameLog::IsOpen() const {
    return LogText.IsOpen();
}

void GameLog::LogState(const Engine& engine, const std::string& text) {
    if (!engine.LogEnabled || !LogText.IsOpen())
        return;
    WriteDataText(LogText, LogLine(engine, text) + "\r\n");
}

void GameLog::CloseLog(const Engine&) {
    if (!LogText.IsOpen())
        return;
    try {
        CloseDataText(LogText);
    } catch (const std::exception&) {
        // Closing happens as the window goes away; there is nobody left to tell.
    }
}

std::string GameLog::CardName(int code) {
    if (code >= 105 && code <= 108)
        return "Jokr";
    const DecodedCard card = Engine::DecodeCard(code);
    const int suit = card.SuitIndex;
    const std::string suitText = suit >= 0 && suit <= 3 ? kSuitTexts[suit] : "n/a";
    return RankText(card.RankIndex) + ":" + suitText + ":";
}

std::string GameLog::LogLine(const Engine& engine, const std::string& text) {
    const int seat = engine.CurrentPlayer;
    const bool seatKnown = seat >= 0 && seat < static_cast<int>(engine.Hands.size());
    const Hand emptyHand{};
    const Hand& hand = seatKnown ? engine.Hands[seat] : emptyHand;
    const std::string name = seat >= 0 && seat < static_cast<int>(engine.PlayerNames.size())
                                 ? engine.PlayerNames[seat]
                                 : "";
    std::string line = text + " ";
    line += "Player:" + name + ", ";
    line += "Dir:" + std::to_string(engine.Direction) + ", ";
    line += "Suit:" + std::to_string(engine.ActiveSuit) + " ";
    line += "SP=" + std::to_string(ElementOrZero(engine.StockPile, engine.StockPos)) + ", ";
    line += "Discard=" + CardName(ElementOrZero(engine.DiscardPile, engine.DiscardTop)) + ", ";
    line += " C#= " + std::to_string(hand.count) + ", ";
    for (int slot = 1; slot <= kLoggedSlots; ++slot) {
        if (hand.slot[slot] >= 1)
            line += CardName(hand.slot[slot]) + ", ";
    }
    return line;
}

bool IsLogWord(const std::string& seat5Name) {
    std::string word;
    for (const int32_t code : kLogWordCodes)
        word.push_back(static_cast<char>(code & 0xFF));
    return seat5Name == word;
}
