// SPDX-License-Identifier: GPL-3.0-or-later
// The game engine: card codes, piles, hands and every engine variable, with the operations
// that deal, draw, judge plays, move the turn, play for the computer seats, score rounds and
// place the turn marker. No window code lives here; the table and the file code read and
// change this state directly, as the game's one set of globals.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/random_source.h"

// A pile: element 0 is a count, elements 1..108 hold card codes (0 = empty).
using Pile = std::array<int32_t, 109>;

// One seat's hand: a count and slots 1..52 (slot 0 is unused).
struct Hand {
    int32_t count = 0;
    std::array<int32_t, 53> slot{};
};

// Keys used by every hand ordering (indices 0..63).
using SortKeyArray = std::array<int32_t, 64>;

// Cards laid after a jack by a computer seat: entry 0 = number laid, 1..19 = codes in order.
using PlayList = std::array<int32_t, 20>;

struct DecodedCard {
    int RankIndex = -1; // 0 ace .. 12 king, 13 joker
    int SuitIndex = -1; // 0 diamonds, 1 clubs, 2 hearts, 3 spades
    int MatchSuit = -1; // SuitIndex, or 4 for a joker
    int CardPoints = 0; // penalty points; 0 for a code that does not decode
    bool valid = false;
};

struct DrawResult {
    int card = 0;            // the card drawn, 0 when nothing could be drawn
    bool reshuffled = false; // the discards were turned into a new stock first
};

struct JackChainSlot {
    int firstFree = 0; // lowest index 1..9 still 0, or 0 when all nine are taken
    int position = 0;  // highest index 9..1 holding the code, or 0
};

// What a card is laid on, as the play rules see it: the rank and suit to match, or, on a
// joker, the suit its player named.
struct PlayTarget {
    int rank = -1;
    int suit = -1;
    bool valid = true; // false when the card below does not decode: nothing may be laid
};

struct AnsweringTwo {
    bool found = false;
    int card = 0;
    int slot = 0;
};

struct MarkerPlace {
    int left = 0;
    int top = 0;
    int picture = 0; // 1..4 selects a turn arrow, 0 = none
};

struct LabelPlace {
    int left = 0;
    int top = 0;
};

struct Engine;

// The file steps of the start-up (high-score files, rules text) belong to the storage layer;
// the program passes them in so the engine itself never touches a file.
struct StartUpFiles {
    std::function<void(Engine&)> LoadHighScores; // runs before the defaults are set
    std::function<void(Engine&)> LoadRules;      // runs after the rules paging values are set
};

// Longest seat or game name in bytes.
constexpr int kNameLength = 20;

// No hand grows past this many cards by drawing; the human's hand has a picture for each.
constexpr int kHandLimit = 19;

// The top of a human card that is not raised for a chain.
constexpr int kRestingHandTop = 496;

// Cuts UTF-8 text to at most maxBytes bytes without splitting a character.
std::string CutName(const std::string& text, int maxBytes = kNameLength);

struct Engine {
    // ---- Cards, piles and hands -------------------------------------------------------------
    Pile FullPack{};
    Pile StockPile{};
    int32_t StockPos = 0;
    Pile DiscardPile{};
    int32_t DiscardTop = 0;
    std::array<Hand, 6> Hands{}; // seats 1..5; entry 0 unused
    SortKeyArray SortKeys{};

    // ---- Settings and turn state ------------------------------------------------------------
    int32_t PlayerCount = 5;
    int32_t DealSize = 0;
    int32_t CurrentPlayer = 0;
    int32_t Direction = 0;
    int32_t LeadSeat = 0;
    int32_t ActiveSuit = 0;
    int32_t TwoPenalty = 2;
    int32_t RoundNo = 1;
    bool RoundOver = false;
    bool GameOver = false;
    bool RoundActive = false;
    // ScoreTable[seat][round] for seats 1..5, rounds 1..10; [seat][11] is the total.
    std::array<std::array<int32_t, 12>, 6> ScoreTable{};
    std::array<std::string, 7> PlayerNames{}; // entries 1..5 used, 6 kept empty
    int32_t PlayUntil = 300;
    int32_t CardDesign = 2;
    bool SortByPoints = false;
    bool ProgressiveTwos = false;
    bool SlowDeal = false;
    bool RevealHands = false;
    bool LogEnabled = false;
    int32_t StrategySeed = 0;
    bool InputEnabled = true;
    std::array<uint8_t, 53> SelectedSlots{}; // human hand slots 1..52
    // Element 0 = cards in the chain, 1..9 = codes in play order, 11..19 = their hand slots.
    std::array<int32_t, 20> JackChain{};
    std::array<int32_t, 21> HandCardLeft{}; // human card pictures 1..20
    std::array<int32_t, 21> HandCardTop{};
    int32_t Seat3HandLeft = 0;
    int32_t Seat4HandLeft = 0;
    int32_t Seat4HandTop = 0;
    int32_t Seat4MarkerLeft = 0;
    int32_t SuitChooserLeft = 0;
    int32_t SuitChooserTop = 0;
    int32_t StockImagesShown = 0;
    int32_t MessageDelay = 1000;
    int32_t NameEditIndex = -1;
    std::string HumanStatusText;
    std::string SeatStatusText;
    std::array<int32_t, 5> SuitWeights{};

