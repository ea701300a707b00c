#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher's own work, with a stand-in for the program that reports the folder it was
# started in and the platform it was given: the display checks, the player's folder, the data
# links and their renewal, the sheets for scaled screens linked only beside the installed plain
# ones, the player's own files, and two installed copies kept apart.
# Argument: the installed prefix inside the staging folder.
set -u
. "$(dirname "$0")/test_lib.sh"
staged=$1
work=$(fresh_folder launcher_folder)

# An installed copy in its own prefix: the staged launcher and data, the stand-in program.
make_copy() { # prefix
    mkdir -p "$1/bin" "$1/libexec/quelvane" "$1/share"
    cp "$staged/bin/quelvane" "$1/bin/quelvane"
    cp -R "$staged/share/quelvane" "$1/share/quelvane"
    cat >"$1/libexec/quelvane/quelvane" <<'EOF'
#!/bin/sh
{ printf 'folder=%s\n' "$(pwd)"; printf 'platform=%s\n' "${QT_QPA_PLATFORM-unset}"; } >"$STAND_IN_REPORT"
EOF
    chmod +x "$1/libexec/quelvane/quelvane"
}
copy_a=$work/a/usr
copy_b=$work/b/usr/local
make_copy "$copy_a"
make_copy "$copy_b"
export STAND_IN_REPORT="$work/report"
export HOME="$work/home"
data_home=$work/data
mkdir -p "$HOME"

# Runs a launcher with a fresh report, its standard error in $work/err; sets rc and report.
launch() { # launcher, then environment settings for env
    launcher=$1
    shift
    rm -f "$STAND_IN_REPORT"
    env "$@" "$launcher" 2>"$work/err"
    rc=$?
    report=$(cat "$STAND_IN_REPORT" 2>/dev/null)
}
x11() { # launcher: an X11 session with the test's data home
    launch "$1" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:0 XDG_DATA_HOME="$data_home"
}
one_line() { # file: exactly one line
    [ "$(wc -l <"$1")" -eq 1 ]
}

# --- Displays ---------------------------------------------------------------------------------
launch "$copy_a/bin/quelvane" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_DATA_HOME="$data_home"
check "no display: exit status 1" same_text 1 "$rc"
check "no display: one line" one_line "$work/err"
check "no display: says so" grep -q '^quelvane: no graphical display' "$work/err"
check "no display: the program is not started" same_text "" "$report"
check "no display: no folder is made" test ! -e "$data_home"

launch "$copy_a/bin/quelvane" -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
    XDG_DATA_HOME="$data_home"
check "X11 asked for without a display: exit status 1, one line" \
    sh -c "[ $rc -eq 1 ] && [ \$(wc -l <'$work/err') -eq 1 ]"

# On Wayland the toolkit is left to talk Wayland itself, even where the X11 layer is there too.
launch "$copy_a/bin/quelvane" -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-0 DISPLAY=:0 \
    XDG_DATA_HOME="$data_home"
check "Wayland with the X11 layer: the toolkit's own choice" \
    same_text "platform=unset" "$(echo "$report" | grep platform)"
launch "$copy_a/bin/quelvane" -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY XDG_SESSION_TYPE=wayland \
    DISPLAY=:0 XDG_DATA_HOME="$data_home"
check "a Wayland session without its variable: the toolkit's own choice too" \
    same_text "platform=unset" "$(echo "$report" | grep platform)"
launch "$copy_a/bin/quelvane" QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-0 DISPLAY=:0 \
    XDG_DATA_HOME="$data_home"
check "Wayland: the player's choice of X11 is kept" \
    same_text "platform=xcb" "$(echo "$report" | grep platform)"
launch "$copy_a/bin/quelvane" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0 DISPLAY=:0 \
    XDG_DATA_HOME="$data_home"
check "Wayland: the player's platform is kept" \
    same_text "platform=wayland" "$(echo "$report" | grep platform)"
launch "$copy_a/bin/quelvane" -u QT_QPA_PLATFORM -u DISPLAY WAYLAND_DISPLAY=wayland-0 \
    XDG_DATA_HOME="$data_home"
check "Wayland without the X11 layer: the toolkit's own choice" \
    same_text "platform=unset" "$(echo "$report" | grep platform)"
x11 "$copy_a/bin/quelvane"
check "X11: the toolkit's own choice" same_text "platform=unset" "$(echo "$report" | grep platform)"

