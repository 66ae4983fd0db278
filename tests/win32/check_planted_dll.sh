#!/usr/bin/env bash
# velmorand.exe run from a folder where someone has put DLLs named like Windows' own
# (shell32.dll, comctl32.dll): the program must load the shell and the common controls from
# System32 and never the planted ones, which would leave a marker file if loaded. First a
# planted DLL is loaded on purpose, to show that its marker does appear when it is.
# Usage: check_planted_dll.sh BUILD_DIR PLANTED_DLL
set -euo pipefail
planted=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh" "$1" planted
until_there() { # FILE: waits up to 20 s for it
    for _ in $(seq 200); do [ -e "$1" ] && return 0; sleep 0.1; done
    return 1
}

mkdir "$work/check"
cp "$planted" "$work/check/planted.dll"
"$wine" rundll32 "$work/check/planted.dll,Load" >/dev/null 2>&1 || true
until_there "$work/check/planted.dll.loaded" || fail "the planted DLL leaves no marker even when loaded"

stop_wine
cp "$build/velmorand.exe" "$work/"
for dll in shell32.dll comctl32.dll; do cp "$planted" "$work/$dll"; done

start_xvfb 1024x768
record_browser

# Started from its own folder, as from a USB stick. Wine would take its own shell32 and
# comctl32 whatever file it finds; told to prefer the files, it loads whichever file the
# program's search finds first, as Windows does.
start_program env -C "$work" WINEDLLOVERRIDES="shell32,comctl32=n,b" "$wine" velmorand.exe
# The tool tips come once the window is shown, with the common controls.
eventually tool_tips || fail "the tool tips did not come: the common controls were not loaded"
# Load opens a page through the shell.
click Command4
for _ in $(seq 200); do [ -e "$work/opened" ] || [ -e "$work/shell32.dll.loaded" ] && break; sleep 0.1; done
for dll in shell32.dll comctl32.dll; do
    [ ! -e "$work/$dll.loaded" ] || fail "velmorand.exe loaded the $dll planted beside it"
done
[ -e "$work/opened" ] || fail "Load opened no page: the shell was not loaded"
close_program
echo "velmorand.exe used the system's shell32 and comctl32, not the DLLs planted beside it"
