# Sourced by the tests that run Windows programs under Wine: a prefix of the test's own, a
# scratch folder in the build tree, and for those that show velmorand.exe's window, an X
# server, a browser that only writes down what it was asked to open, starting and closing the
# program, reading its window back, typing and clicking as a pupil would, and hearing its
# alerts; all of it is cleaned up when the test ends. Never another
# prefix's Wine, nor ~/.wine's.
# Usage: source wine_session.sh BUILD_DIR PREFIX_NAME
build=$(cd "$1" && pwd)
session_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine=$session_dir/../../tools/wine.sh
exe=$build/velmorand.exe
probe=$build/tests/win32/probe.exe
msaa=$build/tests/win32/msaa_probe.exe
title="Деление в столбик для 3-4 классов."
export VELMORAND_WINEPREFIX=$build/wineprefix-$2 WINEPREFIX=$build/wineprefix-$2

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

# MESSAGE: ends the test, saying so, whether the program has ended, and what the files of
# $work named in on_failure hold (the last reading of the window unless the test names others).
on_failure=(dump)
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${program_pid:-}" ] && ! kill -0 "$program_pid" 2>/dev/null; then
        local status=0
        wait "$program_pid" || status=$?
        echo "the program has ended, with status $status" >&2
    fi
    for file in "${on_failure[@]}"; do
        [ -f "$work/$file" ] && { echo "--- $file" && cat "$work/$file"; } >&2
    done
    exit 1
}

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
# Form1's words). Sets program_pid and xwindow.
start_program() {
    [ $# -gt 0 ] || set -- "$wine" "$exe"
    "$@" &
    program_pid=$!
    pids+=("$program_pid")
    "$wine" "$probe" wait "$title" || fail "the window did not appear"
    xwindow=$(timeout 20 xdotool search --sync --name "${xtitle:-Деление в столбик}" | head -n 1)
    [ -n "$xwindow" ] || fail "the window is not on the X display"
    stale=1
}
# [COMMAND...]: closes the window as its close box asks (or runs the command given, which
# closes it); the program must then end, with status 0.
close_program() {
    [ $# -gt 0 ] || set -- "$wine" "$probe" close "$title"
    "$@"
    timeout 10 tail --pid="$program_pid" -f /dev/null || fail "the window did not close"
    local status=0
    wait "$program_pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The window read from outside by probe.exe into $work/dump: one line per control, with its
# name, place ("LEFT TOP WIDTH HEIGHT" in the window's pixels), shown, limit and text; and a
# line "focus" naming the control with the keyboard focus.
# A reading can fail while Wine is busy starting or a loaded machine keeps the window from
# answering: it is tried three times before the test fails.
dump() {
    local try
    for try in 1 2 3; do
        "$wine" "$probe" dump "$title" >"$work/dump" 2>"$work/probe.err" && stale=0 && return 0
        sleep 0.5
    done
    fail "probe could not read the window: $(tail -n 3 "$work/probe.err")"
}
line() { awk -F'\t' -v name="$1" '$1 == name' "$work/dump"; }
text() { line "$1" | cut -f5-; }
place() { line "$1" | cut -f2; }
focus() { line focus | cut -f2; }
shows() { [ "$(text "$1")" = "$2" ]; }
tool_tips() { [ "$(line tooltips | cut -f2)" = 4 ]; } # one for each control with a tip
focused() { [ "$(focus)" = "$1" ]; }
# CHECK...: true once the check holds, within 10 s: on the last reading of the window while
# nothing was clicked or typed since (see click, key and type_in), then on fresh ones.
eventually() {
    for _ in $(seq 50); do
        [ "$stale" = 0 ] || dump
        "$@" && return 0
        stale=1
        sleep 0.2
    done
    return 1
}
expect() { # NAME TEXT [WHAT]
    eventually shows "$1" "$2" || fail "${3:-$1}: $1 shows '$(text "$1")', not '$2'"
}
expect_focus() { # NAME WHAT
    eventually focused "$1" || fail "$2: the focus is in $(focus), not $1"
}
point() { place "$1" | awk '{ print int($1 + $3 / 2), int($2 + $4 / 2) }'; } # NAME: its centre

# What the pupil does, through xdotool: after it, the window is read afresh.
click() { # NAME [OPTIONS OF XDOTOOL'S CLICK...]: the control's centre, as last read
    stale=1
    xdotool mousemove --window "$xwindow" $(point "$1") click "${@:2}" 1
}
key() { stale=1 && xdotool key "$@"; }
type_in() { stale=1 && xdotool type --delay 40 "$1"; }
# NAME TEXT: typed into a field over whatever it holds (Ctrl+A selects nothing in an EDIT
# control).
retype() { click "$1" && key End shift+Home && type_in "$2"; }

# ORDER START: Tab goes from START, where the focus is, through the controls that
# "msaa_probe ORDER" lists from the table, round to START again.
tab_follows_the_table() {
    local order start i
    mapfile -t order < <("$wine" "$msaa" "$1" | tr -d '\r')
    start=$(printf '%s\n' "${order[@]}" | grep -nx "$2" | cut -d: -f1)
    [ -n "$start" ] && [ "${#order[@]}" -gt 1 ] || fail "$2 is not in the focus order: ${order[*]}"
    for i in $(seq 1 "${#order[@]}"); do
        key Tab
        expect_focus "${order[$(((start - 1 + i) % ${#order[@]}))]}" "Tab"
    done
}

# COMMAND...: the client area and every control shown stand where "msaa_probe COMMAND..."
# says the description puts them.
placed_as_described() {
    local name where got
    "$wine" "$msaa" "$@" | tr -d '\r' >"$work/places"
    while IFS=$'\t' read -r name where; do
        got=$(place "$name")
        [ "$name" != window ] || got="0 0 $(line window | cut -f2-3 | tr '\t' ' ')"
        [ "$name" = window ] || [ "$(line "$name" | cut -f3)" = visible ] || continue
        [ "$name" != Level ] || got=${got% *} where=${where% *} # its window holds its list too
        [ "$got" = "$where" ] || fail "$name at $got, described at $where"
    done <"$work/places"
}

# The alerts the window raises, heard into $work/alerts by a listener in another process as
# NVDA or JAWS hear them; alerts counts those that say something.
listen() {
    "$wine" "$msaa" listen "$title" >"$work/alerts" &
    pids+=($!)
    poll grep -q listening "$work/alerts" || fail "the alert listener did not start"
}
alerts() { grep -c '^alert	.' "$work/alerts" || true; }
