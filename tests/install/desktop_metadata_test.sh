#!/bin/sh
# The desktop entry, the AppStream metainfo and the manual page pass their own tools' checks,
# and point at each other and at the installed icon and launcher.
# Argument: the installed prefix inside the staging folder.
set -u
. "$(dirname "$0")/test_lib.sh"
root=$1
id=org.quelvane.Quelvane
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml

check "desktop-file-validate accepts the entry" desktop-file-validate "$desktop"
check "the entry is a card game" grep -qx 'Categories=Game;CardGame;' "$desktop"
check "the entry starts the launcher" grep -qx 'Exec=quelvane' "$desktop"
check "the entry's icon is installed" \
    test -f "$root/share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png"

check "appstreamcli validates the metainfo" appstreamcli validate --no-net "$metainfo"
check "the metainfo launches the entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check "the metainfo names this release" grep -q '<release version="1.3" ' "$metainfo"
check "the metainfo gives the game's licence" \
    grep -qx '  <project_license>GPL-3.0-or-later</project_license>' "$metainfo"
check "the metainfo shows the game in play and the score grid" \
    sh -c "grep -q 'table-play.png</image>' '$metainfo' && grep -q 'table-scores.png</image>' '$metainfo'"
# Every screenshot the metainfo names is one the repository keeps in docs/.
for shot in $(sed -n 's|.*/\([^/]*\.png\)</image>.*|\1|p' "$metainfo"); do
    check "docs/$shot exists for the metainfo" test -f "$(dirname "$0")/../../docs/$shot"
done

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$root/share/man/man6/quelvane.6.gz" 2>&1 >/dev/null)
check "the manual page formats without warnings" same_text "" "$warnings"
check "the manual page names the player's folder" \
    sh -c "zcat '$root/share/man/man6/quelvane.6.gz' | grep -q 'XDG_DATA_HOME/quelvane/'"
finish
