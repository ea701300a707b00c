// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>

#include "engine/engine.h"
#include "self_play.h"
#include "table/flow/silent_view.h"
#include "table/flow/turn_flow.h"

namespace {

constexpr long kEventLimit = 50000; // a game never needs this many presses

// The silent table, counting what a player would have noticed: turns changing hands, passes,
// penalties of twos, reshuffles and rounds that end with every hand full.
class CountingView : public SilentView {
  public:
    explicit CountingView(const Engine& engine) : E(engine) {}

    void Pause(int) override { NoteTurn(); }
    void Sleep(int) override { NoteTurn(); }
    void ShowTurnArrow(const MarkerPlace&) override { NoteTurn(); }
    void ShowStatusText(const std::string&, LabelPlace, StatusColour colour) override {
        NoteTurn();
        if (colour == StatusColour::White) {
            ++Passes;
        } else if (colour == StatusColour::Yellow) {
            ++TwosPenalties;
            if (E.TwoPenalty > 2)
                ++TwosChains;
        }
    }
    void ShowScoreGrid(const ScoreGridTexts&) override {
        for (int seat = 1; seat <= E.PlayerCount; ++seat)
            if (E.Hands[seat].count == 0)
                return;
        ++AllHandsFullRounds;
    }

    // A new round's first seat holds a turn of its own.
    void NewRound() { lastSeat_ = 0; }
    void NoteTurn() {
        if (!E.RoundActive || E.RoundOver)
            return;
        if (E.CurrentPlayer != lastSeat_) {
            lastSeat_ = E.CurrentPlayer;
            ++Turns;
        }
    }

    long Turns = 0;
    long Passes = 0;
    long TwosPenalties = 0;
    long TwosChains = 0;
    long AllHandsFullRounds = 0;

  private:
    const Engine& E;
    int lastSeat_ = 0;
};

// Seat 1 played the plainest way: the first legal card in hand order; a jack with the cards
// that may follow it, each the first in hand order to fit; otherwise a draw, one card a press,
// until something can be played; a pass at 19 cards.
class SimplePlayer {
  public:
    SimplePlayer(Engine& engine, TurnFlow& flow) : E(engine), Flow(flow) {}

    bool Step() {
        if (E.GameOver && !Flow.ScoreGridUp())
            return false;
        if (Flow.ScoreGridUp()) {
            Note("close");
            Flow.Image37Click();
        } else if (!E.RoundActive) {
            Note("deal");
            Flow.ImageDealClick();
        } else {
            HumanTurn();
        }
        return true;
    }
    // Written out only when a check fails: a string a press would cost more than the press.
    std::string LastEvent() const {
        std::string text = what_;
        for (int i = 0; i < cards_; ++i)
            text += (i == 0 ? " card " : " ") + std::to_string(card_[i]);
        if (slot_ > 0)
            text += " at slot " + std::to_string(slot_);
        return text;
    }

  private:
    int Held() const { return std::min<int>(E.Hands[1].count, kHandLimit); }

    int FirstFitting(int onCard, bool useTop, int skipSlot) const {
        for (int k = 1; k <= Held(); ++k) {
            const int code = E.Hands[1].slot[k];
            if (k != skipSlot && code > 0 && E.IsLegalPlay(code, onCard, useTop))
                return k;
        }
        return 0;
    }

    void HumanTurn() {
        const int first = FirstFitting(0, true, 0);
        if (first == 0) {
            Note(E.Hands[1].count >= kHandLimit ? "stock (pass)" : "stock (draw)");
            Flow.Image53MouseDown(MouseButton::Left);
            return;
        }
        const int card = E.Hands[1].slot[first];
        if (Engine::IsJack(card) && PlayChain(first))
            return;
        Note("play", first);
        AddCard(card);
        Flow.HandSlotMouseDown(first, MouseButton::Left);
    }

    // Selects the jack and its followers with the right button and plays them with a left press.
    bool PlayChain(int jackSlot) {
        std::array<bool, 53> chosen{};
        int last = E.Hands[1].slot[jackSlot];
        int length = 1;
        chosen[jackSlot] = true;
        Note("chain", jackSlot);
        AddCard(last);
        std::array<int, 9> slots{jackSlot};
        while (Engine::IsJack(last) && length < 9) {
            int next = 0;
            for (int k = 1; k <= Held() && next == 0; ++k) {
                const int code = E.Hands[1].slot[k];
                if (!chosen[k] && code > 0 && E.IsLegalPlay(code, last, false))
                    next = k;
            }
            if (next == 0)
                break;
            chosen[next] = true;
            slots[length++] = next;
            last = E.Hands[1].slot[next];
            AddCard(last);
        }
        if (length == 1)
            return false;
        for (int i = 0; i < length; ++i)
            Flow.HandSlotMouseDown(slots[i], MouseButton::Right);
        Flow.HandSlotMouseDown(jackSlot, MouseButton::Left);
        return true;
    }

