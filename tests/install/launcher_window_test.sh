#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed launcher starts the real program twice against a fresh XDG_DATA_HOME, offscreen.
# A plugin loaded from outside the program (see window_closer_plugin.cpp) closes the table once
# it is up: the first time after START and a first DEAL, so the program writes its settings.
# Between the runs the player's saved game and log are put in the folder; the second run must
# list the game and leave every one of the player's files as it was.
# Arguments: the installed prefix inside the staging folder, the folder of the test plugins.
set -u
. "$(dirname "$0")/test_lib.sh"
root=$1
plugins=$2
work=$(fresh_folder launcher_window)
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugins"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
folder=$XDG_DATA_HOME/quelvane

# Starts the installed launcher; the timeout only keeps a hung window from holding the suite.
run_game() { # mode (deal or look), report file
    QT_QPA_GENERIC_PLUGINS="quelvanewindowcloser:$1:$2" timeout -k 10 240 \
        "$root/bin/quelvane" >"$2.out" 2>&1
}

run_game deal "$work/first"
check "the first run ends normally" same_text 0 "$?"
check "the first run's table is up in the player's folder" grep -qx "folder=$folder" "$work/first"
check "the first run's window is the game's" grep -qx "title=Quelvane 1.3" "$work/first"
check "the first run shows no error" same_text "" "$(grep '^message=' "$work/first")"
for name in deck.bmp cardpatterns.bmp background.bmp rules.txt; do
    check "$name is linked to the installed data" \
        same_text "$(readlink -f "$root/share/quelvane/$name")" "$(readlink -f "$folder/$name")"
    check "$name is a link" test -L "$folder/$name"
done
check "the program wrote its settings" test -f "$folder/Config.cfg"
check "the program made the Save folder" test -d "$folder/Save"
check "the program counted the game in its high-score file" test -f "$folder/Save/highscores1.scx"

# The player's saved game (one 376-byte record) and a trace log from an earlier run.
awk 'BEGIN { for (i = 0; i < 376; i++) printf "%c", 65 + i % 26 }' >"$folder/Save/Kept game.sav"
printf 'an earlier trace\r\n' >"$folder/Log.txt"
cp -p "$folder/Config.cfg" "$work/Config.cfg"
cp -p "$folder/Save/Kept game.sav" "$work/kept.sav"
cp -p "$folder/Log.txt" "$work/Log.txt"
cp -p "$folder/Save/highscores1.scx" "$work/highscores1.scx" 2>/dev/null

run_game look "$work/second"
check "the second run ends normally" same_text 0 "$?"
check "the second run's table is up in the same folder" grep -qx "folder=$folder" "$work/second"
check "the second run shows no error" same_text "" "$(grep '^message=' "$work/second")"
check "the second run lists the saved game" grep -qx "saved=Kept game" "$work/second"
check "Config.cfg is kept unchanged" cmp -s "$work/Config.cfg" "$folder/Config.cfg"
check "the saved game is kept unchanged" cmp -s "$work/kept.sav" "$folder/Save/Kept game.sav"
check "the high scores are kept unchanged" \
    cmp -s "$work/highscores1.scx" "$folder/Save/highscores1.scx"
check "Log.txt is kept unchanged" cmp -s "$work/Log.txt" "$folder/Log.txt"
check "the data links are still there" test -L "$folder/deck.bmp"
if [ "$failures" -ne 0 ]; then
    for f in "$work/first" "$work/first.out" "$work/second" "$work/second.out"; do
        echo "--- $f" >&2
        cat "$f" >&2
    done
fi
finish
