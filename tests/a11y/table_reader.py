# SPDX-License-Identifier: GPL-3.0-or-later
"""The table as a screen reader meets it: the game on the accessibility bus, the events it sends,
and keys typed at its window the way a player types them.

Run only inside run_a11y_test.sh, which provides the display, the session bus and a private copy
of the game's working folder. Every wait polls the bus until a deadline: on a busy machine a step
may take seconds, and a fixed sleep would be either too short or too slow.
"""
import os
import re
import subprocess
import time
from dataclasses import dataclass

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

# Generous: the game, the bus and a screen reader share two cores with other builds.
DEFAULT_TIMEOUT = float(os.environ.get("QUELVANE_A11Y_TIMEOUT", "20"))

WINDOW_TITLE = "Quelvane 1.3"

RANKS = ("ace", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack",
         "queen", "king")
SUITS = ("diamonds", "clubs", "hearts", "spades")
# What the game calls a card: "seven of hearts", "joker".
CARD_WORDS = rf"(?:(?:{'|'.join(RANKS)}) of (?:{'|'.join(SUITS)})|joker)"
CARD_NAME = re.compile(rf"^{CARD_WORDS}$")
HAND_PLACE = re.compile(r"^card (\d+) of (\d+) in your hand")

# The events a screen reader acts on, plus showing and checked, which tell what appeared and what
# was ticked. Announcements are asked for even where the bus does not know them yet.
EVENT_TYPES = (
    "focus:",
    "window:activate",
    "window:deactivate",
    "window:create",
    "object:state-changed:focused",
    "object:state-changed:showing",
    "object:state-changed:checked",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:text-changed",
    "object:announcement",
)


class HarnessError(AssertionError):
    """A step did not see what it waited for; the message says what and what came instead."""


@dataclass
class Event:
    index: int
    time: float
    type: str
    role: str
    name: str
    description: str
    detail1: int
    data: str

    def __str__(self):
        text = f"#{self.index} {self.time:6.2f}s {self.type} [{self.role}] {self.name!r}"
        if self.description:
            text += f" desc={self.description!r}"
        if self.type.startswith("object:state-changed"):
            text += f" ={self.detail1}"
        if self.data and self.data != self.name:
            data = self.data if len(self.data) <= 120 else self.data[:120] + "..."
            text += f" data={data!r}"
        return text


def _matches(pattern, text):
    """None matches anything; a compiled pattern searches; a string must be equal."""
    if pattern is None:
        return True
    if isinstance(pattern, re.Pattern):
        return pattern.search(text or "") is not None
    return text == pattern


def _safe(call, fallback=""):
    try:
        value = call()
    except Exception:  # the object may be gone by the time its event is read
        return fallback
    return fallback if value is None else value