# --- The folder and its links -----------------------------------------------------------------
rm -rf "$data_home"
x11 "$copy_a/bin/quelvane"
folder=$data_home/quelvane
check "the program runs in \$XDG_DATA_HOME/quelvane" \
    same_text "folder=$folder" "$(echo "$report" | grep folder)"
check "the launcher itself prints nothing" same_text "" "$(cat "$work/err")"
check "the folder is the player's alone" same_text 700 "$(stat -c %a "$folder")"
sheets_at_2x='deck@2x.bmp cardpatterns@2x.bmp background@2x.bmp'
for name in deck.bmp cardpatterns.bmp background.bmp rules.txt $sheets_at_2x; do
    check "$name is a link to the installed file" \
        same_text "$copy_a/share/quelvane/$name" "$(readlink "$folder/$name")"
done

launch "$copy_a/bin/quelvane" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME DISPLAY=:0
check "without XDG_DATA_HOME: ~/.local/share/quelvane" \
    same_text "folder=$HOME/.local/share/quelvane" "$(echo "$report" | grep folder)"
launch "$copy_a/bin/quelvane" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:0 XDG_DATA_HOME=rel
check "a relative XDG_DATA_HOME is not used" \
    same_text "folder=$HOME/.local/share/quelvane" "$(echo "$report" | grep folder)"

# The player's own files stay as they are: the game's own, a deck of their own, a link of theirs,
# and a cloth for scaled screens they made beside the installed plain one.
printf 'settings\r\n' >"$folder/Config.cfg"
printf 'log\r\n' >"$folder/Log.txt"
mkdir -p "$folder/Save"
printf 'game' >"$folder/Save/mine.sav"
rm "$folder/deck.bmp"
printf 'my own deck' >"$folder/deck.bmp"
printf 'my own rules' >"$work/my_rules.txt"
rm "$folder/rules.txt"
ln -s "$work/my_rules.txt" "$folder/rules.txt"
rm "$folder/background@2x.bmp"
printf 'my own fine cloth' >"$folder/background@2x.bmp"
x11 "$copy_a/bin/quelvane"
check "beside the player's deck, the installed one for scaled screens is taken away" \
    sh -c "[ ! -e '$folder/deck@2x.bmp' ] && [ ! -L '$folder/deck@2x.bmp' ]"
check "the player's cloth for scaled screens is kept" \
    same_text "my own fine cloth" "$(cat "$folder/background@2x.bmp")"
check "the backs for scaled screens stay linked beside the installed backs" \
    same_text "$copy_a/share/quelvane/cardpatterns@2x.bmp" "$(readlink "$folder/cardpatterns@2x.bmp")"
(cd "$folder" && find . -printf '%P %y %s %l\n' | LC_ALL=C sort) >"$work/before"
x11 "$copy_a/bin/quelvane"
(cd "$folder" && find . -printf '%P %y %s %l\n' | LC_ALL=C sort) >"$work/after"
check "another run changes nothing in the folder" cmp -s "$work/before" "$work/after"
check "the player's deck is kept" same_text "my own deck" "$(cat "$folder/deck.bmp")"
check "the player's link is kept" same_text "$work/my_rules.txt" "$(readlink "$folder/rules.txt")"

# A deck the player links to, with their own deck for scaled screens linked beside it.
printf 'my linked deck' >"$work/my_deck.bmp"
printf 'my linked fine deck' >"$work/my_deck@2x.bmp"
rm "$folder/deck.bmp"
ln -s "$work/my_deck.bmp" "$folder/deck.bmp"
ln -s "$work/my_deck@2x.bmp" "$folder/deck@2x.bmp"
x11 "$copy_a/bin/quelvane"
check "the player's link for scaled screens is kept" \
    same_text "$work/my_deck@2x.bmp" "$(readlink "$folder/deck@2x.bmp")"
# Back to the installed deck: both sheets are linked again.
rm "$folder/deck.bmp" "$folder/deck@2x.bmp"
x11 "$copy_a/bin/quelvane"
check "the installed deck is linked again" \
    same_text "$copy_a/share/quelvane/deck.bmp" "$(readlink "$folder/deck.bmp")"
check "and so is its sheet for scaled screens" \
    same_text "$copy_a/share/quelvane/deck@2x.bmp" "$(readlink "$folder/deck@2x.bmp")"

# An upgrade: a data file is added, another dropped, and the links follow.
printf 'new art' >"$copy_a/share/quelvane/extra.bmp"
x11 "$copy_a/bin/quelvane"
check "a data file added by an upgrade is linked" \
    same_text "$copy_a/share/quelvane/extra.bmp" "$(readlink "$folder/extra.bmp")"