    void Note(const char* what, int slot = 0) {
        what_ = what;
        slot_ = slot;
        cards_ = 0;
    }
    void AddCard(int card) {
        if (cards_ < static_cast<int>(card_.size()))
            card_[cards_++] = card;
    }

    Engine& E;
    TurnFlow& Flow;
    const char* what_ = "";
    int slot_ = 0;
    int cards_ = 0;
    std::array<int, 9> card_{};
};

int Pick(int fixed, int varied) {
    return fixed != 0 ? fixed : varied;
}

void SetUpGame(Engine& e, const SimOptions& options, long game) {
    e.EngineStartUp(StartUpFiles{});
    e.SeedRandom(options.Seed + static_cast<unsigned>(game));
    e.PlayerCount = Pick(options.Players, 3 + static_cast<int>(game % 3));
    e.ProgressiveTwos = options.Twos >= 0 ? options.Twos == 1 : (game / 3) % 2 == 1;
    e.PlayUntil = options.Target;
    e.StrategySeed = e.Random(6);
    e.LeadSeat = 1;
    e.FirstDealPending = true;
    e.ResetHandCardPositions();
}

// Copies a card already in play into seat 1's hand, so that the next check must fail.
void BreakTable(Engine& e) {
    Hand& hand = e.Hands[1];
    if (hand.count < kHandLimit && e.TopDiscard() > 0) {
        hand.slot[++hand.count] = e.TopDiscard();
    }
}

void TallyGame(const Engine& e, SimReport& report) {
    const int leader = e.FindLeader();
    for (int seat = 1; seat <= e.PlayerCount; ++seat) {
        const double points = e.ScoreTable[seat][11];
        const bool won = seat == leader;
        for (SeatTally* tally :
             {&report.Seats[seat], seat == 1                          ? nullptr
                                   : (e.StrategySeed + seat) % 2 == 0 ? &report.TableA
                                                                      : &report.TableB}) {
            if (tally == nullptr)
                continue;
            ++tally->Games;
            tally->Points += points;
            tally->Wins += won ? 1 : 0;
        }
    }
    report.RatingSum += e.GameScore;
}

template <typename Player> bool PlayGame(const SimOptions& options, long game, SimReport& report) {
    Engine e;
    SetUpGame(e, options, game);
    CountingView view(e);
    view.DealSize = Pick(options.Deal, 4 + static_cast<int>(game % 4));
    view.ChooseSuit = [&e] { return e.Random(4); };
    NoStorage storage;
    TurnFlow flow(e, view, storage);
    Player player(e, flow);
    long events = 0;
    int round = 0;
    while (true) {
        const bool dealing = !e.RoundActive && !flow.ScoreGridUp() && !e.GameOver;
        if (dealing) {
            view.NewRound();
            ++round;
        }
        if (!player.Step())
            break;
        ++events;
        if (dealing)
            ++report.Rounds;
        if (events == options.InjectFault)
            BreakTable(e);
        if (options.Check) {
            const std::string broken = CheckTableInvariants(e, flow);
            if (!broken.empty()) {
                report.Broken = true;
                report.Failure = "broken table check: seed " +
                                 std::to_string(options.Seed + static_cast<unsigned>(game)) +
                                 " (game " + std::to_string(game + 1) + "), round " +
                                 std::to_string(round) + ", event " + std::to_string(events) +
                                 " (" + player.LastEvent() + "): " + broken;
                return false;
            }
        }
        if (events >= kEventLimit) {
            ++report.Stalls;
            break;
        }
    }
    report.Events += events;
    report.Turns += view.Turns;
    report.Passes += view.Passes;
    report.TwosPenalties += view.TwosPenalties;
    report.TwosChains += view.TwosChains;
    report.AllHandsFullRounds += view.AllHandsFullRounds;
    report.Reshuffles += view.ReshuffleNotices;
    if (e.GameOver) {
        ++report.Games;
        TallyGame(e, report);
    }
    return true;
}

bool ParseInt(const char* text, long low, long high, long& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < low || v > high)
        return false;
    value = v;
    return true;
}