class TableReader:
    """One game, its events since it started, and the keys sent to it."""

    def __init__(self, game_dir=None, echo=True):
        self.game_dir = game_dir or os.environ["QUELVANE_A11Y_GAME"]
        self.echo = echo
        self.events = []
        self.game = None
        self.app = None
        self.window_id = None
        self.started = time.monotonic()
        self._context = GLib.MainContext.default()
        self._listener = self._on_event
        pyatspi.Registry.registerEventListener(self._listener, *EVENT_TYPES)

    # ---- the game ----

    def start(self, timeout=DEFAULT_TIMEOUT):
        """Starts the game in its working folder and waits until it is on the bus with its window,
        which then gets the keyboard (there is no window manager to give it)."""
        env = dict(os.environ)
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.log_path = os.path.join(os.environ.get("QUELVANE_A11Y_WORK", self.game_dir), "game.log")
        self._game_log = open(self.log_path, "wb")
        self.game = subprocess.Popen(
            ["./quelvane"], cwd=self.game_dir, env=env, stdout=self._game_log, stderr=subprocess.STDOUT
        )
        self.app = self.wait_for(self._find_app, timeout, "the game's application on the bus")
        self.note(f"application {self.app.name!r} pid {self.game.pid} on the bus")
        self.window_id = self._x_window(timeout)
        self._xdotool("windowfocus", "--sync", self.window_id, timeout=timeout)
        return self

    def close(self):
        if self.game is not None and self.game.poll() is None:
            self.game.terminate()
            try:
                self.game.wait(10)
            except subprocess.TimeoutExpired:
                self.game.kill()
                self.game.wait()
        pyatspi.Registry.deregisterEventListener(self._listener, *EVENT_TYPES)

    def game_log(self):
        self._game_log.flush()
        with open(self.log_path, errors="replace") as f:
            return f.read()

    def _find_app(self):
        self._check_alive()
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and _safe(app.get_process_id, -1) == self.game.pid:
                for window in app:
                    if window is not None and window.name == WINDOW_TITLE:
                        return app
        return None

    def _x_window(self, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self._xdotool("search", "--onlyvisible", "--name", "^Quelvane 1\\.3$", check=False)
            if found.split():
                return found.split()[0]
            self.pump(0.2)
        raise HarnessError("the game's window never showed on the display")

    def _check_alive(self):
        if self.game is not None and self.game.poll() is not None:
            raise HarnessError(f"the game ended with code {self.game.returncode}:\n{self.game_log()}")

    # ---- keys ----

    def press(self, *keys):
        """Types keys (X key names: Tab, Return, Escape, F1, Right, 6, d, shift+Tab) at the game,
        through the X test extension as a keyboard would. Returns the mark from before the first
        key, for the wait that follows: what a key sets off may arrive before press returns."""
        self._check_alive()
        mark = self.mark()
        for key in keys:
            self.note(f"press {key}")
            self._xdotool("key", key)
            self.pump(0.05)
        return mark

    def _xdotool(self, *args, check=True, timeout=DEFAULT_TIMEOUT):
        done = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)
        if check and done.returncode != 0:
            raise HarnessError(f"xdotool {' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout

    # ---- events ----

    def _on_event(self, event):
        source = event.source
        if source is None or self.game is None:
            return
        app = _safe(source.get_application, None)
        if app is None or _safe(app.get_process_id, -1) != self.game.pid:
            return
        data = event.any_data
        if hasattr(data, "name"):  # an accessible, as a focus or window event carries
            data = _safe(lambda: data.name)
        recorded = Event(
            index=len(self.events),
            time=time.monotonic() - self.started,
            type=str(event.type),
            role=_safe(source.getRoleName),
            # A name change carries its new name; reading the object later may find a newer one.
            name=str(data)
            if str(event.type) == "object:property-change:accessible-name"
            else _safe(lambda: source.name),
            description=_safe(lambda: source.description),
            detail1=event.detail1,
            data="" if data is None else str(data),
        )
        self.events.append(recorded)
        if self.echo:
            print(f"  {recorded}", flush=True)

    def note(self, text):
        if self.echo:
            print(f"{time.monotonic() - self.started:6.2f}s {text}", flush=True)

    def pump(self, seconds):
        """Lets the bus deliver events for a while."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if not self._context.iteration(False):
                time.sleep(0.01)

    def mark(self):
        """The place in the event list from which the next wait looks."""
        return len(self.events)

    def events_since(self, mark=0, type_prefix=None):
        return [e for e in self.events[mark:] if type_prefix is None or e.type.startswith(type_prefix)]

    def wait_for(self, condition, timeout, what):
        """Pumps the bus until condition() returns something true, and returns it."""
        deadline = time.monotonic() + timeout
        while True:
            found = condition()
            if found:
                return found
            if time.monotonic() > deadline:
                raise HarnessError(f"waited {timeout:.0f}s for {what}")
            self.pump(0.05)

    def wait_event(self, type_prefix, role=None, name=None, description=None, since=None,
                   timeout=DEFAULT_TIMEOUT):
        """The first event since the mark of that type whose role, name and description match (a
        string is compared whole, a compiled pattern searched)."""
        return self._wait_matching(
            lambda e: e.type.startswith(type_prefix) and self._same(e, role, name, description),
            since, timeout, f"{type_prefix} [{role}] {name!r} {description!r}")

    def wait_focus(self, role=None, name=None, description=None, since=None, timeout=DEFAULT_TIMEOUT):
        """The focus moved to a matching control: the game sent a focus event or the focused state
        (a screen reader follows either)."""
        return self._wait_matching(
            lambda e: (e.type == "focus:" or (e.type == "object:state-changed:focused" and e.detail1 == 1))
            and self._same(e, role, name, description),
            since, timeout, f"the focus on [{role}] {name!r} {description!r}")

    @staticmethod
    def _same(event, role, name, description):
        return _matches(role, event.role) and _matches(name, event.name) and _matches(description, event.description)

    def _wait_matching(self, wanted, since, timeout, what):
        since = self.mark() if since is None else since

        def find():
            self._check_alive()
            return next((e for e in self.events[since:] if wanted(e)), None)

        try:
            return self.wait_for(find, timeout, what)
        except HarnessError as error:
            raise HarnessError(f"{error}; since #{since} came:\n{self.transcript(since)}") from None

    def transcript(self, since=0):
        return "\n".join(f"  {e}" for e in self.events[since:]) or "  (nothing)"

    # ---- the tree ----

    def window(self):
        for window in self.app:
            if window is not None and window.name == WINDOW_TITLE:
                return window
        raise HarnessError("the table window is gone from the bus")

    def find_all(self, role=None, name=None, showing_only=True, root=None):
        """Every object under the window (or root) with that role name and name."""
        found = []
        stack = [root or self.window()]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            if node is not root and _matches(role, _safe(node.getRoleName)) and _matches(name, _safe(lambda: node.name)):
                if not showing_only or _safe(lambda: node.getState().contains(pyatspi.STATE_SHOWING), False):
                    found.append(node)
            stack.extend(reversed([child for child in _safe(lambda: list(node), [])]))
        return found

    def find(self, role=None, name=None, showing_only=True):
        """The one object under the window with that role and name, or an error naming what is there."""
        found = self.find_all(role, name, showing_only)
        if len(found) != 1:
            raise HarnessError(f"{len(found)} objects [{role}] {name!r} on the table")
        return found[0]

    def hand(self):
        """The human's hand as the bus shows it: (name, description) of each card shown, in order."""
        cards = [(n.name, n.description) for n in self.find_all("push button", CARD_NAME)
                 if HAND_PLACE.search(n.description or "")]
        return sorted(cards, key=lambda c: int(HAND_PLACE.search(c[1]).group(1)))


def run(test):
    """Runs test(reader) against a fresh game; prints the game's own output when it fails."""
    reader = TableReader()
    try:
        reader.start()
        test(reader)
    except Exception:
        print("\nFAILED; the game's output:\n" + (reader.game_log() if reader.game else ""), flush=True)
        raise
    finally:
        reader.close()
    print("PASSED", flush=True)
    return 0


# ---- steps of a game played by keys, for the checks to share ----


def tab_to(reader, name, timeout=DEFAULT_TIMEOUT):
    """Presses Tab until the focus is on the named control. Returns the names the focus went
    through, in order, starting with the control that had it first."""
    walked = [reader.wait_focus(since=0, timeout=timeout).name]
    while walked[-1] != name:
        if len(walked) > 30:
            raise HarnessError(f"Tab never reached {name!r}: {walked}")
        mark = reader.press("Tab")
        walked.append(reader.wait_focus(since=mark, timeout=timeout).name)
    return walked


def start_by_keys(reader, timeout=DEFAULT_TIMEOUT):
    """Tabs through the options panel to START and presses Enter; returns Tab's walk and the
    mark from before the Enter."""
    walked = tab_to(reader, "Start", timeout)
    mark = reader.press("Return")
    reader.wait_event("object:state-changed:showing", "push button", "Deal", since=mark, timeout=timeout)
    return walked, mark


def deal_by_keys(reader, cards=6, timeout=DEFAULT_TIMEOUT):
    """Chooses the number of cards with its digit key and deals with Enter; returns the focus
    event of the first hand card."""
    mark = reader.press(str(cards), "Return")
    return reader.wait_focus("push button", CARD_NAME, HAND_PLACE, since=mark, timeout=timeout)


def card_parts(name):
    """('seven', 'hearts') for "seven of hearts", ('joker', None) for a joker."""
    if name == "joker":
        return ("joker", None)
    rank, _, suit = name.partition(" of ")
    return (rank, suit)


def discard_top(reader):
    """The card on the discard pile, as the pile's name says it."""
    pile = reader.find("image", re.compile(r"^discard pile"))
    return pile.description or None


def suit_to_follow(reader):
    """The suit named after a wild card, when its marker shows."""
    for suit in SUITS:
        if reader.find_all("image", f"{suit} to follow"):
            return suit
    return None


def playable(card, top, follow):
    """Whether a card may go on the pile as a single play: the same suit or rank, a joker, or
    anything on a queen; after a wild card, only the suit named (or another joker)."""
    rank, suit = card_parts(card)
    if rank == "joker" or top is None:
        return True
    top_rank, top_suit = card_parts(top)
    if follow is not None:
        return suit == follow
    return top_rank == "queen" or rank == top_rank or suit == top_suit


def play_turn(reader, tried=None):
    """Plays the first card that may go on the pile, by keys, or draws with D. A joker names
    diamonds (key 1). Returns what was done, for the caller's log: ("play", card) or ("draw",).
    tried: a card the last call played that the table refused; it is drawn past this time."""
    hand = [name for name, _ in reader.hand()]
    top, follow = discard_top(reader), suit_to_follow(reader)
    for place, card in enumerate(hand):
        if card != tried and playable(card, top, follow):
            reader.press("Home", *["Right"] * place, "Return")
            if card == "joker":
                reader.press("1")
            return ("play", card)
    reader.press("d")
    return ("draw",)
