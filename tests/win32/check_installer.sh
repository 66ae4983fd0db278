#!/usr/bin/env bash
# Installs velmorand-VERSION-setup.exe silently under Wine, as a school's administrator would
# with /S, checks what it installed and registered, then uninstalls it silently and checks
# that nothing of it is left. Usage: check_installer.sh BUILD_DIR VERSION
set -euo pipefail
version=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh" "$1" installer
setup=$build/velmorand-$version-setup.exe
drive_c=$VELMORAND_WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Velmorand
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
shortcut="$menu/Деление в столбик.lnk"
practice="$menu/Тренажёр — деление в столбик.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmorand'
registered() { # the uninstaller's registry values, as text
    rm -f "$drive_c/uninstall.reg"
    "$wine" reg export "$key" 'C:\uninstall.reg' /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16LE -t UTF-8 "$drive_c/uninstall.reg" | tr -d '\r'
}

# The installer's own version record shows the version too.
wrestool --extract --type=version --raw "$setup" | iconv -c -f UTF-16LE -t UTF-8 | tr -s '\0' '\n' |
    grep -A1 'FileVersion$' | tail -n 1 | grep -qx "$version" || fail "the installer's FileVersion"
"$wine" "$setup" /S || fail "the installer failed"
wineserver -w
[ -f "$installed/velmorand.exe" ] || fail "no velmorand.exe in Program Files\\Velmorand"
cmp -s "$installed/velmorand.exe" "$build/velmorand.exe" || fail "installed a different .exe"
[ -f "$installed/LICENSE.txt" ] || fail "the licence was not installed"
[ -f "$shortcut" ] || fail "no Start-menu shortcut «Деление в столбик»"
[ -f "$practice" ] || fail "no Start-menu shortcut to the practice window"
# LINK TEXT: whether the shortcut holds the text, as shortcuts keep their arguments and
# description: in UTF-16.
holds() {
    python3 -c 'import sys; sys.exit(sys.argv[2].encode("utf-16-le") not in open(sys.argv[1], "rb").read())' "$1" "$2"
}
holds "$practice" /practice || fail "the practice shortcut does not start /practice"
holds "$practice" "Тренажёр: деление в столбик" ||
    fail "the practice shortcut is not described as «Тренажёр: деление в столбик»"
holds "$practice" velmorand.exe || fail "the practice shortcut does not run velmorand.exe"
! holds "$shortcut" /practice || fail "«Деление в столбик» opens the practice window"
values=$(registered)
for value in '"DisplayName"="Деление в столбик"' "\"DisplayVersion\"=\"$version\"" \
    '"Publisher"="Команда Velmorand"' \
    '"DisplayIcon"="C:\\Program Files\\Velmorand\\velmorand.exe,0"' \
    '"QuietUninstallString"="\"C:\\Program Files\\Velmorand\\uninstall.exe\" /S"'; do
    grep -qxF "$value" <<<"$values" || fail "the Uninstall key lacks $value: $values"
done
size=$(sed -n 's/^"EstimatedSize"=dword:\([0-9a-f]*\)$/\1/p' <<<"$values")
files=$(cat "$installed"/* | wc -c)
[ -n "$size" ] && [ $((16#$size)) -eq $((files / 1024)) ] ||
    fail "EstimatedSize is 0x$size KiB for $files bytes of files"

"$wine" 'C:\Program Files\Velmorand\uninstall.exe' /S || fail "the uninstaller failed"
wineserver -w # it copies itself to %TEMP% and returns at once
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
[ ! -e "$practice" ] || fail "the uninstaller left the practice shortcut"
[ -z "$(registered)" ] || fail "the uninstaller left the Uninstall key"
echo "Installer checked: silent install, both shortcuts, Uninstall key, silent uninstall"
