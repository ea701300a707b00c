#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a command as the parent of everything it leaves behind, and ends and collects all of it
when the command is done; exits with the command's status.

The buses start helpers of their own (the accessibility bus, its registry, the settings store)
that outlive the session bus by a moment. Without this they would be handed to the machine's
first process, which here may never collect them, and stay behind as dead entries."""
import ctypes
import os
import signal
import subprocess
import sys
import time

PR_SET_CHILD_SUBREAPER = 36


def children():
    me = str(os.getpid())
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # The parent's id is the second field after the name, which is in parentheses.
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if fields[1] == me and fields[0] != "Z":
            found.append(int(entry))
    return found


def collect():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def main():
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    command = subprocess.Popen(sys.argv[1:])
    signal.signal(signal.SIGTERM, lambda *_: command.terminate())
    status = command.wait()
    for sig, wait in ((signal.SIGTERM, 3.0), (signal.SIGKILL, 3.0)):
        deadline = time.monotonic() + wait
        left = children()
        for pid in left:
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        while left and time.monotonic() < deadline:
            collect()
            time.sleep(0.05)
            left = children()
        if not left:
            break
    collect()
    return status if status >= 0 else 128 - status


if __name__ == "__main__":
    sys.exit(main())
