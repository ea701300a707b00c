#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays one whole round by keys and prints what the accessibility bus carried, ending with the
score grid and what closing it brings. Not a test: a round takes a minute or more, and what it
shows depends on the cards. Run it by hand to see the table as a screen reader would:

    QUELVANE_A11Y_LIMIT=400 tests/a11y/run_a11y_test.sh build/game tests/a11y/round_transcript.py

With --orca, Orca listens too and everything it said is printed at the end. The turns are kept in
step with the table by opening and closing the rules (see settle), which shows in the transcript.
"""
import sys

from orca_listener import OrcaListener
from table_reader import HarnessError, TableReader, deal_by_keys, play_turn, settle, start_by_keys


def round_by_keys(reader):
    start_by_keys(reader)
    deal_by_keys(reader, 5)
    refused = None
    for _ in range(200):
        if settle(reader) == "scores":
            break
        before = reader.hand()
        done = play_turn(reader, tried=refused)
        print(f"TURN: {done}", flush=True)
        refused = None
        if done[0] == "play":
            if settle(reader) == "scores":
                break
            # A card the table would not take leaves the hand as it was: the next turn passes it by.
            if reader.hand() == before:
                refused = done[1]
    else:
        raise HarnessError("the round did not end in 200 turns")

    grid = reader.find("table", "Scores")
    cells = [cell.name for cell in reader.find_all("table cell", root=grid)]
    print(f"FINDING: the score grid's cells: {cells}", flush=True)
    opened = max(i for i, e in enumerate(reader.events)
                 if e.name == "Scores" and e.type == "object:state-changed:showing")
    print("FINDING: when the score grid opened the bus carried:\n" + reader.transcript(opened - 15))
    mark = reader.press("Return")
    reader.wait_event("object:state-changed:showing", "push button", "Deal", since=mark)
    reader.pump(1)
    print("FINDING: Enter closed the grid; then came:\n" + reader.transcript(mark))


def main():
    reader = TableReader()
    orca = OrcaListener(reader) if "--orca" in sys.argv[1:] else None
    try:
        if orca:
            orca.start()
        reader.start()
        round_by_keys(reader)
    finally:
        if orca:
            print("Orca said:\n" + "\n".join(f"  {text}" for text in orca.spoken()), flush=True)
        reader.close()
        if orca:
            orca.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
