#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test: the worksheet and window
# tests, the end-to-end run under Xvfb and the package checks; the window tests again under
# a Russian locale; the worksheet and window tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, with a bounded fuzz run; the browser's page, built with emscripten
# into build/web and tested under node and in headless Chromium; then the Windows program,
# cross-built into build/windows and tested under Wine, with its installer.
# VELMORAND_SKIP_WINDOWS=1 leaves the Windows program out.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

velmorand_install_missing "${VELMORAND_RUN_PACKAGES[@]}" "${VELMORAND_TEST_PACKAGES[@]}" \
    "${VELMORAND_WEB_PACKAGES[@]}"
windows=${VELMORAND_SKIP_WINDOWS:-0}
if [ "$windows" != 1 ]; then
    velmorand_install_missing --no-install-recommends "${VELMORAND_WINDOWS_PACKAGES[@]}"
fi

velmorand_build build -DBUILD_TESTING=ON -DVELMORAND_BENCHMARKS=ON -DVELMORAND_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)")
# As on a Russian desktop, where the fractional part is written with ",".
(cd build && LANG=ru_RU.UTF-8 LC_ALL= LC_NUMERIC= ctest --output-on-failure --label-regex window)

velmorand_build build/sanitize -DCMAKE_CXX_COMPILER=clang++ -DVELMORAND_WERROR=ON \
    -DVELMORAND_SANITIZERS=address,undefined -DVELMORAND_FUZZ=ON -DVELMORAND_BENCHMARKS=OFF \
    -DVELMORAND_FUZZ_SECONDS="${VELMORAND_FUZZ_SECONDS:-60}"
(cd build/sanitize && ctest --output-on-failure --parallel "$(nproc)" --label-exclude "e2e|packaging")

emcmake cmake -S . -B build/web -DBUILD_TESTING=ON -DVELMORAND_WERROR=ON
cmake --build build/web --parallel "$(nproc)"
(cd build/web && ctest --output-on-failure --parallel "$(nproc)")
PYTHONDONTWRITEBYTECODE=1 bench/web_startup.py build/web/velmorand.html 1 # the benchmark still works

if [ "$windows" = 1 ]; then
    echo "VELMORAND_SKIP_WINDOWS=1: the Windows program was neither built nor tested."
else
    velmorand_build build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DBUILD_TESTING=ON -DVELMORAND_WERROR=ON
    (cd build/windows && ctest --output-on-failure --parallel "$(nproc)")
    bench/win32_startup.sh build build/windows 1 1 # the start-up benchmark still works
fi

echo "All tests passed."
