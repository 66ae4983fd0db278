# shellcheck shell=bash
# Sourced by the runs of a real program on a desktop of their own: an X server (Xvfb) and a
# private session bus with the accessibility bus on it; and, for the runs under the real Orca
# screen reader, a window manager and Orca. Orca's speech goes through speech-dispatcher to an
# output module that writes each text to WORK/spoken.txt instead of a sound card: that file is
# what the pupil would hear.
#
#   desktop_session SCRIPT WORK WIDTHxHEIGHT [ARGUMENTS...]: run first by SCRIPT, sets work.
#   Outside the session, makes WORK afresh, starts the X server and runs SCRIPT with ARGUMENTS
#   again inside a session, then ends with its status; inside, starts the accessibility bus.
#   orca_session SCRIPT WORK WIDTHxHEIGHT [ARGUMENTS...]: the same for a run under Orca, with
#   Orca's and speech-dispatcher's settings and a Russian locale, a window manager and
#   speech-dispatcher.
# Inside:
#   start_program PROGRAM [ARGUMENTS...], wait_window CLASS, wait_opened COUNT, opened_are
#   ADDRESS..., link_address NAME, atspi: below.
#   orca_start CLASS: gives the window of that class the focus and starts Orca on it.
#   hear PATTERN, hear_field, hear_button, step TEXT, keys KEY..., orca_end, fail TEXT.

fail() { echo "FAIL: $*" >&2; exit 1; }

desktop_session() {
    local script=$1 size=$3
    work=$2
    shift 3
    if [ -z "${VELMORAND_E2E_WORK:-}" ]; then
        rm -rf "$work"
        mkdir -p "$work"
        # orca_session's settings, written before the X server and the bus start.
        [ -z "${desktop_settings:-}" ] || "$desktop_settings" "$work"
        VELMORAND_XVFB_PID=
        trap '[ -z "$VELMORAND_XVFB_PID" ] || kill "$VELMORAND_XVFB_PID" 2>/dev/null || true' EXIT
        source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"
        velmorand_start_xvfb "$size" "$work"
        VELMORAND_E2E_WORK=$work dbus-run-session -- "$script" "$@"
        exit
    fi
    trap desktop_cleanup EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    pids+=($!)
}

# The processes started inside, ended in the opposite order when the script exits, and waited
# for: one Orca runs per user, and the next run's would refuse to start beside this one.
pids=()
desktop_cleanup() {
    local i pid deadline=$((SECONDS + 10))
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
}

# start_program PROGRAM [ARGUMENTS...]: the Qt program with its accessibility on, what it says
# in WORK/program.log, its process in program_pid. Its browser only writes down in WORK/opened
# what it was asked to open; the desktop's own handlers, hidden, leave xdg-open to $BROWSER.
# Its settings, the practice's progress among them, go under WORK, never the user's.
start_program() {
    mkdir -p "$work/xdg"
    printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/browser"
    chmod +x "$work/browser"
    touch "$work/opened"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BROWSER="$work/browser" XDG_DATA_HOME="$work/xdg" \
        XDG_DATA_DIRS="$work/xdg" XDG_CONFIG_HOME="$work/xdg" XDG_CONFIG_DIRS="$work/xdg" \
        XDG_CURRENT_DESKTOP= "$@" 2>"$work/program.log" &
    program_pid=$!
    pids+=($!)
}

# wait_opened COUNT: waits until the browser was asked for COUNT pages.
wait_opened() {
    local deadline=$((SECONDS + 15))
    while ((SECONDS < deadline)); do
        [ "$(wc -l <"$work/opened")" -ge "$1" ] && return 0
        sleep 0.1
    done
    fail "the browser was not asked for page $1: $(cat "$work/opened")"
}

# The program's controls read from the accessibility tree: see atspi.py.
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; }

# opened_are ADDRESS...: the browser was asked for these pages, in this order, and no other.
opened_are() {
    [ "$(cat "$work/opened")" = "$(printf '%s\n' "$@")" ] ||
        fail "the browser was asked for: $(tr '\n' ' ' <"$work/opened")"
}
# link_address NAME: a link's address, as a distributor sets it in window/link_addresses.h.
link_address() {
    sed -n "s/.*$1\\[\\] = \"\\([^\"]*\\)\".*/\\1/p" \
        "$(dirname "${BASH_SOURCE[0]}")/../../window/link_addresses.h"
}

# wait_window CLASS: prints the first visible window of that class (by class: where the locale
# is not installed, the title's old-style property is garbled). A browser makes and drops
# windows as it starts, which can fail a search midway: it is tried again until the window shows.
wait_window() {
    local window
    for _ in $(seq 40); do
        window=$(xdotool search --onlyvisible --class "$1" 2>/dev/null | head -n 1 || true)
        [ -z "$window" ] || break
        sleep 0.5
    done
    [ -n "$window" ] || fail "the window did not appear"
    echo "$window"
}

