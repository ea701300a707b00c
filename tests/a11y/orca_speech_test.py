#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca as the judge: with the real screen reader listening, the window's title and the hand's
cards are spoken. Everything Orca says is printed; what it leaves unsaid today is printed as
FINDING lines and not judged."""
import re
import sys

from orca_listener import OrcaListener
from table_reader import CARD_WORDS, HarnessError, TableReader, deal_by_keys, start_by_keys

# Orca says a hand card as its name and role, then its place in the hand.
SPOKEN_CARD = re.compile(rf"^{CARD_WORDS} push button\.?$")


def finding(text):
    print(f"FINDING: {text}", flush=True)


def listen(reader, orca):
    orca.start()
    reader.start()
    orca.wait_spoken(re.compile(r"^Quelvane 1\.3\b"))

    mark = orca.mark()
    walked, _ = start_by_keys(reader)
    reader.pump(1)
    heard = orca.spoken(mark)
    unsaid = [name for name in walked if not any(text.startswith(name) for text in heard)]
    finding(f"Tab's walk {walked} was spoken as {heard}; never said: {unsaid}")

    mark = orca.mark()
    deal_by_keys(reader, 6)
    card = orca.wait_spoken(SPOKEN_CARD, since=mark)
    place = orca.wait_spoken(re.compile(r"^card 1 of 6 in your hand\.?$"), since=mark)
    after = orca.spoken(mark)
    if after.index(place) != after.index(card) + 1:
        raise HarnessError(f"the card's place does not follow its name: {after}")

    mark = orca.mark()
    reader.press("Right")
    orca.wait_spoken(re.compile(r"^card 2 of \d+ in your hand\.?$"), since=mark, timeout=90)
    finding(f"while the computers played and on Right Orca said: {orca.spoken(mark)}")

    mark = orca.mark()
    pressed = reader.press("F1")
    reader.wait_event("object:state-changed:showing", "text", "Rules", since=pressed)
    reader.pump(2)
    finding(f"on F1 Orca said: {orca.spoken(mark)}")


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
