#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game on Wayland, natively, on a screen that scales by two: a headless weston
# compositor of our own (an output of 2400 x 1800 pixels at scale 2), the installed launcher
# started with only WAYLAND_DISPLAY set, and weston's screenshots of what it shows. Checks that
# the program took the toolkit's Wayland platform and not the X11 layer, that the whole table is
# on the screen at twice its size (at least the 2016 x 1436 pixels of the 1008 x 718 design; the
# window takes what its 1024 x 760 outer size leaves beside the title bar), and, against a second
# run at scale 1, that the VIEW RULES button shows the same picture, not enlarged into a blur.
# The screenshots are kept in the build tree for people to look at.
# Skips (77) only when weston cannot start here at all.
# Arguments: the installed prefix inside the staging folder, the screenshot probe, the folder
# for the screenshots kept.
set -u
. "$(dirname "$0")/test_lib.sh"
root=$1
probe=$2
kept=$3
work=$(fresh_folder wayland_window)
mkdir -p "$kept"
for tool in weston weston-screenshooter; do
    command -v "$tool" >/dev/null ||
        { echo "FAILED: $tool is not installed (scripts/install-deps installs weston)" >&2; exit 1; }
done

# The compositor's sockets live in a runtime folder of this test alone.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/quelvane-wayland.XXXXXX") || exit 1
chmod 700 "$runtime"
weston_pid=""
game_pid=""
stop() { # the game, then the compositor, each by the id it was started with
    for pid in $game_pid $weston_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    game_pid=""
    weston_pid=""
}
trap 'stop; rm -rf -- "$runtime"' EXIT
trap 'exit 1' HUP INT TERM

# The table's logical size in the design, and the window's outer size, which bounds it.
table_width=1008
table_height=718
outer_width=1024
outer_height=760

# Starts weston at a scale, then the game in a fresh home; waits until the table is on the screen
# and painted through, and keeps the screenshot as $work/shot-<scale>.png. Sets table (the
# probe's answer) and maps (the libraries the program had loaded).
run_at_scale() { # scale
    scale=$1
    socket=quelvane-test-$$-$scale
    # The headless output's size is given in logical pixels; the screenshot is scale times larger.
    weston --backend=headless-backend.so --use-pixman --width=1200 --height=900 \
        --scale="$scale" --socket="$socket" --idle-time=0 --no-config --debug \
        >"$work/weston-$scale.log" 2>&1 &
    weston_pid=$!
    tries=0
    until [ -S "$runtime/$socket" ]; do
        tries=$((tries + 1))
        if ! kill -0 "$weston_pid" 2>/dev/null || [ "$tries" -gt 100 ]; then
            cat "$work/weston-$scale.log" >&2
            echo "SKIPPED: weston cannot start here (no socket after 10 s; its log is above)"
            exit 77
        fi
        sleep 0.1
    done

    home=$work/home-$scale
    mkdir -p "$home"
    env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u QT_PLUGIN_PATH \
        WAYLAND_DISPLAY="$socket" HOME="$home" XDG_DATA_HOME="$home/data" \
        XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
        "$root/bin/quelvane" >"$work/game-$scale.log" 2>&1 &
    game_pid=$!

    shots=$work/shots-$scale
    mkdir -p "$shots"
    previous=""
    table=""
    tries=0
    while :; do
        tries=$((tries + 1))
        if ! kill -0 "$game_pid" 2>/dev/null; then
            cat "$work/game-$scale.log" >&2
            echo "FAILED: the game ended before its table was on the screen (scale $scale)" >&2
            exit 1
        fi
        if [ "$tries" -gt 240 ]; then
            echo "FAILED: no table on the screen after 120 s (scale $scale); last: $table" >&2
            break
        fi
        sleep 0.5
        rm -f "$shots"/wayland-screenshot-*.png
        (cd "$shots" && WAYLAND_DISPLAY=$socket weston-screenshooter) >/dev/null 2>&1 || continue
        for shot in "$shots"/wayland-screenshot-*.png; do
            [ -f "$shot" ] && mv -f "$shot" "$work/shot-$scale.png"
        done
        [ -f "$work/shot-$scale.png" ] || continue
        table=$("$probe" table "$work/shot-$scale.png")
        set -- $table
        # Up and painted through: the whole table, the same pixels in two screenshots running.
        if [ "$#" -eq 7 ] && [ "$4" -ge $((table_width * scale)) ] &&
            [ "$5" -ge $((table_height * scale)) ] && [ "$7" = "$previous" ]; then
            break
        fi
        [ "$#" -eq 7 ] && previous=$7
    done
    maps=$(cat "/proc/$game_pid/maps" 2>/dev/null)
    stop
}

