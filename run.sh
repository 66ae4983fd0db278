#!/usr/bin/env bash
# Installs what is missing, builds into build/ and opens the program's window.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh

velmorand_install_missing "${VELMORAND_PACKAGES[@]}"
velmorand_build build

if [ -x build/velmorand ]; then
    exec build/velmorand
fi
echo "Built the worksheet library and its tests; the window is not there yet."