    // ---- Rules text (filled by the storage layer at start-up) -------------------------------
    std::array<std::string, 81> RulesLines{}; // lines 1..80
    int32_t RulesLineCount = 0;
    int32_t RulesPageSize = 15;
    int32_t RulesFirstShown = -1;
    int32_t RulesLastShown = -1;

    // ---- Saved games and high scores (kept by the storage layer) ----------------------------
    std::string SaveName;
    std::array<uint8_t, 376> SaveRecord{};
    std::array<int32_t, 6> HighScores{};
    std::array<std::string, 6> HighScoreNames{};
    int32_t GamesPlayed = 0;
    int32_t GamesWon = 0;
    int32_t GameScore = 0;
    bool FirstDealPending = false;
    // Set when the high-score file is there but could not be read: it is then never replaced
    // in this run, so a passing fault of the disk cannot wipe a player's table.
    bool HighScoreFileKept = false;
    std::array<uint8_t, 160> HighScoreRecord{};
    std::array<uint8_t, 152> OldHighScoreRecord{};

    // ---- Randomness -------------------------------------------------------------------------
    MersenneTwister RandomSource{0};
    int Random(int n); // uniform 0..n-1 (0 when n < 1); defined below, the shuffles ask often
    void SeedRandom(uint32_t seed);

    // ---- Cards, piles and start-up ----------------------------------------------------------
    static DecodedCard DecodeCard(int code); // defined below: every rule asks it, often
    // The card in words, as a screen reader says it: "seven of hearts", "joker"; "" for none.
    static std::string CardName(int code);
    static std::string SuitName(int suit); // "diamonds" .. "spades"; "" for none
    void InitPackAndScores();
    void SetDefaultNames();
    void ClearHands();
    void ClearSelectedSlots();
    void ClearJackChain();
    void ResetHandCardPositions();
    void ShufflePile(Pile& pile);
    void DealHands();
    int SwapOutJoker(int card); // returns the card that takes the joker's place
    DrawResult DrawCard();      // CurrentPlayer draws one card
    void ReshuffleDiscards();
    static void QuickSortKeys(SortKeyArray& keys, int lo, int hi);
    void EngineStartUp(const StartUpFiles& files);
    int StockCardsLeft() const;            // cards still to be drawn from the stock
    void LayOnDiscardPile(int card);       // puts a card on top of the discard pile
    void TurnUpFirstDiscard();             // the stock's next card starts a new discard pile
    void TakeFromSlot(int seat, int slot); // the card in that slot leaves the hand
    void TakeFromHand(int seat, int card); // that card leaves the hand, wherever it stands
    int TopDiscard() const;                // the top card of the discard pile, 0 when empty; inline

    // ---- Play rules and turn order ----------------------------------------------------------
    // May card be laid on the top discard (useTop) or on other? Inline, with its two halves,
    // below: a seat looking for a card asks it of its whole hand against one target.
    bool IsLegalPlay(int card, int other, bool useTop) const;
    PlayTarget LegalPlayTarget(int other, bool useTop) const;
    bool FitsPlayTarget(const PlayTarget& target, int card) const;
    static bool IsJoker(int code);
    static bool IsJack(int code);
    static bool IsTwo(int code);
    static bool IsKing(int code);
    static bool IsAce(int code);
    static int MatchSuitOf(int code);
    void ApplyCardEffect(int code);
    void AdvanceTurn();
    void StepBackTurn();
    void ApplyFirstDiscard(int code);
    bool AllHandsFull() const;
    int CheckRoundEnd();
    JackChainSlot FindJackChainSlot(int code) const;
    void AddToJackChain(int position, int card, int slot); // the human chooses a card
    // The chain from that position on is given up; returns the hand slots it held, the last
    // chosen first.
    std::vector<int> DropFromJackChain(int position);
    void MarkSelected(int slot, bool selected);

    // ---- Computer player strategy -----------------------------------------------------------
    void OrderComputerHand(int seat);
    int PriorityTableA(int m, int rank, int points);
    int PriorityTableB(int m, int rank, int points);
    int PlayFirstLegalCard();
    AnsweringTwo ChooseAnsweringTwo(int seat) const;
    int ChooseSuit(int seat);
    void PlayJackFollowUps(int seat, PlayList& list);
    void PlayFromSlot(int seat, int slot, PlayList& list);
    void OrderHandBySuit(int seat);
    void OrderHandByPoints(int seat);

