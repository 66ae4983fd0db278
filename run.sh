#!/usr/bin/env bash
# Installs what building and running need, builds the program into build/run/ and opens its
# window. The tests are test.sh's: nothing of theirs is installed or built here, and test.sh's
# build/ is left as it is, so that switching between the two scripts rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

velmorand_install_missing "${VELMORAND_RUN_PACKAGES[@]}"
cmake -S . -B build/run -DVELMORAND_FRONT_END=qt -DBUILD_TESTING=OFF
cmake --build build/run --parallel "$(nproc)" --target velmorand
exec build/run/velmorand
