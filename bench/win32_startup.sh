#!/usr/bin/env bash
# Start-up time and peak memory of velmorand.exe under Wine against a bare Win32 window with
# the same 34 controls, started alternately on a fresh Xvfb display; also the .exe's size.
# The peak memory is that of the Wine process the program runs in (VmHWM): its peak working
# set. A wineserver kept running for the whole measurement keeps its start out of the figures.
# Usage: bench/win32_startup.sh [LINUX_BUILD_DIR] [WINDOWS_BUILD_DIR] [RUNS] [IDLE_SECONDS]
set -euo pipefail
linux_build=$(cd "${1:-build}" && pwd)
windows_build=$(cd "${2:-build/windows}" && pwd)
runs=${3:-10}
idle=${4:-2}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
export VELMORAND_WINEPREFIX=$windows_build/wineprefix-bench
export WINEPREFIX=$VELMORAND_WINEPREFIX
VELMORAND_XVFB_PID=
trap 'wineserver -k 2>/dev/null; [ -z "$VELMORAND_XVFB_PID" ] || kill "$VELMORAND_XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT
source "$here/../tools/xvfb.sh"
velmorand_start_xvfb 1024x768 "$work"

"$here/../tools/wine.sh" cmd /c exit 0 # makes the prefix on first use
wineserver -k 2>/dev/null || true
wineserver -p
for program in velmorand bare_window; do
    exe=$windows_build/velmorand.exe
    [ "$program" = bare_window ] && exe=$windows_build/bench/win32_bare_window.exe
    printf '#!/bin/sh\nexec "%s" "%s"\n' "$here/../tools/wine.sh" "$exe" >"$work/$program"
    chmod +x "$work/$program"
done
echo "velmorand.exe: $(stat -c %s "$windows_build/velmorand.exe") bytes"
"$linux_build/bench/startup_bench" --runs "$runs" --idle "$idle" "$work/velmorand" "$work/bare_window"
