#!/bin/sh
# Debian's and the software centres' own checkers on a release package: lintian on the package,
# appstreamcli on its unpacked tree (without the network: the screenshots' web addresses are not
# fetched) and desktop-file-validate on its desktop entry. Any error or warning fails; lintian's
# informational tags are shown.
#   lint_package.sh PACKAGE.deb
set -u
deb="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" ||
    fail "lintian on $(basename "$deb")"

dpkg-deb -x "$deb" "$scratch/root"
appstreamcli validate-tree --no-net --explain "$scratch/root" >"$scratch/appstream" 2>&1 ||
    fail "appstreamcli validate-tree"
grep -E '^ *(E|W):' "$scratch/appstream" && fail "appstreamcli reports errors or warnings"
cat "$scratch/appstream"

desktop-file-validate "$scratch/root/usr/share/applications/talix.desktop" >"$scratch/desktop" 2>&1 ||
    fail "desktop-file-validate"
[ ! -s "$scratch/desktop" ] && echo "desktop-file-validate: no remarks" ||
    fail "desktop-file-validate: $(cat "$scratch/desktop")"

[ $failures -eq 0 ] && echo "PASSED: lintian, appstreamcli and desktop-file-validate" || exit 1