double PerThousand(long count, long rounds) {
    return rounds > 0 ? 1000.0 * static_cast<double>(count) / static_cast<double>(rounds) : 0;
}

double Mean(double sum, long n) {
    return n > 0 ? sum / static_cast<double>(n) : 0;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The JSON report's figures carry as many decimals as the text report shows, no noise beyond.
double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

} // namespace

std::string SimUsage(const char* program) {
    return std::string("usage: ") + program +
           " [--games N] [--players 3|4|5] [--target 100|200|250|300|350] [--deal 4..7]\n"
           "       [--progressive-twos] [--seed S] [--json] [--check] [--player simple|explore]\n";
}

std::string ParseSimOptions(int argc, const char* const* argv, SimOptions& options, bool& json) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--json") {
            json = true;
            continue;
        }
        if (name == "--check") {
            options.Check = true;
            continue;
        }
        if (name == "--progressive-twos") {
            options.Twos = 1;
            continue;
        }
        if (i + 1 >= argc)
            return name + " needs a value or is not an option";
        const char* text = argv[++i];
        const std::string value = text;
        long v = 0;
        if (name == "--games" && ParseInt(text, 1, 100000000, v)) {
            options.Games = static_cast<int>(v);
        } else if (name == "--players" && ParseInt(text, 3, 5, v)) {
            options.Players = static_cast<int>(v);
        } else if (name == "--target" && ParseInt(text, 100, 350, v) &&
                   (v == 100 || v == 200 || v == 250 || v == 300 || v == 350)) {
            options.Target = static_cast<int>(v);
        } else if (name == "--deal" && ParseInt(text, 4, 7, v)) {
            options.Deal = static_cast<int>(v);
        } else if (name == "--seed" && ParseInt(text, 0, 4294967295L, v)) {
            options.Seed = static_cast<unsigned>(v);
        } else if (name == "--twos" && (value == "on" || value == "off")) {
            options.Twos = value == "on" ? 1 : 0; // the older spelling
        } else if (name == "--player" && (value == "simple" || value == "explore")) {
            options.Explore = value == "explore";
        } else if (name == "--inject-fault" && ParseInt(text, 1, 1000000000, v)) {
            options.InjectFault = v;
        } else {
            return "bad option or value: " + name + " " + value;
        }
    }
    return "";
}

SimReport RunSimulation(const SimOptions& options, const std::function<void(long)>& progress) {
    SimReport report;
    report.Options = options;
    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < options.Games; ++game) {
        const bool ok = options.Explore ? PlayGame<SelfPlayer>(options, game, report)
                                        : PlayGame<SimplePlayer>(options, game, report);
        if (!ok)
            break;
        if (progress && (game & 63) == 63)
            progress(game + 1);
    }
    report.Seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report;
}

std::string FormatReport(const SimReport& r) {
    const SimOptions& o = r.Options;
    std::string out;
    auto line = [&out](const std::string& text) { out += text + "\n"; };
    line("Quelvane simulation: seed " + std::to_string(o.Seed) + ", " +
         (o.Players != 0 ? std::to_string(o.Players) + " players" : std::string("3 to 5 players")) +
         ", play until " + std::to_string(o.Target) + ", deal " +
         (o.Deal != 0 ? std::to_string(o.Deal) : std::string("4 to 7")) + ", progressive twos " +
         (o.Twos == 1   ? "on"
          : o.Twos == 0 ? "off"
                        : "varied") +
         ", seat 1 " + (o.Explore ? "exploring" : "simple") +
         (o.Check ? ", table checked after every event" : ""));
    line("games " + std::to_string(r.Games) + ", rounds " + std::to_string(r.Rounds) + ", events " +
         std::to_string(r.Events) +
         (r.Stalls > 0 ? ", stalled games " + std::to_string(r.Stalls) : ""));
    line("mean rounds per game " + Fixed(Mean(static_cast<double>(r.Rounds), r.Games), 2) +
         ", mean turns per round " + Fixed(Mean(static_cast<double>(r.Turns), r.Rounds), 2));
    line("wins by seat (mean final points):");
    for (int seat = 1; seat <= 5; ++seat) {
        const SeatTally& t = r.Seats[seat];
        if (t.Games == 0)
            continue;
        line("  seat " + std::to_string(seat) + (seat == 1 ? " (automatic)" : "") + "  wins " +
             std::to_string(t.Wins) + " (" +
             Fixed(100.0 * Mean(static_cast<double>(t.Wins), t.Games), 1) + "%), points " +
             Fixed(Mean(t.Points, t.Games), 1));
    }
    line("wins by priority table of the computer seats (mean final points):");
    for (const auto& [name, t] : {std::pair{"A", &r.TableA}, std::pair{"B", &r.TableB}}) {
        line(std::string("  table ") + name + "  seats " + std::to_string(t->Games) + ", wins " +
             std::to_string(t->Wins) + " (" +
             Fixed(100.0 * Mean(static_cast<double>(t->Wins), t->Games), 1) + "%), points " +
             Fixed(Mean(t->Points, t->Games), 1));
    }
    line("per 1000 rounds: reshuffles " + Fixed(PerThousand(r.Reshuffles, r.Rounds), 1) +
         ", passes " + Fixed(PerThousand(r.Passes, r.Rounds), 1) + ", all-hands-full rounds " +
         Fixed(PerThousand(r.AllHandsFullRounds, r.Rounds), 1) + ", twos penalties " +
         Fixed(PerThousand(r.TwosPenalties, r.Rounds), 1) + ", twos chains " +
         Fixed(PerThousand(r.TwosChains, r.Rounds), 1));
    line("mean game rating " + Fixed(Mean(static_cast<double>(r.RatingSum), r.Games), 1));
    line("speed: " + Fixed(Mean(static_cast<double>(r.Games), 1) / std::max(r.Seconds, 1e-9), 0) +
         " games/s, " + Fixed(static_cast<double>(r.Rounds) / std::max(r.Seconds, 1e-9), 0) +
         " rounds/s (" + Fixed(r.Seconds, 2) + " s)");
    if (r.Broken)
        line(r.Failure);
    return out;
}

