#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A blind player's first minute, checked on the accessibility bus: the game is a frame under its
title, Tab walks the options panel naming each control and entering each group on its ticked
button, START takes the focus into the deal panel, Enter deals and the hand's cards get the focus
by name and place, and F1 takes the focus into the rules and Escape gives it back."""
import re
import sys

import pyatspi

from table_reader import (CARD_NAME, CARD_WORDS, HAND_PLACE, HarnessError, deal_by_keys, run,
                          start_by_keys)

# Tab's walk of the options panel on a fresh folder: the ticked radio button of each group, the
# lists, the card backs in the order of their numbers, the switches, Start.
PANEL_WALK = ["4 players", "Change names", "Saved games", "Play until 250 points",
              "Card back 1", "Card back 2", "Card back 3", "Card back 4",
              "Quick deal", "Sort cards by points", "Progressive twos", "Start"]
ROLES = {"4 players": "radio button", "Change names": "combo box", "Saved games": "combo box",
         "Play until 250 points": "radio button", "Card back 2": "radio button",
         "Quick deal": "check box", "Start": "push button"}


def check(condition, text):
    if not condition:
        raise HarnessError(text)


def focus_events(reader, since):
    return [e for e in reader.events_since(since) if e.type == "focus:"]


def options_panel_by_tab(reader):
    window = reader.window()
    check(window.getRoleName() == "frame" and window.name == "Quelvane 1.3",
          f"the table window is a {window.getRoleName()!r} named {window.name!r}")
    walked, started = start_by_keys(reader)
    print(f"Tab walked: {walked}")
    check(walked == PANEL_WALK, f"Tab's walk of the options panel: {walked}")
    for name, role in ROLES.items():
        event = next(e for e in reader.events if e.type == "focus:" and e.name == name)
        check(event.role == role, f"{name!r} has the role {event.role!r}, not {role!r}")
    # The chosen card back says so.
    backs = {back.name: back.getState().contains(pyatspi.STATE_CHECKED)
             for back in reader.find_all("radio button", re.compile("^Card back"), showing_only=False)}
    check(backs == {"Card back 1": False, "Card back 2": True, "Card back 3": False,
                    "Card back 4": False}, f"the card backs checked: {backs}")
    # START takes the focus to the ticked deal size.
    reader.wait_focus("radio button", "6 cards", since=started)


def deal_and_hand(reader):
    first = deal_by_keys(reader, 6)
    check(CARD_NAME.search(first.name), f"the first card's focus names {first.name!r}, not a card")
    check(re.match(r"^card 1 of 6 in your hand$", first.description),
          f"the first card's focus says {first.description!r}")
    dealt = reader.mark()
    # The computers play first where they lead; the player hears each play, then the turn.
    told = reader.wait_for(lambda: next((e.index for e in reader.events_since(dealt)
                                         if e.role == "notification" and e.detail1
                                         and e.type == "object:state-changed:showing"
                                         and e.name == "Your turn"), None),
                           90, "'Your turn' to be told")
    check_news_of_the_turns(reader.events[dealt:told + 1])

    mark = reader.press("Home", "Right")
    second = reader.wait_focus("push button", CARD_NAME, re.compile(r"^card 2 of \d+ in your hand"),
                               since=mark, timeout=90)
    held = int(HAND_PLACE.search(second.description).group(2))
    hand = reader.hand()
    check(len(hand) == held, f"the focus says {held} cards, the table shows {hand}")
    check(hand[1][0] == second.name, f"the focus names {second.name!r}, the second card is {hand[1]}")

    mark = reader.press("End")
    last = reader.wait_focus(description=f"card {held} of {held} in your hand", since=mark)
    check(last.name == hand[-1][0], f"End's focus names {last.name!r}, the last card is {hand[-1]}")
    mark = reader.press("Home")
    reader.wait_focus(name=hand[0][0], description=f"card 1 of {held} in your hand", since=mark)


def news(events):
    """What the table told a screen reader: each text shown on its notification object."""
    return [e.name for e in events
            if e.role == "notification" and e.type == "object:state-changed:showing" and e.detail1]


def check_news_of_the_turns(events):
    """Between the deal and the player's turn the table tells whose turn it is and what each
    computer laid; every one of those is a notification a screen reader speaks."""
    told = news(events)
    print(f"news: {told}")
    check(any(text.endswith("Your turn") for text in told), f"no 'Your turn' among {told}")
    laid = [text for text in told if " lays " in text]
    for text in laid:
        check(re.search(rf" lays (?:the {CARD_WORDS}|a joker)", text), f"a play told as {text!r}")


def rules_by_f1(reader):
    held = reader.hand()
    mark = reader.press("F1")
    reader.wait_focus("text", "Rules", since=mark)
    mark = reader.press("Escape")
    # Back on the hand, on the card the keys stood on.
    reader.wait_focus("push button", held[0][0], since=mark)


def walk(reader):
    options_panel_by_tab(reader)
    deal_and_hand(reader)
    rules_by_f1(reader)


if __name__ == "__main__":
    sys.exit(run(walk))
