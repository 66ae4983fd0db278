#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of build/velmorand against a bare Qt window with
# the same controls, both started alternately on a fresh Xvfb display.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
idle=${3:-5}

here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tools/xvfb.sh"

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work # Qt wants a private runtime folder
VELMORAND_XVFB_PID=
trap '[ -z "$VELMORAND_XVFB_PID" ] || kill "$VELMORAND_XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
velmorand_start_xvfb 1024x768 "$work"

"$build/bench/startup_bench" --runs "$runs" --idle "$idle" "$build/velmorand" "$build/bench/bare_window"