    // ---- Round scoring and status texts -----------------------------------------------------
    void ScoreRound();
    int FindLeader() const;
    int GameRating() const;
    static void GameText(int code, std::string& text);
    static std::string PadScore(int n);
    void MakeDrawText(int n, int seat);
    void MakePassText(int seat);

    // ---- Turn marker and status text placement ----------------------------------------------
    void PlaceSeats(); // the seat layout values for PlayerCount
    MarkerPlace TurnMarkerPlace() const;
    LabelPlace StatusLabelPlace() const;
};

// One range of the random source: Lemire's multiply-and-reject over one 32-bit draw, the
// numbers std::uniform_int_distribution gives with the GNU library. Written out so that the
// shuffle's thousand draws a deal inline it; a test holds it to the library's numbers.
inline int Engine::Random(int n) {
    if (n < 1)
        return 0;
    const uint32_t range = static_cast<uint32_t>(n);
    uint64_t product = static_cast<uint64_t>(RandomSource()) * range;
    uint32_t low = static_cast<uint32_t>(product);
    if (low < range) {
        const uint32_t threshold = (0u - range) % range;
        while (low < threshold) {
            product = static_cast<uint64_t>(RandomSource()) * range;
            low = static_cast<uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}

namespace engine_cards {

constexpr DecodedCard DecodeByArithmetic(int code) {
    DecodedCard d;
    if (code < 1 || code > 108)
        return d;
    d.valid = true;
    if (code >= 105) {
        d.RankIndex = 13;
        d.SuitIndex = code - 105;
        d.MatchSuit = 4;
        d.CardPoints = 50;
        return d;
    }
    d.RankIndex = (code - 1) % 13;
    d.SuitIndex = ((code - 1) % 52) / 13;
    d.MatchSuit = d.SuitIndex;
    d.CardPoints = d.RankIndex == 0 ? 11 : d.RankIndex <= 8 ? d.RankIndex + 1 : 10;
    return d;
}

// Every code decoded once, when the program is compiled; entry 0 is the empty slot.
inline constexpr std::array<DecodedCard, 109> kDecodedCards = [] {
    std::array<DecodedCard, 109> table{};
    for (int code = 0; code <= 108; ++code)
        table[code] = DecodeByArithmetic(code);
    return table;
}();

} // namespace engine_cards

// What a code means; a look-up because the rules and the orderings ask it for every card
// they look at.
inline DecodedCard Engine::DecodeCard(int code) {
    if (code < 1 || code > 108)
        return DecodedCard{};
    return engine_cards::kDecodedCards[code];
}

inline bool Engine::IsJoker(int code) {
    return code > 104;
}
inline bool Engine::IsJack(int code) {
    return DecodeCard(code).RankIndex == 10;
}
inline bool Engine::IsTwo(int code) {
    return DecodeCard(code).RankIndex == 1;
}
inline bool Engine::IsKing(int code) {
    return DecodeCard(code).RankIndex == 12;
}
inline bool Engine::IsAce(int code) {
    return DecodeCard(code).RankIndex == 0;
}
inline int Engine::MatchSuitOf(int code) {
    return DecodeCard(code).MatchSuit;
}

inline int Engine::TopDiscard() const {
    if (DiscardTop < 1 || DiscardTop > 108)
        return 0;
    return DiscardPile[DiscardTop];
}

inline PlayTarget Engine::LegalPlayTarget(int other, bool useTop) const {
    PlayTarget target;
    const int below = useTop ? TopDiscard() : other;
    if (IsJoker(below)) {
        // A joker on the pile asks for the suit its player named; a joker as the card before
        // in a chain asks for nothing.
        if (useTop)
            target.suit = ActiveSuit;
        return target;
    }
    const DecodedCard d = DecodeCard(below);
    target.rank = d.RankIndex;
    target.suit = d.SuitIndex;
    target.valid = d.valid;
    return target;
}

inline bool Engine::FitsPlayTarget(const PlayTarget& target, int card) const {
    constexpr int kQueen = 11;
    if (RoundOver || card < 0 || card > 108 || !target.valid)
        return false;
    if (IsJoker(card))
        return true;
    const DecodedCard d = DecodeCard(card);
    if (!d.valid)
        return false;
    return target.suit == d.SuitIndex || ActiveSuit == d.SuitIndex || target.rank == kQueen ||
           target.rank == d.RankIndex;
}

inline bool Engine::IsLegalPlay(int card, int other, bool useTop) const {
    return FitsPlayTarget(LegalPlayTarget(other, useTop), card);
}
