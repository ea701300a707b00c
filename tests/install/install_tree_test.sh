#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder with DESTDIR and checks the tree: every file under the
# prefix and nowhere else, in its place, with its mode. The other install tests use this tree.
# Arguments: the cmake program, the build folder, the staging folder, the prefix.
set -u
. "$(dirname "$0")/test_lib.sh"
cmake=$1 build=$2 stage=$3 prefix=$4

rm -rf -- "$stage"
if ! DESTDIR=$stage "$cmake" --install "$build" --prefix "$prefix" >"$stage.log" 2>&1; then
    cat "$stage.log" >&2
    echo "FAILED: cmake --install" >&2
    exit 1
fi

root=$stage$prefix
id=org.quelvane.Quelvane
expected="bin/quelvane 755
libexec/quelvane/quelvane 755
share/applications/$id.desktop 644
share/doc/quelvane/changelog.gz 644
share/doc/quelvane/copyright 644"
for size in 128 16 256 32 48 64; do
    expected="$expected
share/icons/hicolor/${size}x$size/apps/$id.png 644"
done
expected="$expected
share/man/man6/quelvane.6.gz 644
share/metainfo/$id.metainfo.xml 644
share/quelvane/background.bmp 644
share/quelvane/background@2x.bmp 644
share/quelvane/cardpatterns.bmp 644
share/quelvane/cardpatterns@2x.bmp 644
share/quelvane/deck.bmp 644
share/quelvane/deck@2x.bmp 644
share/quelvane/rules.txt 644"

actual=$(cd "$root" && find . -type f -printf '%P %m\n' | LC_ALL=C sort)
check "the installed files and their modes" same_text "$expected" "$actual"
check "nothing but files and folders is installed" \
    same_text "" "$(find "$stage" ! -type f ! -type d)"
# Nothing lands beside the prefix: the staging folder holds the prefix's own path only.
outside=$(find "$stage" -type f ! -path "$root/*")
check "nothing is written outside the prefix" same_text "" "$outside"

# The launcher was written for this layout, whatever the prefix.
check "the launcher finds the program beside it" \
    grep -qx "bin_to_program='../libexec/quelvane/quelvane'" "$root/bin/quelvane"
check "the launcher finds the data beside it" \
    grep -qx "bin_to_data='../share/quelvane'" "$root/bin/quelvane"

# Each icon is a PNG of the size its folder names.
for size in 16 32 48 64 128 256; do
    check "the ${size}px icon is ${size} x ${size}" \
        sh -c "file -b '$root/share/icons/hicolor/${size}x$size/apps/$id.png' |
               grep -q 'PNG image data, $size x $size'"
done
check "the installed rules are the game's rules" \
    cmp -s "$(dirname "$0")/../../data/rules.txt" "$root/share/quelvane/rules.txt"
check "the installed deck is a bitmap" \
    sh -c "file -b '$root/share/quelvane/deck.bmp' | grep -q '^PC bitmap'"
check "the installed deck at ratio 2 is a 24-bit bitmap twice the size" \
    sh -c "file -b '$root/share/quelvane/deck@2x.bmp' | grep -q '^PC bitmap.* 2044 x 784 x 24'"
finish
