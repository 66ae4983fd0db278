#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of build/velmorand against a bare Qt window with
# the same controls, both started alternately on a fresh Xvfb display.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]
set -euo pipefail
build=${1:-build}
runs=${2:-10}
idle=${3:-5}

display_file=$(mktemp)
runtime_dir=$(mktemp -d) # Qt wants a private runtime folder
export XDG_RUNTIME_DIR=$runtime_dir
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$display_file" "$runtime_dir"' EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$display_file")"

"$build/bench/startup_bench" --runs "$runs" --idle "$idle" "$build/velmorand" "$build/bench/bare_window"
