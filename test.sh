#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test: the worksheet and window
# tests and the end-to-end run under Xvfb, then the worksheet and window tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, with a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

velmorand_install_missing "${VELMORAND_PACKAGES[@]}"

velmorand_build build -DVELMORAND_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)")

velmorand_build build/sanitize -DCMAKE_CXX_COMPILER=clang++ -DVELMORAND_WERROR=ON \
    -DVELMORAND_SANITIZERS=address,undefined -DVELMORAND_FUZZ=ON -DVELMORAND_BENCHMARKS=OFF \
    -DVELMORAND_FUZZ_SECONDS="${VELMORAND_FUZZ_SECONDS:-60}"
(cd build/sanitize && ctest --output-on-failure --parallel "$(nproc)" --label-exclude "e2e|packaging")

echo "All tests passed."
