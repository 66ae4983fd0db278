# Sourced by the tests that run Windows programs under Wine: a prefix of the test's own, a
# scratch folder in the build tree, and for those that show velmorand.exe's window, an X
# server, a browser that only writes down what it was asked to open, starting the program
# and reading its window back; all of it is cleaned up when the test ends. Never another
# prefix's Wine, nor ~/.wine's.
# Usage: source wine_session.sh BUILD_DIR PREFIX_NAME
build=$(cd "$1" && pwd)
session_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine=$session_dir/../../tools/wine.sh
exe=$build/velmorand.exe
probe=$build/tests/win32/probe.exe
title="Деление в столбик для 3-4 классов."
export VELMORAND_WINEPREFIX=$build/wineprefix-$2

work=$(mktemp -d -p "$build" "$2.XXXXXX") # inside the build tree, which Wine sees
pids=()
# Ends this prefix's Wine processes and waits until its server is gone, so that the next
# program starts a server of its own afresh.
stop_wine() {
    WINEPREFIX=$VELMORAND_WINEPREFIX wineserver -k 2>/dev/null || true
    WINEPREFIX=$VELMORAND_WINEPREFIX wineserver -w 2>/dev/null || true
}
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_wine
    rm -rf "$work"
}
trap cleanup EXIT

# LOCALE...: Wine takes its locale from the C library's, which may not be generated on this
# machine; these are made in the build tree once, whichever test comes first.
make_locales() {
    local locales=$build/locales
    mkdir -p "$locales"
    (
        flock 9
        for locale in "$@"; do
            [ -d "$locales/$locale.UTF-8" ] || localedef -i "$locale" -f UTF-8 "$locales/$locale.UTF-8"
        done
    ) 9>"$locales/.lock"
    export LOCPATH=$locales LC_ALL=
}

# WIDTHxHEIGHT: an X server of the test's own on a free display.
source "$session_dir/../../tools/xvfb.sh"
start_xvfb() {
    velmorand_start_xvfb "$1" "$work" || { kill "$VELMORAND_XVFB_PID" 2>/dev/null; exit 1; }
    pids+=("$VELMORAND_XVFB_PID")
}

# The desktop's own handlers are hidden so that Wine's hand-off through xdg-open falls back
# to $BROWSER, which writes each address into $work/opened.
record_browser() {
    printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/browser"
    chmod +x "$work/browser"
    mkdir -p "$work/xdg"
    export BROWSER=$work/browser XDG_DATA_HOME=$work/xdg XDG_DATA_DIRS=$work/xdg \
        XDG_CONFIG_HOME=$work/xdg XDG_CONFIG_DIRS=$work/xdg XDG_CURRENT_DESKTOP=
}
opened() { cat "$work/opened" 2>/dev/null || true; }
# NAME: the address a link goes to, as a distributor sets it in window/link_addresses.h.
address() { sed -n "s/.*$1\\[\\] = \"\\([^\"]*\\)\".*/\\1/p" "$session_dir/../../window/link_addresses.h"; }

# COMMAND...: true once the command succeeds, within 10 s.
poll() {
    local deadline=$((SECONDS + 10))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# [COMMAND...]: starts velmorand.exe under Wine (or the command given, which starts it) and
# waits until its window is there, for probe.exe (by $title) and for xdotool (by $xtitle, or
# Form1's words). Sets program_pid and xwindow; the test's own fail() says when the window
# does not come.
start_program() {
    [ $# -gt 0 ] || set -- "$wine" "$exe"
    "$@" &
    program_pid=$!
    pids+=("$program_pid")
    "$wine" "$probe" wait "$title" || fail "the window did not appear"
    xwindow=$(timeout 20 xdotool search --sync --name "${xtitle:-Деление в столбик}" | head -n 1)
    [ -n "$xwindow" ] || fail "the window is not on the X display"
}

# The window read from outside by probe.exe into $work/dump: one line per control, with its
# name, place ("LEFT TOP WIDTH HEIGHT" in the window's pixels), shown, limit and text.
# A reading can fail while Wine is busy starting or a loaded machine keeps the window from
# answering: it is tried three times before the test fails.
dump() {
    local try
    for try in 1 2 3; do
        "$wine" "$probe" dump "$title" >"$work/dump" 2>"$work/probe.err" && return 0
        sleep 0.5
    done
    fail "probe could not read the window: $(tail -n 3 "$work/probe.err")"
}
line() { awk -F'\t' -v name="$1" '$1 == name' "$work/dump"; }
text() { line "$1" | cut -f5-; }
# CHECK...: true once the check holds on a fresh reading of the window, within 10 s.
eventually() {
    for _ in $(seq 50); do
        dump
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
place() { line "$1" | cut -f2; }
point() { # NAME: the centre of a control, in the window's pixels
    local left top width height
    read -r left top width height <<<"$(place "$1")"
    echo "$((left + width / 2)) $((top + height / 2))"
}
