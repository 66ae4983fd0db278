#!/usr/bin/env bash
# Reads velmorand.exe back: its version record, its icon group, and what it imports. The
# program must start on Windows 7 SP1: it may import only Windows' own DLLs, and none of the
# functions that came after Windows 7 (those it needs are looked up when it runs). Every
# version it shows is the one the build was configured with.
# Usage: check_exe.sh PATH/velmorand.exe VERSION
set -euo pipefail
exe=$1
version=$2
quad=$(awk -F. '{ printf "%d.%d.0.0", $1, $2 }' <<<"$version") # 1.00 is 1.0.0.0 to Windows
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The version record, as UTF-16 strings in the .exe.
wrestool --extract --type=version --raw "$exe" >"$work/version"
record=$(iconv -c -f UTF-16LE -t UTF-8 "$work/version" | tr -s '\0' '\n')
for pair in "ProductName Project1" "FileVersion $version" "ProductVersion $version" \
    "InternalName velmorand" "OriginalFilename velmorand.exe"; do
    read -r key value <<<"$pair"
    grep -A1 "$key\$" <<<"$record" | tail -n 1 | grep -qx "$value" || fail "version record: $key is not $value"
done
grep -q "Деление в столбик для 3-4 классов" <<<"$record" || fail "the description lost its Cyrillic"
# The record's numbers: the fixed part's file and product versions, two 32-bit words each,
# after the signature 0xFEEF04BD and the structure's version.
numbers=$(od -An -v -tx1 "$work/version" | tr -d ' \n' | grep -o 'bd04effe.\{40\}' | head -n 1)
word() { echo $((16#${numbers:$1+2:2}${numbers:$1:2})); }
for at in 16 32; do # FILEVERSION, then PRODUCTVERSION: the high and low words of two DWORDs
    [ "$(word $((at + 4))).$(word "$at").$(word $((at + 12))).$(word $((at + 8)))" = "$quad" ] ||
        fail "the version record's numbers are not $quad"
done
caption=$(strings -n 6 "$exe" | grep -o 'Velmorand\. Ver .*' | sort -u)
[ "$caption" = "Velmorand. Ver $version" ] || fail "the caption ends: $caption"

# The icon group: three images.
wrestool --extract --type=group_icon "$exe" >"$work/icon.ico"
images=$(icotool --list "$work/icon.ico" | wc -l)
[ "$images" -eq 3 ] || fail "the icon group has $images images, not 3"

# The manifest: common controls 6 and per-monitor DPI awareness.
wrestool --extract --type=24 --raw "$exe" >"$work/manifest"
grep -q "Microsoft.Windows.Common-Controls" "$work/manifest" || fail "no common controls 6"
grep -q "PerMonitorV2" "$work/manifest" || fail "not aware of each monitor's DPI"
grep -q "name=\"Velmorand.Velmorand\" version=\"$quad\"" "$work/manifest" ||
    fail "the manifest's version is not $quad"

# Imports: Windows' own DLLs only, then no function newer than Windows 7.
objdump=x86_64-w64-mingw32-objdump
"$objdump" -p "$exe" >"$work/headers"
dlls=$(awk '/DLL Name:/ { print tolower($3) }' "$work/headers" | sort -u | tr '\n' ' ')
[ "$dlls" = "gdi32.dll kernel32.dll msvcrt.dll user32.dll " ] ||
    fail "imports from: $dlls"
functions=$(awk '/DLL Name:/ { dll = 1 } dll && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }' "$work/headers")
for newer in GetDpiForWindow GetDpiForSystem AdjustWindowRectExForDpi SystemParametersInfoForDpi \
    GetSystemMetricsForDpi SetProcessDpiAwarenessContext SetThreadDpiAwarenessContext \
    EnableNonClientDpiScaling GetDpiForMonitor SetProcessDpiAwareness \
    GetSystemTimePreciseAsFileTime SetThreadDescription GetThreadDescription CreateFile2 \
    WaitOnAddress WakeByAddressSingle WakeByAddressAll GetCurrentThreadStackLimits; do
    grep -qx "$newer" <<<"$functions" && fail "imports $newer, which Windows 7 lacks"
done
# The shell, the common controls, Active Accessibility and UI Automation are loaded when first
# needed, their functions looked up.
for function in ShellExecuteA InitCommonControlsEx CreateStdAccessibleObject LresultFromObject \
    UiaRaiseNotificationEvent; do
    grep -qa "$function" "$exe" || fail "never looks up $function"
done
echo "velmorand.exe: version record, icon group, manifest and imports checked"
