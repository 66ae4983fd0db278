#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests, stage by stage:
#   native    the worksheet and window tests, the end-to-end runs under Xvfb and Orca, the
#             package checks and the benchmarks once briefly, in build/
#   russian   the window tests again under a Russian locale, in build/
#   sanitize  the worksheet and window tests under AddressSanitizer and
#             UndefinedBehaviorSanitizer, with a bounded fuzz run, in build/sanitize/
#   web       the browser's pages, built with emscripten into build/web/ and tested under node
#             and in headless Chromium
#   windows   the Windows program and its installer, cross-built into build/windows/ and
#             tested under Wine
# Usage: ./test.sh [STAGE...]; with no stage, all of them. Stages run in the order above.
# VELMORAND_SKIP_WINDOWS=1 leaves the Windows program out; VELMORAND_FUZZ_SECONDS sets the
# length of the fuzz run (60 s).
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

all_stages=(native russian sanitize web windows)
usage() {
    local IFS='|'
    echo "Usage: $0 [${all_stages[*]}]..."
    echo "With no stage, runs them all."
}

declare -A asked=()
for stage in "$@"; do
    case $stage in
    -h | --help)
        usage
        exit 0
        ;;
    native | russian | sanitize | web | windows) asked[$stage]=1 ;;
    *)
        echo "$0: no stage named '$stage'" >&2
        usage >&2
        exit 2
        ;;
    esac
