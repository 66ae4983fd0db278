#!/usr/bin/env bash
# The practice window under the real Orca screen reader, driven from the keyboard as a blind
# pupil would: velmorand --practice --level 5 --variant 42, a right answer, a wrong one and
# a right one again, and the column read row by row. Orca's speech is caught on its way to the synthesizer, as in
# velmorand_orca_e2e.sh, whose set-up this repeats; the texts listened for come from the
# practice core through PRACTICE_SAID, the answers typed are worked out here.
# Usage: velmorand_orca_practice_e2e.sh PROGRAM WORK_DIR PRACTICE_SAID
set -euo pipefail
program=$(realpath "$1")
work=$2
said_tool=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${VELMORAND_ORCA_INSIDE:-}" ]; then
    rm -rf "$work"
    mkdir -p "$work"/{home,config/orca,config/speech-dispatcher/modules,run,data,cache,locale}
    chmod 700 "$work/run"
    localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" 2>/dev/null || true
    [ -d "$work/locale/ru_RU.UTF-8" ] || { echo "FAIL: localedef ru_RU.UTF-8" >&2; exit 1; }
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
    source "$here/../../tools/xvfb.sh"
    velmorand_start_xvfb 1280x800 "$work"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
    export XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" LOCPATH="$work/locale"
    export LANG=ru_RU.UTF-8 LANGUAGE=ru LC_ALL=
    VELMORAND_ORCA_INSIDE=1 dbus-run-session -- "$0" "$@"
    exit
fi

# Inside the private session bus.
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The problem, and the answers to its first two questions worked out from its numbers: the
# first partial dividend (the shortest beginning of the dividend at least the divisor), and a
# count of the quotient's digits that is wrong, then the right one.
read -r _ dividend divisor < <("$said_tool" 5 42 | grep '^problem')
first=0
for ((i = 0; i < ${#dividend}; i++)); do
    first=$((first * 10 + ${dividend:i:1}))
    ((first >= divisor)) && break
done
quotient=$((dividend / divisor))
wrong_count=$((${#quotient} + 2))
"$said_tool" 5 42 "$first" "$wrong_count" "${#quotient}" >"$work/expected"
# expected KIND N: the Nth text of that kind the core gives, from 1.
expected() { awk -F'\t' -v kind="$1" -v n="$2" '$1 == kind && ++seen == n { print $2 }' "$work/expected"; }

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
[ -e "$work/wm-ready" ] || fail "the window manager did not start: $(cat "$work/openbox.log")"
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
    >"$work/speechd.log" 2>&1 &
pids+=($!)
# The progress goes into the settings under this folder, never the user's.
mkdir -p "$work/settings"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/settings" \
    "$program" --practice --level 5 --variant 42 2>"$work/program.log" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --class velmorand | head -n 1)
[ -n "$window" ] || fail "the window did not appear"
xdotool windowfocus --sync "$window"
spoken="$work/spoken.txt"
echo "### Orca starts with the practice window in the focus" >"$spoken"
heard=1
orca --disable braille --disable main-window --disable splash-window \
    --user-prefs "$XDG_CONFIG_HOME/orca" --debug-file="$work/orca-debug.txt" \
    >"$work/orca.log" 2>&1 &
pids+=($!)

# hear PATTERN: waits until Orca has said a line matching PATTERN (grep -E) after what was
# heard so far. hear_text TEXT: the same for a text said as it is, anywhere in a line.
hear_in() {
    local deadline=$((SECONDS + 15)) line
    while ((SECONDS < deadline)); do
        line=$(tail -n +$((heard + 1)) "$spoken" | grep -n "$1" -m 1 -- "$2" | cut -d: -f1 || true)
        if [ -n "$line" ]; then
            heard=$((heard + line))
            return 0
        fi
        sleep 0.1
    done
    echo "--- heard so far:" >&2
    cat "$spoken" >&2
    fail "Orca did not say '$2'"
}
hear() { hear_in -E "$1"; }
# Orca says "?" and "!" as a pause, not aloud: a text is listened for without its last sign.
hear_text() { hear_in -F "$(sed 's/[.?!]$//' <<<"$1")"; }
step() { echo "### $*" >>"$spoken"; heard=$(wc -l <"$spoken"); }
keys() { xdotool key --delay 150 "$@"; }
type_keys() { xdotool type --delay 150 "$1"; }

hear "Чтение с экрана включено"
hear "^Тренажёр, деление в столбик.* рамка"
hear "^Ответ текст"
hear_text "$(expected question 1)"

step "A right answer: the first partial dividend, $first"
type_keys "$first"
keys Return
hear_text "$(expected said 1)"

step "A wrong answer: $wrong_count digits in the quotient"
type_keys "$wrong_count"
keys Return
hear_text "$(expected said 2)"

step "The right count: ${#quotient}"
type_keys "${#quotient}"
keys Return
hear_text "$(expected said 3)"

step "Tab to the column, and down its rows"
keys Tab Tab Tab
hear "Столбик"
hear_text "$(expected row 1)"
keys Down
hear_text "$(expected row 2)"

if grep -n -E "двоеточие|дефис|круглая|скобка" "$spoken"; then
    fail "punctuation read aloud"
fi
echo "Orca's speech is in $spoken"
