#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts Debian's Orca the way its own launcher does, with what it would speak going to a file
(quelvane_speech_log) and its debug output to another. Two differences from the stock launcher,
both so that runs side by side do not disturb each other: it does not refuse to start when
another Orca of the same user runs elsewhere on the machine (the stock one looks for any process
named orca), and it does not take that process name itself.

Usage: orca_speaking_to_a_file.py PREFERENCES_FOLDER DEBUG_FILE
The speech goes to $QUELVANE_A11Y_SPEECH_LOG."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from orca import debug  # noqa: E402

prefs, debug_file = sys.argv[1], sys.argv[2]
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(debug_file, "w")

from orca import orca  # noqa: E402

manager = orca.getSettingsManager()
# Speech stays on (Orca drops some messages when it is off), spoken into the file; no braille
# display, no sound card, no key echo to clutter what is heard.
manager.activate(prefs, {
    "speechServerFactory": "quelvane_speech_log",
    "enableBraille": False,
    "enableSound": False,
    "enableKeyEcho": False,
})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
