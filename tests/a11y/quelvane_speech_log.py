# SPDX-License-Identifier: GPL-3.0-or-later
"""A speech server for Orca that writes what it is given to speak to a file, one utterance a line,
instead of sounding it: the checks read what a blind player would hear, on a machine with no sound
and no speech synthesizer. Orca loads it by its module name (speechServerFactory)."""
import os
import time

from orca import speechserver

_LOG = os.environ.get("QUELVANE_A11Y_SPEECH_LOG", "speech.log")


class SpeechServer(speechserver.SpeechServer):
    _the_one = None

    @staticmethod
    def getFactoryName():
        return "Quelvane speech log"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._the_one is None:
            SpeechServer._the_one = SpeechServer()
        return SpeechServer._the_one

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._the_one = None

    def getInfo(self):
        return [self.getFactoryName(), "log"]

    def getVoiceFamilies(self):
        return []

    def _write(self, kind, text):
        # One line per utterance, flushed at once: the check reads the file while Orca runs.
        line = " ".join(str(text).split())
        with open(_LOG, "a", encoding="utf-8") as log:
            log.write(f"{time.monotonic():.3f}\t{kind}\t{line}\n")

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            self._write("speak", text)

    def speakCharacter(self, character, acss=None):
        self._write("character", character)

    def speakKeyEvent(self, event, acss=None):
        self._write("key", getattr(event, "event_string", event))

    def sayAll(self, utteranceIterator, progressCallback):
        for context, _acss in utteranceIterator:
            self._write("sayall", context.utterance)