orca_settings() {
    local work=$1
    mkdir -p "$work"/{home,config/orca,config/speech-dispatcher/modules,run,data,cache,locale}
    chmod 700 "$work/run"
    # The Russian locale in the build tree, so that no system-wide locale is needed.
    localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" 2>/dev/null || true
    [ -d "$work/locale/ru_RU.UTF-8" ] || fail "localedef ru_RU.UTF-8"
    # No sound card: libao's null driver takes whatever audio is left.
    echo default_driver=null >"$work/home/.libao"
    sed -e '/^ *AudioOutputMethod/d' -e '/^ *AddModule/d' -e '/^ *DefaultModule/d' \
        -e '/^ *LogDir/d' -e '/^ *Include/d' /etc/speech-dispatcher/speechd.conf \
        >"$work/config/speech-dispatcher/speechd.conf"
    cat >>"$work/config/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "libao"
AddModule "record" "sd_generic" "record.conf"
DefaultModule record
LanguageDefaultModule "ru" "record"
DefaultLanguage "ru"
LogDir "$work/speechd-log"
CONF
    cat >"$work/config/speech-dispatcher/modules/record.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$work/spoken.txt"
GenericDelimiters "|"
GenericMaxChunkLength 100000
GenericPunctNone ""
GenericPunctSome ""
GenericPunctMost ""
GenericPunctAll ""
GenericLanguage "ru" "ru" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ru" "MALE1" "ru"
AddVoice "en" "MALE1" "en"
CONF
    cat >"$work/config/orca/user-settings.conf" <<CONF
{"general": {"enableBraille": false, "enableBrailleMonitor": false, "showMainWindow": false,
 "enableSpeech": true, "speechServerFactory": "orca.speechdispatcherfactory",
 "orcaModifierKeys": ["Insert", "KP_Insert"], "keyboardLayout": 1, "activeProfile": ["Default", "default"],
 "startingProfile": ["Default", "default"]},
 "profiles": {"default": {"profile": ["Default", "default"]}}, "keybindings": {}, "pronunciations": {}}
CONF
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" LOCPATH="$work/locale"
    export LANG=ru_RU.UTF-8 LANGUAGE=ru LC_ALL=
}

orca_session() {
    desktop_settings=orca_settings desktop_session "$@"
    # A window manager, as on a pupil's desktop: it places the window and names the active
    # one, which newer Orca asks for when it turns a place in a window into one on the screen
    # for its review click. Openbox says it is ready by running the command given to --startup.
    openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
    [ -e "$work/wm-ready" ] || fail "the window manager did not start: $(cat "$work/openbox.log")"
    speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
        >"$work/speechd.log" 2>&1 &
    pids+=($!)
}

# Sets spoken (the record) and heard (its lines already matched).
orca_start() {
    local window deadline=$((SECONDS + 20))
    window=$(wait_window "$1")
    # The window manager gives a new window the focus; Orca, started then, says where it is.
    xdotool windowfocus --sync "$window"
    spoken="$work/spoken.txt"
    echo "### Orca starts with the window in the focus" >"$spoken"
    heard=1
    # No other Orca of this user may still run: one still ending would stop this one.
    while pgrep -u "$(id -u)" -x orca >/dev/null && ((SECONDS < deadline)); do sleep 0.2; done
    ! pgrep -u "$(id -u)" -x orca >/dev/null || fail "another Orca of this user is still running"
    orca --disable braille --disable main-window --disable splash-window \
        --user-prefs "$XDG_CONFIG_HOME/orca" --debug-file="$work/orca-debug.txt" \
        >"$work/orca.log" 2>&1 &
    pids+=($!)
}

# hear PATTERN: waits until Orca has said a line matching PATTERN (grep -E) after what was
# heard so far. hear -F TEXT: a line holding TEXT as it is.
hear() {
    local how=-E deadline=$((SECONDS + 15)) line
    if [ "$1" = -F ]; then
        how=-F
        shift
    fi
    while ((SECONDS < deadline)); do
        line=$(tail -n +$((heard + 1)) "$spoken" | grep -n "$how" -m 1 -- "$1" | cut -d: -f1 || true)
        if [ -n "$line" ]; then
            heard=$((heard + line))
            return 0
        fi
        sleep 0.1
    done
    echo "--- heard so far:" >&2
    cat "$spoken" >&2
    fail "Orca did not say '$1'"
}
# hear_text TEXT: Orca has said TEXT; it says "?" and "!" as a pause, not aloud, so a text is
# listened for without its last sign.
hear_text() { hear -F "$(sed 's/[.?!]$//' <<<"$1")"; }
# hear_field NAME VALUE: Orca has said the field's name and then its whole value.
hear_field() {
    hear "^$1 текст"
    hear "^$2( выделен)?\.?\$"
}
# hear_button NAME: Orca has said the button's name and role (Orca 43 calls it a "pressable"
# button, later versions just a button).
hear_button() { hear "^$1 (нажимаемая )?кнопка"; }
# The mark between steps in the record.
step() { echo "### $*" >>"$spoken"; heard=$(wc -l <"$spoken"); }
keys() { xdotool key --delay 150 "$@"; }
# type_keys TEXT: TEXT typed a key at a time, Cyrillic too.
type_keys() { xdotool type --delay 150 "$1"; }
# Orca names these signs aloud; the program's own texts have none of them.
orca_end() {
    if grep -n -E "двоеточие|дефис|круглая|скобка" "$spoken"; then
        fail "punctuation read aloud"
    fi
    echo "Orca's speech is in $spoken"
}
