#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one accessibility check against the real game, from nothing: a private folder (home,
# runtime folder, a copy of the game's working folder), a virtual X display of its own, a session
# bus of its own on which the accessibility bus is started on demand, and the check, a Python
# script that starts the game and talks to it over the bus. Everything started here is stopped
# on the way out, whatever the outcome.
#
# Usage: run_a11y_test.sh GAME_FOLDER SCRIPT.py [ARGUMENT...]
# QUELVANE_A11Y_KEEP=1 keeps the private folder (the game's output, Orca's log) for a look after.
set -euo pipefail

if [ "${QUELVANE_A11Y_INSIDE:-}" = 1 ]; then
  # Inside the session bus: the check itself, with Debian's Python, which has the bus bindings
  # (a Python earlier on the PATH may not).
  script=$1
  shift
  exec /usr/bin/python3 "$script" "$@"
fi

game_source=$(cd "$1" && pwd)
script=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
shift 2

for tool in Xvfb dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null; then
    echo "run_a11y_test: $tool is missing; scripts/install-deps installs it" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quelvane-a11y.XXXXXX")
chmod 700 "$work"
# Every process started from here carries this mark, also those the buses start on demand, so
# the clean-up finds exactly them and nothing of anyone else's.
export QUELVANE_A11Y_RUN=$work

stop_ours() {
  local pids=() pid
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    [ "$pid" = "$$" ] && continue
    if { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "QUELVANE_A11Y_RUN=$work"; then
      pids+=("$pid")
    fi
  done
  [ ${#pids[@]} -eq 0 ] && return 0
  kill -TERM "${pids[@]}" 2>/dev/null || true
  for _ in $(seq 30); do
    local alive=()
    for pid in "${pids[@]}"; do
      if kill -0 "$pid" 2>/dev/null; then alive+=("$pid"); fi
    done
    [ ${#alive[@]} -eq 0 ] && return 0
    sleep 0.1
  done
  kill -KILL "${alive[@]}" 2>/dev/null || true
}

finish() {
  local status=$?
  trap - EXIT INT TERM
  stop_ours
  if [ "${QUELVANE_A11Y_KEEP:-}" = 1 ]; then
    echo "run_a11y_test: kept $work"
  else
    rm -rf "$work"
  fi
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$work/home" "$work/runtime" "$work/game"
chmod 700 "$work/runtime"
cp -a "$game_source/." "$work/game/"
# Settings and saved games from an earlier run of that folder would change what the table shows.
rm -rf "$work/game/Config.cfg" "$work/game/Save" "$work/game/Log.txt"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
export QUELVANE_A11Y_WORK=$work QUELVANE_A11Y_GAME=$work/game
# The checks run from the source tree, which must stay clean.
export PYTHONDONTWRITEBYTECODE=1
# Nothing of a desktop the developer may be sitting at: its buses, its X authority, Wayland.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER XAUTHORITY WAYLAND_DISPLAY
export GDK_BACKEND=x11

# The server picks a display number no one holds (it takes the lock file itself) and writes it
# to the file once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do
  [ -s "$work/display" ] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then
    echo "run_a11y_test: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "run_a11y_test: Xvfb gave no display within 30 s" >&2
  exit 1
fi
display=$(head -n1 "$work/display")
export DISPLAY=":$display"
echo "run_a11y_test: display $DISPLAY, folder $work"

# The accessibility bus and its registry are started by the session bus when the first client
# asks for them; QT_LINUX_ACCESSIBILITY_ALWAYS_ON (set by the script for the game) makes Qt
# register without a screen reader having switched accessibility on. The limit ends a hung check
# before the test runner's own does, so the clean-up above still runs; the check waits in the
# background so that a signal is handled at once; reap_all.py collects what the buses leave.
QUELVANE_A11Y_INSIDE=1 /usr/bin/python3 "$(dirname "$0")/reap_all.py" \
  timeout -k 5 "${QUELVANE_A11Y_LIMIT:-100}" dbus-run-session -- "$0" "$script" "$@" &
wait $!
