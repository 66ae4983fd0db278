#!/usr/bin/env bash
# Installs what building and running need, builds the program into build/ and opens its
# window. The tests are test.sh's: nothing of theirs is installed or built here.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

velmorand_install_missing "${VELMORAND_RUN_PACKAGES[@]}"
# The options are given in full, so that a build/ that test.sh configured builds plainly too.
cmake -S . -B build -DBUILD_TESTING=OFF -DVELMORAND_BENCHMARKS=OFF -DVELMORAND_FUZZ=OFF \
    -DVELMORAND_WERROR=OFF -DVELMORAND_SANITIZERS=
cmake --build build --parallel "$(nproc)" --target velmorand
exec build/velmorand