done
stages=()
for stage in "${all_stages[@]}"; do
    if [ $# -eq 0 ] || [ -n "${asked[$stage]:-}" ]; then
        stages+=("$stage")
    fi
done
windows=1
if [ "${VELMORAND_SKIP_WINDOWS:-0}" = 1 ]; then
    windows=0
fi
wants() { [[ " ${stages[*]} " == *" $1 "* ]]; }

# What the chosen stages need. The native build is what russian tests, and the Windows stage
# takes its start-up benchmark's measurer from it; GoogleTest's sources come with
# libgtest-dev, for the cross-builds.
packages=()
if wants native || wants russian || wants sanitize || { wants windows && [ "$windows" = 1 ]; }; then
    packages+=("${VELMORAND_RUN_PACKAGES[@]}" "${VELMORAND_TEST_PACKAGES[@]}")
fi
if wants web; then
    packages+=(cmake make libgtest-dev "${VELMORAND_WEB_PACKAGES[@]}")
fi
[ ${#packages[@]} -eq 0 ] || velmorand_install_missing "${packages[@]}"
if wants windows && [ "$windows" = 1 ]; then
    velmorand_install_missing --no-install-recommends "${VELMORAND_WINDOWS_PACKAGES[@]}"
fi

jobs=$(nproc)
test_in() { # DIR [ctest options...]
    local dir=$1
    shift
    ctest --test-dir "$dir" --output-on-failure "$@"
}

native_configured=0
native_configure() {
    [ "$native_configured" = 0 ] || return 0
    cmake -S . -B build -DVELMORAND_FRONT_END=qt -DBUILD_TESTING=ON -DVELMORAND_BENCHMARKS=ON \
        -DVELMORAND_WERROR=ON
    native_configured=1
}
native_build() {
    native_configure
    cmake --build build --parallel "$jobs"
}

stage_native() {
    native_build
    test_in build --parallel "$jobs"
}

stage_russian() {
    native_build
    # As on a Russian desktop, where the fractional part is written with ",".
    # Given to ctest alone: bash itself need not have the locale.
    LANG=ru_RU.UTF-8 LC_ALL='' LC_NUMERIC='' ctest --test-dir build --output-on-failure \
        --label-regex window
}

stage_sanitize() {
    velmorand_build build/sanitize -DVELMORAND_FRONT_END=qt -DCMAKE_CXX_COMPILER=clang++ \
        -DVELMORAND_WERROR=ON -DVELMORAND_SANITIZERS=address,undefined -DVELMORAND_FUZZ=ON \
        -DVELMORAND_BENCHMARKS=OFF -DVELMORAND_FUZZ_SECONDS="${VELMORAND_FUZZ_SECONDS:-60}"
    test_in build/sanitize --parallel "$jobs" --label-exclude "e2e|packaging"
}

stage_web() {
    emcmake cmake -S . -B build/web -DVELMORAND_FRONT_END=web -DBUILD_TESTING=ON \
        -DVELMORAND_WERROR=ON
    cmake --build build/web --parallel "$jobs"
    test_in build/web --parallel "$jobs"
    PYTHONDONTWRITEBYTECODE=1 bench/web_startup.py build/web/velmorand.html 1 # it still works
    PYTHONDONTWRITEBYTECODE=1 bench/web_startup.py build/web/velmorand-practice.html 1
    PYTHONDONTWRITEBYTECODE=1 bench/web_startup.py build/web/velmorand-class.html 1
    if ! wants windows || [ "$windows" = 0 ]; then
        compare_programs build/web
    fi
}

# The same practice state drawn by the Qt window, the page (when WEB_BUILD is given) and
# velmorand.exe (when WINDOWS_BUILD is), each read back from its own picture.
compare_programs() { # [WEB_BUILD] [WINDOWS_BUILD]
    native_configure
    cmake --build build --parallel "$jobs" --target practice_picture qt_picture
    if [ -n "${2:-}" ]; then
        tests/pictures/win32_picture.sh "$2" build/tests/practice_picture "$2/pictures/win32.png"
    fi
    tests/pictures/compare_three.sh build "$@"
}

stage_windows() {
    if [ "$windows" = 0 ]; then
        echo "VELMORAND_SKIP_WINDOWS=1: the Windows program was neither built nor tested."
        skipped=" (but VELMORAND_SKIP_WINDOWS=1 left the Windows program out)"
        return 0
    fi
    # The benchmarks bring the bare Win32 window that the start-up benchmark compares with.
    velmorand_build build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DVELMORAND_FRONT_END=win32 -DBUILD_TESTING=ON -DVELMORAND_WERROR=ON \
        -DVELMORAND_BENCHMARKS=ON
    test_in build/windows --parallel "$jobs"
    # The start-up benchmark still works; it measures with the native build's startup_bench.
    native_configure
    cmake --build build --parallel "$jobs" --target startup_bench
    bench/win32_startup.sh build build/windows 1 1
    if wants web; then
        compare_programs build/web build/windows
    else
        compare_programs "" build/windows
    fi
}

declare -A about=(
    [native]="worksheet and window tests, end-to-end runs under Xvfb and Orca, package, in build/"
    [russian]="the window tests under LANG=ru_RU.UTF-8, in build/"
    [sanitize]="AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer, in build/sanitize/"
    [web]="velmorand.html under node and headless Chromium, in build/web/"
    [windows]="velmorand.exe and its installer under Wine, in build/windows/"
)

# How long each stage took; when one fails, also how long it ran.
declare -A took=()
current=
skipped=
report() {
    echo
    echo "Time per stage:"
    for stage in "${stages[@]}"; do
        [ -n "${took[$stage]:-}" ] || continue
        printf '  %-9s %3d min %02d s\n' "$stage" $((took[$stage] / 60)) $((took[$stage] % 60))
    done
    if [ -n "$current" ]; then
        printf '  %-9s failed after %d s\n' "$current" $((SECONDS - started))
    fi
}
trap report EXIT

for stage in "${stages[@]}"; do
    printf '\n======== %s: %s ========\n\n' "$stage" "${about[$stage]}"
    current=$stage
    started=$SECONDS
    "stage_$stage"
    took[$stage]=$((SECONDS - started))
    current=
done
trap - EXIT
report

if [ $# -eq 0 ]; then
    echo "All tests passed$skipped."
else
    echo "All tests of the stages ${stages[*]} passed$skipped."
fi
