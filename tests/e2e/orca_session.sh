# shellcheck shell=bash
# Sourced by the runs under the real Orca screen reader. Orca's speech goes through
# speech-dispatcher to an output module that writes each text to WORK/spoken.txt instead of a
# sound card: that file is what the pupil would hear.
#
#   orca_session SCRIPT WORK WIDTHxHEIGHT [ARGUMENTS...]: run first by SCRIPT; see below.
# Outside the private session bus:
#   orca_prepare WORK WIDTHxHEIGHT: makes WORK afresh with Orca's and speech-dispatcher's
#   settings and a Russian locale, starts an X server of its own and exports the environment.
# Inside it:
#   orca_start_desktop WORK: the accessibility bus, a window manager and speech-dispatcher.
#   orca_start WORK WINDOW: gives the program's window the focus and starts Orca on it.
#   hear PATTERN, step TEXT, keys KEY..., fail TEXT: see below.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

orca_prepare() {
    local work=$1 size=$2
    rm -rf "$work"
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
    VELMORAND_XVFB_PID=
    trap '[ -z "$VELMORAND_XVFB_PID" ] || kill "$VELMORAND_XVFB_PID" 2>/dev/null || true' EXIT
    source "$(dirname "${BASH_SOURCE[0]}")/../../tools/xvfb.sh"
    velmorand_start_xvfb "$size" "$work"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" LOCPATH="$work/locale"
    export LANG=ru_RU.UTF-8 LANGUAGE=ru LC_ALL=
}

# Outside the private session bus, prepares WORK and runs SCRIPT with ARGUMENTS again inside
# one, then ends with its status; inside, starts the desktop and returns.
orca_session() {
    local script=$1 work=$2 size=$3
    shift 3
    if [ -z "${VELMORAND_ORCA_INSIDE:-}" ]; then
        orca_prepare "$work" "$size"
        VELMORAND_ORCA_INSIDE=1 dbus-run-session -- "$script" "$@"
        exit
    fi
    orca_start_desktop "$work"
}

# The processes started inside, ended in the opposite order when the script exits, and waited
# for: one Orca runs per user, and the next run's would refuse to start beside this one.
pids=()
orca_cleanup() {
    local i pid deadline=$((SECONDS + 10))
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do
        while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
}

# Waits until no Orca of this user runs any more, as one still ending would stop this one.
orca_wait_alone() {
    local deadline=$((SECONDS + 20))
    while pgrep -u "$(id -u)" -x orca >/dev/null && ((SECONDS < deadline)); do sleep 0.2; done
    ! pgrep -u "$(id -u)" -x orca >/dev/null || fail "another Orca of this user is still running"
}

orca_start_desktop() {
    local work=$1
    trap orca_cleanup EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    pids+=($!)
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
    local work=$1 window
    # A browser makes and drops windows as it starts, which can fail a search midway: it is
    # tried again until the window shows.
    for _ in $(seq 40); do
        window=$(xdotool search --onlyvisible --class "${orca_class:-velmorand}" 2>/dev/null |
            head -n 1 || true)
        [ -z "$window" ] || break
        sleep 0.5
    done
    [ -n "$window" ] || fail "the window did not appear"
    # The window manager gives a new window the focus; Orca, started then, says where it is.
    xdotool windowfocus --sync "$window"
    spoken="$work/spoken.txt"
    echo "### Orca starts with the window in the focus" >"$spoken"
    heard=1
    orca_wait_alone
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
# The mark between steps in the record.
step() { echo "### $*" >>"$spoken"; heard=$(wc -l <"$spoken"); }
keys() { xdotool key --delay 150 "$@"; }
