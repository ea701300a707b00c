#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on the screens players have, from a small laptop to an unscaled 4K monitor
# and a 4K monitor at 200 %: the program chooses the table's scale before its application is
# made, and the table must come up whole inside the screen, its client at least the design's
# 1008 x 718 logical pixels, at the scale expected. The screens are those of Qt's offscreen
# platform; a plugin loaded from outside the program reports where the table stands.
# Arguments: the game's built folder, the folder of the test plugins, a scratch folder.
set -u
. "$(dirname "$0")/../install/test_lib.sh"
game=$1
plugins=$2
QUELVANE_TEST_WORK=$3
work=$(fresh_folder screen_sizes)
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_PLUGIN_PATH="$plugins"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORM

value() { # key, report
    sed -n "s/^$1=//p" "$2"
}

# Starts the program on one offscreen screen and checks where its table comes up.
try_screen() { # name, width, height, device pixel ratio of the screen, expected scale
    name=$1
    folder="$work/$name"
    mkdir -p "$folder"
    cp -R "$game"/. "$folder"/
    printf '{"screens":[{"name":"S","x":0,"y":0,"width":%s,"height":%s,"logicalDpi":96,"logicalBaseDpi":96,"dpr":%s}]}\n' \
        "$2" "$3" "$4" >"$work/$name.json"
    (cd "$folder" && QT_QPA_PLATFORM="offscreen:configfile=$work/$name.json" \
        QT_QPA_GENERIC_PLUGINS="quelvanewindowcloser:look:$work/$name.report" \
        timeout -k 10 120 ./quelvane >"$work/$name.out" 2>&1)
    check "$name: the program ends normally" same_text 0 "$?"
    report="$work/$name.report"
    check "$name: the table came up" test -s "$report"
    check "$name: no error box" same_text "" "$(value message "$report")"
    check "$name: the table's scale" awk -v got="$(value ratio "$report")" -v want="$5" \
        'BEGIN { d = got - want; exit !(d < 0.001 && d > -0.001) }'
    check "$name: the whole window on the screen" awk -F, \
        -v w="$(value window "$report")" -v a="$(value available "$report")" 'BEGIN {
            split(w, win, ","); split(a, area, ",")
            exit !(win[1] >= area[1] && win[2] >= area[2] &&
                   win[1] + win[3] <= area[1] + area[3] && win[2] + win[4] <= area[2] + area[4]) }'
    check "$name: the client keeps the design's size" awk \
        -v c="$(value client "$report")" 'BEGIN { split(c, s, "x"); exit !(s[1] >= 1008 && s[2] >= 718) }'
}

try_screen laptop_1280x720 1280 720 1 "$(awk 'BEGIN { print (720 - 64) / 718 }')"
try_screen laptop_1366x768 1366 768 1 "$(awk 'BEGIN { print (768 - 64) / 718 }')"
try_screen full_hd 1920 1080 1 1
try_screen qhd_2560x1440 2560 1440 1 1.5
try_screen uhd_unscaled 3840 2160 1 2.5
try_screen uhd_at_200 1920 1080 2 2 # a 4K screen at 200 %: 1920 x 1080 logical pixels
finish
