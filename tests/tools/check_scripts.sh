#!/usr/bin/env bash
# The maintainer's tools through their front doors: test.sh's stage names, the front-end
# choice CMake is given, and the shared Xvfb start-up.
# Usage: check_scripts.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# test.sh ARGUMENTS | exit status | what it prints. A name it does not know stops it before
# anything is installed or built.
while IFS='|' read -r arguments status pattern; do
    [ -n "$arguments" ] || continue
    actual=0
    # shellcheck disable=SC2086 # the arguments are words
    output=$("$source_dir/test.sh" $arguments 2>&1) || actual=$?
    [ "$actual" = "$status" ] || fail "test.sh $arguments ended with $actual, not $status: $output"
    grep -qE -- "$pattern" <<<"$output" || fail "test.sh $arguments did not say /$pattern/: $output"
    ! grep -q '========' <<<"$output" || fail "test.sh $arguments started a stage: $output"
done <<'CASES'
bogus|2|no stage named 'bogus'
native windoze|2|no stage named 'windoze'
native bogus web|2|Usage: .*test\.sh \[native\|russian\|sanitize\|web\|windows\]
--help|0|Usage: .*test\.sh \[native\|russian\|sanitize\|web\|windows\]
CASES

# cmake OPTIONS | configures? | what it says. Each front end is built only where it fits.
n=0
while IFS='|' read -r options configures pattern; do
    [ -n "$options" ] || continue
    n=$((n + 1))
    actual=yes
    # shellcheck disable=SC2086
    output=$(cmake -S "$source_dir" -B "$scratch/cmake$n" -DBUILD_TESTING=OFF $options 2>&1) ||
        actual=no
    [ "$actual" = "$configures" ] || fail "cmake $options configured: $actual, not $configures: $output"
    [ -z "$pattern" ] || grep -qE -- "$pattern" <<<"$output" ||
        fail "cmake $options did not say /$pattern/: $output"
done <<'CASES'
-DVELMORAND_FRONT_END=gtk|no|one of qt, win32, web and none
-DVELMORAND_FRONT_END=win32|no|not built for this platform.*front end is qt
-DVELMORAND_FRONT_END=web|no|not built for this platform
-DVELMORAND_FRONT_END=none|yes|
-DVELMORAND_WINDOW=OFF|yes|VELMORAND_WINDOW is gone
CASES
# The default here is Qt's program; none builds no program at all.
has_program() { # N: whether the build folder of case N has the target velmorand
    local targets
    targets=$(cmake --build "$scratch/cmake$1" --target help)
    grep -qx '\.\.\. velmorand' <<<"$targets"
}
! has_program 4 || fail "VELMORAND_FRONT_END=none still builds the program"
has_program 5 || fail "the default front end builds no program"

# The Xvfb start-up: a display of the size asked for, and a quick failure when the server
# cannot start.
source "$source_dir/tools/xvfb.sh"
mkdir -p "$scratch/xvfb"
(
    trap '[ -z "${VELMORAND_XVFB_PID:-}" ] || kill "$VELMORAND_XVFB_PID" 2>/dev/null' EXIT
    velmorand_start_xvfb 640x480 "$scratch/xvfb"
    [ "$(xdotool getdisplaygeometry)" = "640 480" ] ||
        { echo "FAIL: the display is $(xdotool getdisplaygeometry), not 640 480" >&2 && exit 1; }
) || fail "velmorand_start_xvfb gave no working display"
mkdir -p "$scratch/bin"
printf '#!/bin/sh\nexit 1\n' >"$scratch/bin/Xvfb"
chmod +x "$scratch/bin/Xvfb"
started=$SECONDS
if output=$(PATH=$scratch/bin:$PATH velmorand_start_xvfb 640x480 "$scratch/xvfb" 2>&1); then
    fail "velmorand_start_xvfb succeeded with an Xvfb that exits at once"
fi
grep -q "Xvfb exited" <<<"$output" || fail "a failed Xvfb start said: $output"
((SECONDS - started < 10)) || fail "a failed Xvfb start took $((SECONDS - started)) s to notice"

[ "$failures" -eq 0 ] || exit 1
echo "test.sh's stages, the front-end choice and the Xvfb start-up checked"
