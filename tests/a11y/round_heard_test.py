#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A round of four players by keys with Orca listening, as a blind player plays it: after each key
the player waits for the table's answer and for Orca to fall quiet, then presses the next. Orca
must name the window, and each control, card and page the focus comes to (the options panel by
Tab, the deal panel, the hand with each card's place, the rules); one step in ten at most may be
silent; after every step one object at most is focused; and when the score grid shows, Orca says
the grid, the round's points and the totals. Every step and what Orca said of it is printed."""
import re
import time

import pyatspi

from orca_listener import OrcaListener
from table_reader import CARD_WORDS, HarnessError, TableReader, discard_top, playable, suit_to_follow

ROUND_WAIT = 150  # the computers' turns at the game's own pace, on a busy machine
QUIET = 1.0  # Orca has finished with a step when it has said nothing for this long
PATIENCE = 3.0  # how long a player waits after a key that may bring no event
TURN_ANSWER = re.compile(r"^Your turn$|^You draw the |cannot be laid|^Round \d+ points")
MOST_STEPS = 90  # a round that lasts longer is judged on these, within the test's time
MOVES = ("Tab", "Home", "Right", "Left", "F1", "Escape")  # keys that only move the focus


def focused_objects(reader):
    """The objects of the game's windows that say they are focused. A control that Qt shows as a
    pair counts once: a table with its current cell, an editable combo box with its text field.
    What is hidden is not walked (a closed grid keeps no current cell: the window tests hold it)."""
    found, stack = [], [(window, None) for window in reader.app]
    while stack:
        node, parent = stack.pop()
        try:
            state = node.getState()
            if state.contains(pyatspi.STATE_FOCUSED):
                found.append((node.getRoleName(), node.name, parent.getRoleName() if parent else ""))
            if state.contains(pyatspi.STATE_SHOWING):
                stack.extend((child, node) for child in node)
        except Exception:  # gone while it was read
            continue
    cell = any(role == "table cell" for role, _, _ in found)
    return [f"[{role}] {name!r}" for role, name, parent in found
            if not (cell and role == "table") and not (role == "text" and parent == "combo box")]


class HeardRound:
    def __init__(self, reader, orca):
        self.reader, self.orca, self.steps, self.problems = reader, orca, [], []

    def press(self, key, answered=None, patient=False):
        """One step: the key, the table's answer (or the player's patience, when the key may bring
        none), and Orca falling quiet."""
        said, mark, began = self.orca.mark(), self.reader.press(key), time.monotonic()
        self.reader.wait_for(lambda: (answered is not None and answered(mark)) or
                             ((patient or answered is None) and time.monotonic() - began > PATIENCE),
                             ROUND_WAIT, f"the answer to {key}")
        count, quiet_since = said, time.monotonic()
        while time.monotonic() - quiet_since < QUIET:
            self.reader.pump(0.1)
            if self.orca.mark() != count:
                count, quiet_since = self.orca.mark(), time.monotonic()
        heard, focused, moved = self.orca.spoken(said), focused_objects(self.reader), self.focus(mark)
        self.steps.append((key, heard))
        print(f"STEP {len(self.steps)} {key}: {heard}; focused {focused}", flush=True)
        if key in MOVES and moved and moved.name and not any(t.startswith(moved.name) for t in heard):
            self.problems.append(f"{key} moved the focus to {moved.name!r}, which Orca did not say")
        if len(focused) > 1:
            self.problems.append(f"after {key} {len(focused)} objects were focused: {focused}")
        return heard

    def focus(self, mark):
        return next((e for e in reversed(self.reader.events_since(mark)) if e.type == "focus:"), None)

    def up(self, role, name):
        """Whether that control shows; a dialog is a window of its own."""
        if role == "dialog":
            return any(w is not None and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING)
                       for w in self.reader.app)
        return bool(self.reader.find_all(role, name))

    def turn_answer(self, mark):  # the turn back, a card drawn or refused, the grid or the chooser
        return any(e.role == "notification" and e.detail1 and TURN_ANSWER.search(e.name)
                   for e in self.reader.events_since(mark)) or self.up("table", "Scores") or self.up("dialog", "Choose Suit")

    def focus_or_news(self, mark):
        return any(e.type == "focus:" or (e.role == "notification" and e.detail1) for e in self.reader.events_since(mark))

    def expect(self, heard, pattern, what):
        if not any(re.search(pattern, text) for text in heard):
            self.problems.append(f"{what}: Orca never said {pattern!r} but {heard}")

    def turn(self, refused):
        """From the first card on, as a player listening through the hand would, to a joker when
        one is held (so that the suit chooser is met whenever one is dealt), else to the first
        card that may be laid; or a draw."""
        hand = [name for name, _ in self.reader.hand()]
        top, follow = discard_top(self.reader), suit_to_follow(self.reader)
        order = sorted(enumerate(hand, start=1), key=lambda placed: placed[1] != "joker")
        wanted = next((place for place, card in order if card != refused and playable(card, top, follow)), None)
        if wanted is None:
            return self.press("d", self.turn_answer), None
        self.press("Home", self.focus_or_news, patient=True)
        for _ in range(wanted - 1):
            self.press("Right", self.focus_or_news)
        heard = self.press("Return", self.turn_answer)
        if self.up("dialog", "Choose Suit"):
            heard = self.press("1", self.turn_answer)
        # A card the table would not take is passed by next time.
        return heard, hand[wanted - 1] if any("cannot be laid" in t for t in heard) else None

    def round(self):
        self.orca.wait_spoken(re.compile(r"^Quelvane 1\.3 frame\b"))
        self.reader.wait_focus(since=0)
        while self.focus(0).name != "Start":
            if len(self.steps) > 20:
                raise HarnessError("Tab never reached Start")
            self.press("Tab", self.focus_or_news)
        heard = self.press("Return", lambda m: self.up("push button", "Deal"))
        for pattern in (r"^Deal panel\.?$", r"^6 cards\.?$"):
            self.expect(heard, pattern, "START")
        self.press("5", self.focus_or_news, patient=True)
        heard = self.press("Return", self.turn_answer)
        place = next((i for i, t in enumerate(heard) if re.search(rf"^{CARD_WORDS} push button\.?$", t)), -2)
        self.expect(heard[place + 1:place + 2], r"^card 1 of 5 in your hand\.?$", "the first card dealt")
        self.expect(heard, r"^notification Your turn\.?$", "the deal")
        self.expect(self.press("F1", self.focus_or_news), r"^Rules\b", "F1")
        self.press("Escape", self.focus_or_news)
        refused = None
        while not self.up("table", "Scores"):
            if len(self.steps) >= MOST_STEPS:
                print(f"the round went on past {MOST_STEPS} keys: judged on those", flush=True)
                return
            heard, refused = self.turn(refused)
        for pattern in (r"^Scores\b", r"Round 1 points: You \d+", r"Totals: You \d+", r"^You\b"):
            self.expect(heard, pattern, "the score grid")
        self.press("Return", lambda m: self.up("push button", "Deal"))


def main():
    reader = TableReader(echo=False)
    orca = OrcaListener(reader)
    heard = HeardRound(reader, orca)
    try:
        orca.start()
        reader.start()
        heard.round()
        silent = [(n, key) for n, (key, said) in enumerate(heard.steps, start=1) if not said]
        print(f"silent steps: {len(silent)} of {len(heard.steps)}: {silent}", flush=True)
        if len(silent) * 10 > len(heard.steps):
            heard.problems.append(f"{len(silent)} of {len(heard.steps)} steps were silent")
        if heard.problems:
            raise HarnessError("\n".join(heard.problems))
    except Exception:
        print("\nFAILED; the game's output:\n" + (reader.game_log() if reader.game else ""), flush=True)
        raise
    finally:
        reader.close()
        orca.stop()
    print("PASSED", flush=True)


if __name__ == "__main__":
    main()
