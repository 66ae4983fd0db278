#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix, never the user's ~/.wine:
# no debug output, no menu entries or file types written into $HOME, and a UTF-8 locale.
# The prefix is made on first use. Usage: wine.sh PROGRAM.exe [ARGUMENTS...]
# VELMORAND_WINEPREFIX names the prefix; by default build/windows/wineprefix beside this tree.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${VELMORAND_WINEPREFIX:-$here/build/windows/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
# A UTF-8 locale that is installed: otherwise Wine garbles Cyrillic in arguments and file names.
locale=${LC_ALL:-${LC_CTYPE:-${LANG:-}}}
if [ "$(LC_ALL=$locale locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
fi
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$wine" wineboot -i >/dev/null 2>&1 || true
            wineserver -w
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
