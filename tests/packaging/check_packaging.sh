#!/usr/bin/env bash
# Installs the built program into a scratch prefix and validates what a desktop reads, then
# builds the Debian package into BUILD_DIR/package and checks its contents and dependencies.
# Usage: check_packaging.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
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
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
for size in 16 22 32 48 64; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon"
done
file "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q SVG || fail "no SVG icon"

(cd "$build" && cpack -G DEB -B "$build/package" >/dev/null)
deb=$build/package/velmorand_1.00-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb"
contents=$(dpkg-deb --contents "$deb")
for path in bin/velmorand share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/48x48/apps/$app_id.png share/icons/hicolor/scalable/apps/$app_id.svg \
    share/man/man1/velmorand.1.gz share/doc/velmorand/copyright \
    share/doc/velmorand/changelog.Debian.gz; do
    grep -q "\./usr/$path\$" <<<"$contents" || fail "the package lacks /usr/$path"
done
[ "$(dpkg-deb --field "$deb" Version)" = "1.00-1" ] || fail "wrong version"
depends=$(dpkg-deb --field "$deb" Depends)
for package in fonts-liberation2 libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
grep -q '\bxdg-utils\b' <<<"$recommends" || fail "Recommends lacks xdg-utils: $recommends"
# Debian's own checker: no errors and no warnings.
lintian --fail-on error,warning "$deb" ||
    fail "lintian found problems in $deb"
echo "Installation and package checked: $deb"
