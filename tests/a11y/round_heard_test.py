#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole round of four players played by keys with Orca listening, as a blind player plays it:
after each key the player waits for the table to answer and for Orca to finish speaking, and only
then presses the next. A step is silent when Orca said nothing between one key and the next; at
most one step in ten may be. After every step one object at most is focused on the bus. When the
score grid shows, Orca says the grid, the round's points, the totals and the player's own total.
Every step and what Orca said of it is printed."""
import re
import sys
import time

import pyatspi

from orca_listener import OrcaListener
from table_reader import (CARD_NAME, HAND_PLACE, HarnessError, TableReader, discard_top, playable,
                          suit_to_follow, tab_to)

ROUND_WAIT = 150  # the computers' turns at the game's own pace, on a busy machine
QUIET = 1.2  # Orca has finished with a step when it has said nothing for this long
PATIENCE = 3.0  # how long a player waits for an answer to a key that may bring none
# What the table says once it takes the player's keys again after a play or a draw.
TURN_ANSWER = re.compile(r"^Your turn$|^You draw the |cannot be laid|^Round \d+ points")


def news(reader, since):
    return [e.name for e in reader.events_since(since)
            if e.role == "notification" and e.type == "object:state-changed:showing" and e.detail1]


def grid_up(reader):
    return bool(reader.find_all("table", "Scores"))


def chooser_up(reader):
    return any(w is not None and w.name == "Choose Suit" and w.getState().contains(pyatspi.STATE_SHOWING)
               for w in reader.app)


def focused_objects(reader):
    """Every object of the game's on the bus that says it is focused, its windows included. A
    table with the keys on one of its cells counts once, as the cell: that is how a table shows
    which cell is current, on this bus as in every toolkit."""
    found, stack = [], list(reader.app)
    while stack:
        node = stack.pop()
        try:
            if node is None:
                continue
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                found.append((node.getRoleName(), node.name))
            stack.extend(node)
        except Exception:  # an object that went while it was read
            continue
    if any(role == "table cell" for role, _ in found):
        found = [(role, name) for role, name in found if role != "table"]
    return [f"[{role}] {name!r}" for role, name in found]


class HeardRound:
    def __init__(self, reader, orca):
        self.reader, self.orca = reader, orca
        self.steps = []  # (key, what Orca said between it and the next key)
        self.double_focus = []

    def press(self, key, answered=None, wait=ROUND_WAIT):
        """One step: the key, the table's answer (or a player's patience when the key may bring
        none), Orca falling quiet, and what is focused then."""
        said = self.orca.mark()
        mark = self.reader.press(key)
        began = time.monotonic()
        self.reader.wait_for(
            lambda: (answered(mark) if answered else False) or
            (answered is None and time.monotonic() - began > PATIENCE), wait, f"the answer to {key}")
        self.wait_quiet()
        heard = self.orca.spoken(said)
        self.steps.append((key, heard))
        focused = focused_objects(self.reader)
        print(f"STEP {len(self.steps)} {key}: {heard}; focused {focused}", flush=True)
        if len(focused) > 1:
            self.double_focus.append((key, focused))
        return mark

    def wait_quiet(self):
        count, since = self.orca.mark(), time.monotonic()
        deadline = since + 20
        while time.monotonic() < deadline:
            self.reader.pump(0.1)
            if self.orca.mark() != count:
                count, since = self.orca.mark(), time.monotonic()
            elif time.monotonic() - since >= QUIET:
                return

    def turn_answer(self, mark):
        return any(TURN_ANSWER.search(t) for t in news(self.reader, mark)) or grid_up(self.reader) \
            or chooser_up(self.reader)

    def focused_place(self):
        for event in reversed(self.reader.events):
            if event.type == "focus:" and CARD_NAME.search(event.name):
                place = HAND_PLACE.search(event.description or "")
                if place:
                    return int(place.group(1))
        return 1

    def card_focus(self, mark):
        return any(e.type == "focus:" and CARD_NAME.search(e.name) for e in self.reader.events_since(mark))

    def turn(self, refused):
        """Walks to the first card that may be laid and lays it, or draws."""
        hand = [name for name, _ in self.reader.hand()]
        top, follow = discard_top(self.reader), suit_to_follow(self.reader)
        # A joker held goes down first, so that the suit chooser is met whenever one is dealt.
        order = sorted(enumerate(hand, start=1), key=lambda placed: placed[1] != "joker")
        wanted = next((place for place, card in order if card != refused and playable(card, top, follow)),
                      None)
        if wanted is None:
            mark = self.press("d", self.turn_answer)
            return None, mark
        # From the first card on, as a player listening through the hand would.
        self.press("Home", self.card_focus if self.focused_place() != 1 else None, PATIENCE + 5)
        at = 1
        while at != wanted:
            self.press("Right" if wanted > at else "Left", self.card_focus, PATIENCE + 5)
            at += 1 if wanted > at else -1
        mark = self.press("Return", self.turn_answer)
        if chooser_up(self.reader):
            self.press("1", self.turn_answer)
        return hand[wanted - 1], mark

    def round(self):
        tab_to(self.reader, "Start")
        self.press("Return", lambda m: bool(self.reader.find_all("push button", "Deal")))
        self.press("5")
        self.press("Return", self.turn_answer)
        # A look at the rules on the first turn, and back to the hand.
        self.press("F1", lambda m: any(e.type == "focus:" and e.name == "Rules"
                                       for e in self.reader.events_since(m)))
        self.press("Escape", self.card_focus)
        refused = None
        for _ in range(300):
            if grid_up(self.reader):
                break
            card, mark = self.turn(refused)
            refused = card if any("cannot be laid" in t for t in news(self.reader, mark)) else None
        else:
            raise HarnessError("the round did not end in 300 turns")
        ended = self.steps[-1][1]
        self.press("Return", lambda m: bool(self.reader.find_all("push button", "Deal")))
        return ended


def check_round(reader, orca):
    heard = HeardRound(reader, orca)
    orca.start()
    reader.start()
    ended = heard.round()
    silent = [(n, key) for n, (key, said) in enumerate(heard.steps, start=1) if not said]
    print(f"silent steps: {len(silent)} of {len(heard.steps)}: {silent}", flush=True)
    print(f"when the score grid showed Orca said: {ended}", flush=True)
    problems = []
    if len(silent) * 10 > len(heard.steps):
        problems.append(f"{len(silent)} of {len(heard.steps)} steps were silent")
    if heard.double_focus:
        problems.append(f"two objects focused at once: {heard.double_focus}")
    for wanted in (r"^Scores\b", r"Round 1 points: You \d+", r"Totals: You \d+", r"^You\b"):
        if not any(re.search(wanted, text) for text in ended):
            problems.append(f"at the score grid Orca never said {wanted!r}")
    if problems:
        raise HarnessError("; ".join(problems))


def main():
    reader = TableReader(echo=False)
    orca = OrcaListener(reader)
    try:
        check_round(reader, orca)
    except Exception:
        print("\nFAILED; the game's output:\n" + (reader.game_log() if reader.game else ""), flush=True)
        raise
    finally:
        reader.close()
        orca.stop()
    print("PASSED", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
