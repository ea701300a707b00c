#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry, the AppStream metainfo and the manual page pass their own tools' checks,
# and point at each other and at the installed icon and launcher.
# Arguments: the installed prefix inside the staging folder, the build folder.
set -u
. "$(dirname "$0")/test_lib.sh"
root=$1 build=$2
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
# The home page and the screenshots appear only when the build was given their addresses
# (published_metadata_test.sh looks at both ways).
cached() { sed -n "s/^$1:STRING=//p" "$build/CMakeCache.txt"; }
homepages=0 screenshots=0
[ -n "$(cached QUELVANE_HOMEPAGE)" ] && homepages=1
[ -n "$(cached QUELVANE_SCREENSHOT_URL)" ] && screenshots=3
check "the metainfo names a home page only when one is given" \
    same_text $homepages "$(grep -c '<url type="homepage">' "$metainfo")"
check "the metainfo names screenshots only when their address is given" \
    same_text $screenshots "$(grep -c '<image>' "$metainfo")"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$root/share/man/man6/quelvane.6.gz" 2>&1 >/dev/null)
check "the manual page formats without warnings" same_text "" "$warnings"
check "the manual page names the player's folder" \
    sh -c "zcat '$root/share/man/man6/quelvane.6.gz' | grep -q 'XDG_DATA_HOME/quelvane/'"
finish
