# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca in the check's session, speaking into a file: what a blind player would hear, line by line.

Orca runs on the same session and accessibility bus as the game (run_a11y_test.sh provides them)
and is started before the game so that it hears the game's window come up."""
import os
import re
import subprocess
import time

from table_reader import DEFAULT_TIMEOUT, HarnessError

HERE = os.path.dirname(os.path.abspath(__file__))


class OrcaListener:
    def __init__(self, reader):
        self.reader = reader
        work = os.environ["QUELVANE_A11Y_WORK"]
        self.speech_log = os.path.join(work, "speech.log")
        self.debug_log = os.path.join(work, "orca-debug.log")
        self.output = os.path.join(work, "orca.out")
        self.prefs = os.path.join(work, "orca-prefs")
        self.process = None
        self.ready_after = None

    def start(self, timeout=60):
        """Starts Orca and waits until it says it is on; returns the seconds that took."""
        env = dict(os.environ, QUELVANE_A11Y_SPEECH_LOG=self.speech_log)
        began = time.monotonic()
        with open(self.output, "wb") as out:
            self.process = subprocess.Popen(
                ["/usr/bin/python3", os.path.join(HERE, "orca_speaking_to_a_file.py"), self.prefs,
                 self.debug_log], env=env, stdout=out, stderr=subprocess.STDOUT)

        def up():
            if self.process.poll() is not None:
                raise HarnessError(f"Orca ended with code {self.process.returncode}:\n{self._tail(self.output)}")
            return any(text == "Screen reader on." for text in self.spoken())

        self.reader.wait_for(up, timeout, "Orca to say it is on")
        self.ready_after = time.monotonic() - began
        self.reader.note(f"Orca is on after {self.ready_after:.1f}s")
        return self.ready_after

    def stop(self):
        # Orca handles a signal only when Python next runs, which may be never on an idle bus.
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(3)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def spoken(self, since=0):
        """What Orca said, one utterance a line, from the since-th on."""
        try:
            with open(self.speech_log, encoding="utf-8") as log:
                lines = log.read().splitlines()
        except FileNotFoundError:
            return []
        return [line.split("\t", 2)[2] for line in lines[since:] if line.count("\t") >= 2]

    def mark(self):
        return len(self.spoken())

    def wait_spoken(self, pattern, since=0, timeout=DEFAULT_TIMEOUT):
        """The first utterance from the mark on that the pattern (text or compiled) finds; the
        error lists what was said instead."""
        if isinstance(pattern, str):
            pattern = re.compile(re.escape(pattern))

        def said():
            return next((text for text in self.spoken(since) if pattern.search(text)), None)

        try:
            return self.reader.wait_for(said, timeout, f"Orca to say {pattern.pattern!r}")
        except HarnessError as error:
            heard = "\n".join(f"  {text}" for text in self.spoken(since)) or "  (nothing)"
            raise HarnessError(f"{error}; Orca said:\n{heard}") from None

    @staticmethod
    def _tail(path, size=4000):
        try:
            with open(path, errors="replace") as f:
                return f.read()[-size:]
        except FileNotFoundError:
            return ""