rm "$copy_a/share/quelvane/extra.bmp"
x11 "$copy_a/bin/quelvane"
check "the link to a dropped data file is taken away" test ! -L "$folder/extra.bmp"
rm "$folder/cardpatterns.bmp"
ln -s "$work/nowhere/cardpatterns.bmp" "$folder/cardpatterns.bmp"
x11 "$copy_a/bin/quelvane"
check "a broken link under a data name is renewed" \
    same_text "$copy_a/share/quelvane/cardpatterns.bmp" "$(readlink "$folder/cardpatterns.bmp")"

# --- Two installed copies ---------------------------------------------------------------------
x11 "$copy_b/bin/quelvane"
own_b=$data_home/quelvane-$(printf '%s' "${copy_b#/}" | tr -c 'A-Za-z0-9.-' '-')
check "a second copy keeps its games in a folder of its own" \
    same_text "folder=$own_b" "$(echo "$report" | grep folder)"
check "the second copy links its own data" \
    same_text "$copy_b/share/quelvane/deck.bmp" "$(readlink "$own_b/deck.bmp")"
x11 "$copy_a/bin/quelvane"
check "the first copy keeps its folder" same_text "folder=$folder" "$(echo "$report" | grep folder)"
check "the first copy's games are untouched" same_text "game" "$(cat "$folder/Save/mine.sav")"

# The first copy is removed: the second keeps its own folder rather than switching.
rm -rf "$work/a"
x11 "$copy_b/bin/quelvane"
check "a copy stays with its own folder when the other goes" \
    same_text "folder=$own_b" "$(echo "$report" | grep folder)"
# A copy installed after the first one went takes its folder over, games and all.
copy_c=$work/c/opt/games
make_copy "$copy_c"
x11 "$copy_c/bin/quelvane"
check "a later copy takes over the folder of one no longer installed" \
    same_text "folder=$folder" "$(echo "$report" | grep folder)"
check "its links now point at its own data" \
    same_text "$copy_c/share/quelvane/background.bmp" "$(readlink "$folder/background.bmp")"
check "the links for scaled screens as well" \
    same_text "$copy_c/share/quelvane/deck@2x.bmp" "$(readlink "$folder/deck@2x.bmp")"
check "the player's cloth for scaled screens is still theirs" \
    same_text "my own fine cloth" "$(cat "$folder/background@2x.bmp")"
check "and the games are still there" same_text "game" "$(cat "$folder/Save/mine.sav")"

# --- Refusals ---------------------------------------------------------------------------------
if [ "$(id -u)" -eq 0 ]; then
    other=$work/other
    mkdir -p "$other/quelvane"
    chown 65534 "$other/quelvane"
    launch "$copy_c/bin/quelvane" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:0 \
        XDG_DATA_HOME="$other"
    check "another user's folder: exit status 1" same_text 1 "$rc"
    check "another user's folder: one line" grep -q 'belongs to another user' "$work/err"
    check "another user's folder: the program is not started" same_text "" "$report"
    check "another user's folder: nothing written" same_text "" "$(ls -A "$other/quelvane")"
fi
rm "$copy_c/share/quelvane/rules.txt"
x11 "$copy_c/bin/quelvane"
check "incomplete installation: exit status 1 and one line" \
    sh -c "[ $rc -eq 1 ] && grep -q 'rules.txt is missing' '$work/err' && [ \$(wc -l <'$work/err') -eq 1 ]"

# Games started at the same moment on a fresh folder all set it up and start.
together=$work/together
statuses=""
for i in 1 2 3 4; do
    (env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:0 XDG_DATA_HOME="$together" \
        STAND_IN_REPORT="$work/together.$i" "$copy_b/bin/quelvane" 2>"$work/together.$i.err"
        echo $? >"$work/together.$i.status") &
done
wait
for i in 1 2 3 4; do
    statuses="$statuses$(cat "$work/together.$i.status")"
done
check "four games started at once all start" same_text 0000 "$statuses"

# --- Options ----------------------------------------------------------------------------------
check "--version" same_text "quelvane 1.3" "$("$copy_b/bin/quelvane" --version)"
check "--help names the folder" sh -c "'$copy_b/bin/quelvane' --help | grep -q 'local/share/quelvane'"
"$copy_b/bin/quelvane" --no-such-option 2>"$work/err"
check "an unknown option: exit status 2" same_text 2 "$?"
finish
