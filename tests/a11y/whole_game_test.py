#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game by keys alone, as a blind player plays it, checked on the accessibility bus: a
saved game near its end loaded from the options panel, the rules opened with F1 from the box and
left with Escape, START, two rounds dealt and played to their score grids, and GAME OVER. At each
step the focus must be where the game wants a key, and what happened must have been told."""
import os
import re
import struct
import sys

from table_reader import CARD_WORDS, HarnessError, deal_by_keys, play_turn, run, tab_to

ROUND_WAIT = 150  # a round at the game's own pace, on a busy machine

SEATS = ["You", "Raduz", "Vur"]


def check(condition, text):
    if not condition:
        raise HarnessError(text)


def write_saved_game(folder, name):
    """A three-player game after eight rounds of five points each: two rounds are left."""
    record = bytearray(376)
    struct.pack_into("<6i", record, 0, 3, 9, 350, 2, 4, 1)  # players, round, target, back, deal, lead
    for seat in range(1, 4):
        for column in range(1, 12):
            points = 40 if column == 11 else (5 if column <= 8 else 0)
            struct.pack_into("<i", record, 28 + 4 * ((seat - 1) * 11 + column - 1), points)
    for entry, seat_name in enumerate(SEATS + ["Dad", "Dezev"], start=1):
        at = 248 + 21 * (entry - 1)
        record[at] = len(seat_name)
        record[at + 1:at + 1 + len(seat_name)] = seat_name.encode()
    os.makedirs(os.path.join(folder, "Save"), exist_ok=True)
    with open(os.path.join(folder, "Save", name + ".sav"), "wb") as file:
        file.write(record)


def news(reader, since=0):
    """Everything the table told a screen reader since the mark, in order."""
    return [e.name for e in reader.events_since(since)
            if e.role == "notification" and e.type == "object:state-changed:showing" and e.detail1]


def wait_news(reader, pattern, since, timeout=20):
    return reader.wait_for(lambda: next((text for text in news(reader, since) if re.search(pattern, text)), None),
                           timeout, f"news matching {pattern!r}")


def load_and_look_up_the_rules(reader):
    tab_to(reader, "Saved games")
    mark = reader.press("l", "a", "s", "t", "Return")
    wait_news(reader, r"^last loaded - Current Round:9$", mark)
    # F1 is no letter of a name: from the box it opens the rules, and Escape comes back.
    mark = reader.press("F1")
    reader.wait_focus("text", "Rules", since=mark)
    mark = reader.press("Escape")
    # The box now says the game it holds.
    reader.wait_focus("combo box", description="pick a game, then Enter to load it", since=mark)


def start(reader):
    tab_to(reader, "Start")
    mark = reader.press("Return")
    # The saved game's deal size is the one ticked, and the keys stand on it.
    reader.wait_focus("radio button", "4 cards", since=mark)


def grid_up(reader):
    return bool(reader.find_all("table", "Scores"))


def play_turns(reader, dealt):
    """Plays the round out by keys: the first card that may be laid, else a draw. Each key is
    followed by what the table tells of it (the turn coming back, the card drawn, a refusal)
    before the next; the round ends with the score grid. Returns whether the suit chooser came."""
    refused = None
    chooser_seen = False
    for _ in range(300):
        if grid_up(reader) or not reader.find_all("image", re.compile(r"^discard pile")):
            return chooser_seen
        if reader.find_all("dialog", "Choose Suit"):
            # A key typed a moment early met the chooser: name diamonds and go on.
            reader.press("1")
            reader.wait_for(lambda: not reader.find_all("dialog", "Choose Suit"), ROUND_WAIT,
                            "the chooser to close")
        mark = reader.mark()
        done = play_turn(reader, tried=refused)
        refused = None
        answer = r"^Your turn$|^You draw the |^You Draws|cannot be laid|^Round \d+ points"
        text = reader.wait_for(
            lambda: next((t for t in news(reader, mark) if re.search(answer, t)), None)
            or ("grid" if grid_up(reader) else None),
            ROUND_WAIT, f"the table to answer {done}")
        if text == "grid" or text.startswith("Round "):
            return chooser_seen
        if "cannot be laid" in text:
            refused = done[1]
        # The chooser, when a joker went down, gave its first suit the focus.
        chooser_seen = chooser_seen or any(
            e.type == "focus:" and e.role == "push button" and e.name == "diamonds"
            for e in reader.events_since(mark))
    raise HarnessError("the round did not end in 300 turns")


def play_round(reader, number):
    """Deals by keys, plays the round out, and checks what a listener was told meanwhile."""
    dealt = reader.mark()
    deal_by_keys(reader, 4)
    # The cards are dealt and the first discard turned before the turn is the player's.
    reader.wait_for(lambda: any(t == "Your turn" for t in news(reader, dealt)) or grid_up(reader),
                    ROUND_WAIT, "the player's first turn")
    chooser_seen = play_turns(reader, dealt)
    told = news(reader, dealt)
    print(f"round {number} told: {told}", flush=True)
    check(any(t.endswith("Your turn") for t in told), "'Your turn' was never told")
    check(any(re.search(rf"^(?:{'|'.join(SEATS[1:])}) lays (?:the {CARD_WORDS}|a joker)", t) for t in told),
          "no computer's play was told")
    check(any(re.search(rf"^You lay (?:the {CARD_WORDS}|a joker)", t) for t in told), "no play of ours was told")
    points = wait_news(reader, rf"^Round {number} points: You \d+, Raduz \d+, Vur \d+\. Totals: ", dealt)
    print(f"round {number} scores: {points}; the suit chooser {'was' if chooser_seen else 'was not'} used",
          flush=True)
    # The score grid has the focus, with its seats and rounds as headers.
    reader.wait_for(lambda: next((e for e in reader.events_since(dealt) if e.type == "focus:"
                                  and (e.name == "Scores" or e.role in ("table cell", "table"))), None),
                    20, "the score grid to take the focus")
    return dealt


def close_grid(reader):
    """Enter closes the score grid. A key typed a moment too late in the round may have closed
    it already, as it would for any player: then there is nothing to press."""
    mark = reader.mark()
    if grid_up(reader):
        mark = reader.press("Return")
    return mark


def close_grid_for_the_next_round(reader, round_mark):
    close_grid(reader)
    reader.wait_focus("radio button", "4 cards", since=round_mark)


def close_grid_at_the_end(reader, round_mark):
    close_grid(reader)
    over = reader.wait_focus("label", "GAME OVER", since=round_mark)
    check(re.search(r"Winner: (?:You|Raduz|Vur)", over.description), f"GAME OVER says {over.description!r}")
    wait_news(reader, r"^GAME OVER\. Winner: (?:You|Raduz|Vur)", round_mark)


def whole_game(reader):
    load_and_look_up_the_rules(reader)
    start(reader)
    close_grid_for_the_next_round(reader, play_round(reader, 9))
    close_grid_at_the_end(reader, play_round(reader, 10))


if __name__ == "__main__":
    write_saved_game(os.environ["QUELVANE_A11Y_GAME"], "last")
    sys.exit(run(whole_game))
