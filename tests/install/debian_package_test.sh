#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build with cpack and checks it with dpkg-deb and lintian:
# its name, fields and Depends (the Qt libraries from dpkg-shlibdeps, the font packages the
# window's faces map to, the toolkit's Wayland platform), its files and their owners, its copyright file, and no lintian error
# or warning.
# Arguments: the cpack program, the build folder, a folder for the package.
set -u
. "$(dirname "$0")/test_lib.sh"
cpack=$1 build=$2 out=$3

rm -rf -- "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1; then
    cat "$out.log" >&2
    echo "FAILED: cpack" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=$out/quelvane_1.3_$arch.deb
check "cpack makes quelvane_<version>_<arch>.deb" test -f "$deb"
[ -f "$deb" ] || finish

field() { dpkg-deb -f "$deb" "$1"; }
check "the package is quelvane" same_text quelvane "$(field Package)"
check "its version is the game's" same_text 1.3 "$(field Version)"
check "it is built for this machine" same_text "$arch" "$(field Architecture)"
check "it is a game" same_text games "$(field Section)"
# The home page and the maintainer are the ones the build was given: no Homepage field unless
# one was, and the changelog signed by the same maintainer.
cached() { sed -n "s/^$1:STRING=//p" "$build/CMakeCache.txt"; }
check "its Homepage is the build's, or none" same_text "$(cached QUELVANE_HOMEPAGE)" "$(field Homepage)"
maintainer=$(cached QUELVANE_MAINTAINER)
check "its Maintainer is the build's" same_text "$maintainer" "$(field Maintainer)"

depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 \
    fonts-crosextra-carlito fonts-comic-neue fonts-liberation2 qt6-wayland; do
    check "Depends names $package" sh -c "printf '%s' '$depends' | tr ',' '\n' |
        sed 's/^ *//; s/ .*//' | grep -qx '$package'"
done
# The versions come from the libraries' own symbols files, not from a hand-written list.
check "the Qt dependency carries a version" \
    sh -c "printf '%s' '$depends' | grep -q 'libqt6widgets6 (>= 6'"

contents=$(dpkg-deb -c "$deb")
printf '%s\n' "$contents" >"$out/contents"
for path in usr/games/quelvane usr/libexec/quelvane/quelvane \
    usr/share/quelvane/deck.bmp usr/share/quelvane/cardpatterns.bmp \
    usr/share/quelvane/background.bmp usr/share/quelvane/rules.txt \
    usr/share/quelvane/deck@2x.bmp usr/share/quelvane/cardpatterns@2x.bmp \
    usr/share/quelvane/background@2x.bmp \
    usr/share/applications/org.quelvane.Quelvane.desktop \
    usr/share/metainfo/org.quelvane.Quelvane.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/org.quelvane.Quelvane.png \
    usr/share/icons/hicolor/256x256/apps/org.quelvane.Quelvane.png \
    usr/share/man/man6/quelvane.6.gz usr/share/doc/quelvane/copyright \
    usr/share/doc/quelvane/changelog.gz; do
    check "the package holds /$path" grep -q " \./$path\$" "$out/contents"
done
check "every file in it belongs to root" \
    same_text "" "$(printf '%s\n' "$contents" | awk '$2 != "root/root"')"
check "everything lies under /usr" \
    same_text "" "$(printf '%s\n' "$contents" | awk '$6 !~ /^\.\/usr\//')"
check "the launcher is executable" grep -q '^-rwxr-xr-x .* \./usr/games/quelvane$' "$out/contents"

tree=$out/tree
dpkg-deb -x "$deb" "$tree"
check "the program is stripped" \
    sh -c "file -b '$tree/usr/libexec/quelvane/quelvane' | grep -q ', stripped'"
# The launcher reaches the program and the data from /usr/games as it would from /usr/bin.
launcher=$tree/usr/games/quelvane
program=$(sed -n "s/^bin_to_program='\(.*\)'$/\1/p" "$launcher")
data=$(sed -n "s/^bin_to_data='\(.*\)'$/\1/p" "$launcher")
check "the launcher finds the program from /usr/games" test -x "$tree/usr/games/$program"
check "the launcher finds the data from /usr/games" test -f "$tree/usr/games/$data/deck.bmp"
check "the menu entry starts /usr/games/quelvane" \
    grep -qx 'Exec=/usr/games/quelvane' "$tree/usr/share/applications/org.quelvane.Quelvane.desktop"
check "the unpacked menu entry is valid" \
    desktop-file-validate "$tree/usr/share/applications/org.quelvane.Quelvane.desktop"
signed_by() { zcat "$1" | grep -qF " -- $2  "; }
check "the changelog is signed by the Maintainer" \
    signed_by "$tree/usr/share/doc/quelvane/changelog.gz" "$maintainer"

# The copyright file in Debian's machine-readable form: the game under the GPL, version 3 or
# later, pointing at the system's copy of it; every licence a Files paragraph names has a
# paragraph of its own; the metainfo carries the licence its metadata_license claims.
copyright=$tree/usr/share/doc/quelvane/copyright
check "the copyright file is machine-readable" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "the copyright file names the game" grep -qx 'Upstream-Name: Quelvane' "$copyright"
files_licence() { # pattern: the License of the Files paragraph for exactly that pattern
    awk -v files="Files: $1" '$0 == files { found = 1 } found && /^License:/ { print $2; exit }
        /^$/ { found = 0 }' "$copyright"
}
check "every file is under the GPL, version 3 or later" same_text GPL-3+ "$(files_licence '*')"
check "the copyright file points at Debian's GPL" \
    grep -q '"/usr/share/common-licenses/GPL-3"' "$copyright"
unexplained=$(awk '/^Files:/ { files = 1 } /^$/ { files = 0 }
    /^License:/ { if (files) used[$2] = 1; else given[$2] = 1 }
    END { for (l in used) if (!(l in given)) print l }' "$copyright")
check "every licence named has its own paragraph" same_text "" "$unexplained"
metadata_licence=$(sed -n 's|.*<metadata_license>\(.*\)</metadata_license>.*|\1|p' \
    "$tree/usr/share/metainfo/org.quelvane.Quelvane.metainfo.xml")
check "the metainfo's own licence is the one the copyright file gives it" \
    same_text "$metadata_licence" "$(files_licence packaging/quelvane.metainfo.xml.in)"

lintian --fail-on error,warning "$deb" >"$out/lintian" 2>&1
status=$?
cat "$out/lintian"
check "lintian finds no error or warning" same_text 0 "$status"
finish
