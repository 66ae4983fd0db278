#!/usr/bin/env bash
# Installs the built program into a scratch prefix and validates what a desktop reads, then
# builds the Debian package into BUILD_DIR/package and checks its contents and dependencies,
# and that everything in it shows the version the build was configured with.
# Usage: check_packaging.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
app_id=example.velmorand.Velmorand

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/velmorand" ] || fail "no bin/velmorand"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# The practice window has a menu entry of its own, under Education, that starts it.
practice_entry=$prefix/share/applications/$app_id.Practice.desktop
desktop-file-validate "$practice_entry"
entry_key() { sed -n "s/^$1=//p" "$practice_entry"; }
[ "$(entry_key Name)" = "Тренажёр: деление в столбик" ] ||
    fail "the practice entry is named '$(entry_key Name)'"
[ "$(entry_key Exec)" = "velmorand --practice" ] ||
    fail "the practice entry runs '$(entry_key Exec)'"
grep -q "^Categories=.*\bEducation;" "$practice_entry" || fail "the practice entry is not in Education"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
for size in 16 22 32 48 64; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon"
done
file "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q SVG || fail "no SVG icon"

(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb=$build/package/velmorand_$version-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
contents=$(dpkg-deb --contents "$deb")
for path in bin/velmorand share/applications/$app_id.desktop \
    share/applications/$app_id.Practice.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app_id.png share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man1/velmorand.1.gz share/doc/velmorand/copyright \
    share/doc/velmorand/changelog.Debian.gz; do
    grep -q "\./usr/$path\$" <<<"$contents" || fail "the package lacks /usr/$path"
done

# One version everywhere: the package, the caption in the program, the manual page, and the
# newest entries of the changelog and of the metainfo's releases, which are written by hand.
[ "$(dpkg-deb --field "$deb" Version)" = "$version-1" ] ||
    fail "the package's version is $(dpkg-deb --field "$deb" Version), not $version-1"
unpacked=$work/unpacked
dpkg-deb --extract "$deb" "$unpacked"
caption=$(strings -n 6 "$unpacked/usr/bin/velmorand" | grep -o 'Velmorand\. Ver .*' | sort -u)
[ "$caption" = "Velmorand. Ver $version" ] || fail "the caption in bin/velmorand ends: $caption"
zcat "$unpacked/usr/share/man/man1/velmorand.1.gz" | grep -q "^\.TH .* \"velmorand $version\"" ||
    fail "the manual page does not show velmorand $version"
zcat "$unpacked/usr/share/man/man1/velmorand.1.gz" | grep -q '^\.B \\-\\-practice$' ||
    fail "the manual page does not tell of --practice"
zcat "$unpacked/usr/share/man/man1/velmorand.1.gz" | grep -q '^\.B \\-\\-sheets$' ||
    fail "the manual page does not tell of --sheets"
zcat "$unpacked/usr/share/doc/velmorand/changelog.Debian.gz" | head -n 1 |
    grep -q "^velmorand ($version-1) " || fail "the changelog's newest entry is not $version-1"
newest=$(grep -o '<release version="[^"]*"' "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" |
    head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, not $version"
depends=$(dpkg-deb --field "$deb" Depends)
# The packages' names alone; Debian 13 renamed some libraries for its 64-bit time_t
# (libqt6core6 is libqt6core6t64 there).
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' | sed 's/t64$//')
for package in fonts-liberation2 libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
grep -q '\bxdg-utils\b' <<<"$recommends" || fail "Recommends lacks xdg-utils: $recommends"
# Debian's own checker: no errors and no warnings.
lintian --fail-on error,warning "$deb" ||
    fail "lintian found problems in $deb"
echo "Installation and package checked: $deb"