started=$(date +%s)
XDG_RUNTIME_DIR=$runtime
export XDG_RUNTIME_DIR

# The table is whole on the screen: at least the design's size, at most the window's.
whole_table() { # scale, width, height
    [ "$2" -ge $(($1 * table_width)) ] && [ "$3" -ge $(($1 * table_height)) ] &&
        [ "$2" -le $(($1 * outer_width)) ] && [ "$3" -le $(($1 * outer_height)) ]
}

run_at_scale 2
set -- $table
width_2=${4-0} height_2=${5-0}
check "at scale 2 the whole table is on the screen, twice its size ($width_2 x $height_2)" \
    whole_table 2 "$width_2" "$height_2"
check "at scale 2 the table is mostly cloth" test "${6-0}" -ge 60
check "the program talks Wayland through the toolkit's own platform" \
    sh -c "printf '%s\n' \"\$1\" | grep -q '/platforms/libqwayland'" - "$maps"
check "and not through the X11 layer" \
    sh -c "! printf '%s\n' \"\$1\" | grep -q '/platforms/libqxcb'" - "$maps"
cp "$work/shot-2.png" "$kept/wayland-2x.png" 2>/dev/null

run_at_scale 1
set -- $table
width_1=${4-0} height_1=${5-0}
check "at scale 1 the whole table is on the screen ($width_1 x $height_1)" \
    whole_table 1 "$width_1" "$height_1"
check "at scale 2 the table is the same window, twice as large" \
    same_text "$((2 * width_1)) $((2 * height_1))" "$width_2 $height_2"
cp "$work/shot-1.png" "$kept/wayland-1x.png" 2>/dev/null
# VIEW RULES: 117 x 30 at top 656, centred across the table.
button="$(((width_1 - 117) / 2)) 656 117 30"

if [ -f "$work/shot-1.png" ] && [ -f "$work/shot-2.png" ]; then
    # shellcheck disable=SC2086 # the button's four numbers are separate arguments
    "$probe" compare "$work/shot-1.png" "$work/shot-2.png" $button "$kept/view-rules" \
        >"$work/button" || failures=$((failures + 1))
    cat "$work/button"
    value() { sed -n "s/^$1 //p" "$work/button"; }
    check "at scale 2 VIEW RULES is the same picture as at scale 1" \
        awk -v v="$(value likeness)" 'BEGIN { exit !(v != "" && v < 16) }'
    check "at scale 2 VIEW RULES is as sharp as at scale 1, not blurred" \
        awk -v v="$(value sharpness)" 'BEGIN { exit !(v != "" && v >= 0.75) }'
    # Painted anew at scale 2, not the scale-1 picture with its pixels doubled (a share of 0).
    check "at scale 2 VIEW RULES is drawn at the screen's resolution, not doubled" \
        awk -v v="$(value enlarged)" 'BEGIN { exit !(v != "" && v > 0.03) }'
    echo "VIEW RULES at scale 2 differs from the scale-1 picture doubled in $(value enlarged) of its pixels"
fi
echo "screenshots: $kept (the run took $(($(date +%s) - started)) s)"
finish
