# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the install tests (sourced): checks that count failures instead of stopping at the
# first, and a fresh folder for each test under the build tree.
failures=0

check() { # description, command...
    description=$1
    shift
    if "$@"; then
        :
    else
        printf 'FAILED: %s\n' "$description" >&2
        failures=$((failures + 1))
    fi
}

same_text() { # expected, actual
    if [ "$1" = "$2" ]; then
        return 0
    fi
    printf '  expected: %s\n  actual:   %s\n' "$1" "$2" >&2
    return 1
}

finish() {
    if [ "$failures" -ne 0 ]; then
        printf '%s check(s) failed\n' "$failures" >&2
        exit 1
    fi
    echo "all checks passed"
}

fresh_folder() { # name: an empty folder of that name beside the test's build files
    folder=$QUELVANE_TEST_WORK/$1
    rm -rf -- "$folder"
    mkdir -p -- "$folder"
    printf '%s\n' "$folder"
}
