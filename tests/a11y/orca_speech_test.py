#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca as the judge: with the real screen reader listening, a blind player hears the window as
a frame under its title, each control of the options panel as Tab reaches it, the deal panel
after START, the hand's cards with their places, every computer's play and whose turn it is, and
the rules when F1 opens them. Everything Orca says is printed."""
import re
import sys

from orca_listener import OrcaListener
from table_reader import CARD_WORDS, HarnessError, TableReader, deal_by_keys

# Orca says a hand card as its name and role, then its place in the hand.
SPOKEN_CARD = re.compile(rf"^{CARD_WORDS} push button\.?$")


def listen(reader, orca):
    orca.start()
    reader.start()
    orca.wait_spoken(re.compile(r"^Quelvane 1\.3 frame\b"))

    # Tab by Tab, each control is said before the next key, as a player listening would wait.
    mark = orca.mark()
    walked = [reader.wait_focus(since=0).name]
    orca.wait_spoken(re.compile("^" + re.escape(walked[0])), since=mark)
    while walked[-1] != "Start":
        if len(walked) > 20:
            raise HarnessError(f"Tab never reached Start: {walked}")
        said = orca.mark()
        pressed = reader.press("Tab")
        walked.append(reader.wait_focus(since=pressed).name)
        orca.wait_spoken(re.compile("^" + re.escape(walked[-1])), since=said)
    reader.press("Return")
    # START: the deal panel, on its ticked size.
    orca.wait_spoken(re.compile(r"^Deal panel\.?$"), since=mark)
    orca.wait_spoken(re.compile(r"^6 cards\.?$"), since=mark)

    mark = orca.mark()
    deal_by_keys(reader, 6)
    card = orca.wait_spoken(SPOKEN_CARD, since=mark)
    place = orca.wait_spoken(re.compile(r"^card 1 of 6 in your hand\.?$"), since=mark)
    after = orca.spoken(mark)
    if after.index(place) != after.index(card) + 1:
        raise HarnessError(f"the card's place does not follow its name: {after}")
    # The computers' plays before the player's turn, and the turn itself.
    orca.wait_spoken(re.compile(r"^notification Your turn\.?$"), since=mark, timeout=90)
    print(f"from the deal to the player's turn Orca said: {orca.spoken(mark)}", flush=True)

    mark = orca.mark()
    reader.press("Right")
    orca.wait_spoken(re.compile(r"^card 2 of \d+ in your hand\.?$"), since=mark, timeout=90)

    # The rules by F1, and back.
    mark = orca.mark()
    reader.press("F1")
    orca.wait_spoken(re.compile(r"^Rules\b"), since=mark)
    reader.press("Escape")
    print(f"on F1 and Escape Orca said: {orca.spoken(mark)}", flush=True)


def main():
    reader = TableReader()
    orca = OrcaListener(reader)
    try:
        listen(reader, orca)
    except Exception:
        print("\nFAILED; the game's output:\n" + (reader.game_log() if reader.game else ""), flush=True)
        raise
    finally:
        print("Orca said, in all:\n" + "\n".join(f"  {text}" for text in orca.spoken()), flush=True)
        reader.close()
        orca.stop()
    print(f"PASSED (Orca was on after {orca.ready_after:.1f}s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
