#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test: the unit and window
# tests, then the worksheet tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# with a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

velmorand_install_missing "${VELMORAND_PACKAGES[@]}"

velmorand_build build -DVELMORAND_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)")

velmorand_build build/sanitize -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVELMORAND_WERROR=ON -DVELMORAND_SANITIZERS=address,undefined -DVELMORAND_FUZZ=ON \
    -DVELMORAND_WINDOW=OFF -DVELMORAND_BENCHMARKS=OFF
(cd build/sanitize && ctest --output-on-failure --parallel "$(nproc)")

echo "All tests passed."
