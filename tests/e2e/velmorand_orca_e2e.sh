#!/usr/bin/env bash
# The real program under the real Orca screen reader, driven from the keyboard as a blind
# pupil would. Orca's speech goes through speech-dispatcher to an output module that writes
# each text to a file instead of a sound card: that file is what the pupil would hear.
# Usage: velmorand_orca_e2e.sh PROGRAM WORK_DIR
set -euo pipefail
program=$(realpath "$1")
work=$2
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${VELMORAND_ORCA_INSIDE:-}" ]; then
    rm -rf "$work"
    mkdir -p "$work"/{home,config/orca,config/speech-dispatcher/modules,run,data,cache,locale}
    chmod 700 "$work/run"
    # The Russian locale in the build tree, so that no system-wide locale is needed.
    localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" 2>/dev/null || true
    [ -d "$work/locale/ru_RU.UTF-8" ] || { echo "FAIL: localedef ru_RU.UTF-8" >&2; exit 1; }
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
    source "$here/../../tools/xvfb.sh"
    velmorand_start_xvfb 1024x768 "$work"
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

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# A window manager, as on a pupil's desktop: it places the window and names the active one,
# which newer Orca asks for when it turns a place in a window into one on the screen for its
# review click. Openbox says it is ready by running the command given to --startup.
openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "$work/wm-ready" ] && break; sleep 0.1; done
[ -e "$work/wm-ready" ] || fail "the window manager did not start: $(cat "$work/openbox.log")"
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
    >"$work/speechd.log" 2>&1 &
pids+=($!)
# A browser that only writes down what it was asked to open; the desktop's own handlers are
# hidden so that xdg-open falls back to $BROWSER.
mkdir -p "$work/xdg"
printf '#!/bin/sh\necho "$1" >>"%s/opened"\n' "$work" >"$work/browser"
chmod +x "$work/browser"
touch "$work/opened"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 BROWSER="$work/browser" XDG_DATA_HOME="$work/xdg" \
    XDG_DATA_DIRS="$work/xdg" XDG_CONFIG_HOME="$work/xdg" XDG_CONFIG_DIRS="$work/xdg" \
    XDG_CURRENT_DESKTOP= "$program" 2>"$work/program.log" &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --class velmorand | head -n 1)
[ -n "$window" ] || fail "the window did not appear"
# The window manager gives a new window the focus; Orca, started then, says where it is.
xdotool windowfocus --sync "$window"
spoken="$work/spoken.txt"
echo "### Orca starts with the window in the focus" >"$spoken"
heard=1 # lines of $spoken already matched
orca --disable braille --disable main-window --disable splash-window \
    --user-prefs "$XDG_CONFIG_HOME/orca" --debug-file="$work/orca-debug.txt" \
    >"$work/orca.log" 2>&1 &
pids+=($!)

# hear PATTERN: waits until Orca has said a line matching PATTERN (grep -E) after what was
# heard so far.
hear() {
    local deadline=$((SECONDS + 15)) line
    while ((SECONDS < deadline)); do
        line=$(tail -n +$((heard + 1)) "$spoken" | grep -n -E -m 1 -- "$1" | cut -d: -f1 || true)
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
# opened COUNT: waits until the browser was asked for COUNT pages.
opened() {
    local deadline=$((SECONDS + 15))
    while ((SECONDS < deadline)); do
        [ "$(wc -l <"$work/opened")" -ge "$1" ] && return 0
        sleep 0.1
    done
    fail "the browser was not asked for page $1"
}
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

hear "Чтение с экрана включено"
hear "^Деление в столбик для 3 и 4 классов\. Разработка, команда Velmorand\..* рамка"
hear_field "Делимое" "234567"

step "Orca reads the title"
keys Insert+KP_Enter
hear "^Деление в столбик для 3 и 4 классов\. Разработка, команда Velmorand\."

step "Flat review of the message line and of the result's label"
keys Insert+KP_Page_Up
hear "Run Clear Exit Load"
keys KP_Home
hear "^Сообщения$"
keys Insert+KP_Home
hear "Velmorand"
for _ in $(seq 4); do keys KP_Page_Up; done
hear "Результат, целое"

step "Tab to Run, and Run"
keys Tab
hear_button Run
keys space
# speech-dispatcher puts a space before the decimal comma.
hear "Частное 16754, остаток 11 из 14, дробная часть 0 ?,785714285714286"
keys shift+Tab
hear_field "Делимое" "234567"

step "Typing a seventh digit hides Run"
keys End 8
hear "Разрядов делимого больше 6"
step "Typing 861"
keys ctrl+a 8 6 1
hear "Разрядов делимого  3"

step "Shift+Tab back to the divisor"
for _ in $(seq 8); do keys shift+Tab; done
hear_field "Делитель" "14"
step "Typing 7"
keys ctrl+a 7
hear "Разрядов делителя  1"

step "Tab to Run"
for _ in $(seq 9); do keys Tab; done
hear_button Run
step "Run"
keys space
hear "Частное 123, остаток 0"

step "Shift+Tab from Run reaches the dividend, then the whole quotient"
keys shift+Tab
hear_field "Делимое" "861"
for _ in $(seq 7); do keys shift+Tab; done
hear_field "Результат, целое" " 123"

step "A divisor of 0, and Run"
keys shift+Tab
hear_field "Делитель" "7"
keys ctrl+a 0
for _ in $(seq 9); do keys Tab; done
hear_button Run
keys space
hear "На ноль делить нельзя"

step "Tab to Clear"
for _ in $(seq 10); do keys Tab; done
hear_button Clear
step "Clear"
keys space
hear "^Делимое текст"

step "Flat review from the bottom line up to the links, and a click on each"
keys Insert+KP_Page_Up
hear "Run Clear Exit Load"
keys KP_Home
hear "Разрядов делителя  0"
keys KP_Home
hear "Игры из бумаги Английский язык"
# Each link is one item of the review, said by its name and, asked what it is, as a link.
# The review click opens its page, and only once: the pages asked for are compared after
# Orca has answered once more.
keys KP_Right
hear "^Игры из бумаги\.?$"
keys Insert+KP_Begin
hear "^Игры из бумаги ссылка"
keys KP_Divide
opened 1
keys KP_Right
hear "^Английский язык\.?$"
keys Insert+KP_Begin
hear "^Английский язык ссылка"
keys KP_Divide
opened 2
keys KP_Up
hear "Игры из бумаги Английский язык"
[ "$(cat "$work/opened")" = "http://paper-games.example/page.htm
http://english.example/" ] || fail "links opened: $(cat "$work/opened")"

# Orca names these signs aloud; the program's own texts have none of them.
if grep -n -E "двоеточие|дефис|круглая|скобка" "$spoken"; then
    fail "punctuation read aloud"
fi
echo "Orca's speech is in $spoken"
