#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What the publisher's settings and the packager's environment make of the package's metadata,
# from fresh configures of the source tree (nothing is built): the home page and the screenshots
# appear in the metainfo and the package's control fields only when given, and the maintainer
# comes from DEBEMAIL and DEBFULLNAME, or else names no domain that anyone owns.
# Arguments: the cmake program, the source folder.
set -u
. "$(dirname "$0")/test_lib.sh"
cmake=$1 source=$2
work=$(fresh_folder published_metadata)
id=org.quelvane.Quelvane

configure() { # build folder, cmake options...
    if ! "$cmake" -S "$source" -B "$work/$1" "$@" >"$work/$1.log" 2>&1; then
        cat "$work/$1.log" >&2
        echo "FAILED: configure $1" >&2
        exit 1
    fi
}
cpack_setting() { # build folder, variable: its value in the folder's CPack configuration
    sed -n "s/^set($2 \"\(.*\)\")\$/\1/p" "$work/$1/CPackConfig.cmake"
}
metainfo() { # build folder
    printf '%s' "$work/$1/packaging/$id.metainfo.xml"
}
signs_changelog() { # build folder, maintainer
    grep -qF " -- $2  " "$work/$1/packaging/changelog"
}

# --- A published build, configured where no packager's address is set ---------------------
(
    unset DEBEMAIL DEBFULLNAME
    configure published -DQUELVANE_HOMEPAGE='https://games.example.org/?game=quelvane&lang=en' \
        -DQUELVANE_SCREENSHOT_URL=https://games.example.org/quelvane/shots
) || exit 1
check "appstreamcli validates the published metainfo" \
    appstreamcli validate --no-net "$(metainfo published)"
check "the metainfo names the home page, its & escaped" \
    grep -qxF '  <url type="homepage">https://games.example.org/?game=quelvane&amp;lang=en</url>' \
    "$(metainfo published)"
images=$(sed -n 's|^ *<image>\(.*\)</image>$|\1|p' "$(metainfo published)")
check "the metainfo shows the game in play, the score grid and the options, under the address" \
    same_text "https://games.example.org/quelvane/shots/table-play.png
https://games.example.org/quelvane/shots/table-scores.png
https://games.example.org/quelvane/shots/table-options.png" "$images"
for shot in $images; do
    check "docs/${shot##*/} exists for the metainfo" test -f "$source/docs/${shot##*/}"
done
check "the package's Homepage is the one given" \
    same_text 'https://games.example.org/?game=quelvane&lang=en' \
    "$(cpack_setting published CPACK_DEBIAN_PACKAGE_HOMEPAGE)"
neutral='Quelvane packager <packager@quelvane.invalid>'
check "without DEBEMAIL the maintainer's address is under .invalid" \
    same_text "$neutral" "$(cpack_setting published CPACK_PACKAGE_CONTACT)"
check "and the changelog is signed by it" signs_changelog published "$neutral"

# --- A packager's build: DEBEMAIL and DEBFULLNAME, no addresses given ----------------------
(
    export DEBEMAIL=pat@example.org DEBFULLNAME="Pat Packager"
    configure packager
) || exit 1
check "appstreamcli validates the metainfo without links" \
    appstreamcli validate --no-net "$(metainfo packager)"
check "no home page is named unless one is given" \
    same_text 0 "$(grep -c '<url' "$(metainfo packager)")"
check "no screenshots are named unless their address is given" \
    same_text 0 "$(grep -c '<screenshot' "$(metainfo packager)")"
check "the package has no Homepage unless one is given" \
    same_text "" "$(grep HOMEPAGE "$work/packager/CPackConfig.cmake")"
check "the maintainer is DEBFULLNAME <DEBEMAIL>" \
    same_text "Pat Packager <pat@example.org>" "$(cpack_setting packager CPACK_PACKAGE_CONTACT)"
check "and the changelog is signed by them" signs_changelog packager "Pat Packager <pat@example.org>"

# DEBEMAIL may carry the name itself, and then DEBFULLNAME is not needed.
(
    unset DEBFULLNAME
    export DEBEMAIL="Sam Packager <sam@example.org>"
    configure named_address
) || exit 1
check "the maintainer is DEBEMAIL when it holds a name" \
    same_text "Sam Packager <sam@example.org>" \
    "$(cpack_setting named_address CPACK_PACKAGE_CONTACT)"
finish