std::string FormatJson(const SimReport& r) {
    const SimOptions& o = r.Options;
    // Ordered: the keys come out in the order the report has always had them.
    using Json = nlohmann::ordered_json;
    auto tally = [](const SeatTally& t) {
        return Json{{"games", t.Games},
                    {"wins", t.Wins},
                    {"mean_points", Rounded(Mean(t.Points, t.Games), 3)}};
    };
    Json seats = Json::object();
    for (int seat = 1; seat <= 5; ++seat) {
        if (r.Seats[seat].Games != 0)
            seats[std::to_string(seat)] = tally(r.Seats[seat]);
    }
    const double seconds = std::max(r.Seconds, 1e-9);
    Json out;
    out["options"] = {{"games", o.Games},
                      {"players", o.Players},
                      {"target", o.Target},
                      {"deal", o.Deal},
                      {"progressive_twos", o.Twos == 1   ? Json(true)
                                           : o.Twos == 0 ? Json(false)
                                                         : Json(nullptr)},
                      {"seed", o.Seed},
                      {"check", o.Check},
                      {"player", o.Explore ? "explore" : "simple"}};
    out["games"] = r.Games;
    out["rounds"] = r.Rounds;
    out["events"] = r.Events;
    out["stalled_games"] = r.Stalls;
    out["wins_per_seat"] = seats;
    out["wins_per_table"] = {{"A", tally(r.TableA)}, {"B", tally(r.TableB)}};
    out["mean_rounds_per_game"] = Rounded(Mean(static_cast<double>(r.Rounds), r.Games), 4);
    out["mean_turns_per_round"] = Rounded(Mean(static_cast<double>(r.Turns), r.Rounds), 4);
    out["per_1000_rounds"] = {
        {"reshuffles", Rounded(PerThousand(r.Reshuffles, r.Rounds), 3)},
        {"passes", Rounded(PerThousand(r.Passes, r.Rounds), 3)},
        {"all_hands_full_rounds", Rounded(PerThousand(r.AllHandsFullRounds, r.Rounds), 3)},
        {"twos_penalties", Rounded(PerThousand(r.TwosPenalties, r.Rounds), 3)},
        {"twos_chains", Rounded(PerThousand(r.TwosChains, r.Rounds), 3)}};
    out["mean_game_rating"] = Rounded(Mean(static_cast<double>(r.RatingSum), r.Games), 3);
    out["games_per_second"] = Rounded(static_cast<double>(r.Games) / seconds, 1);
    out["rounds_per_second"] = Rounded(static_cast<double>(r.Rounds) / seconds, 1);
    out["broken_check"] = r.Broken ? Json(r.Failure) : Json(nullptr);
    // Should a check's text ever hold bytes that are not UTF-8, they are replaced: the report of
    // a broken table must still come out.
    return out.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
