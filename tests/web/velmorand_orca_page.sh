#!/usr/bin/env bash
# velmorand.html in Chromium under the real Orca screen reader, driven from the keyboard as a
# blind pupil would: Run on the sum the page starts with, then Run again on the same sum,
# which must be heard again; orca_session.sh catches what Orca says in WORK_DIR/spoken.txt.
# Usage: velmorand_orca_page.sh PAGE WORK_DIR
set -euo pipefail
page=$(realpath "$1")
source "$(dirname "$0")/../e2e/orca_session.sh"
orca_session "$0" "$2" 1024x768 "$@"
mkdir -p "$work/page" "$work/profile"
cp "$page" "$work/page/"
ACCESSIBILITY_ENABLED=1 chromium --test-type --no-sandbox --disable-gpu --no-first-run --disable-sync --disable-extensions \
    --disable-background-networking --disable-component-update --force-renderer-accessibility \
    --user-data-dir="$work/profile" --window-size=1024,768 --host-resolver-rules="MAP * ~NOTFOUND" \
    --app="file://$work/page/$(basename "$page")" >"$work/browser.log" 2>&1 &
pids+=($!)
orca_start chromium

hear "Чтение с экрана включено"

step "Run on the sum the page starts with"
# The page starts in the dividend; Shift+Tab and Tab bring the focus back to it after Orca
# started, and Tab goes on to Run.
keys shift+Tab Tab
hear "^Делимое"
keys Tab
hear "^Run"
keys Return
hear "^Частное [0-9]+"
first=$(sed -n "${heard}p" "$spoken")

step "Run again on the same sum"
keys Return
hear -F "$first"
echo "Orca said on the second Run: $first"
