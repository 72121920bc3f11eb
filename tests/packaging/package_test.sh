#!/bin/sh
# Builds the Debian package from a build tree, checks its file list and dependencies, unpacks it
# into a scratch root and runs what it installed there: --help of both programs, the manual pages
# against the options the programs print, and the kiosk start with and without a start script
# naming an updated program.
#   package_test.sh BUILD_DIR
set -u
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$scratch"/out/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat "$scratch/cpack.log"; echo "FAIL: no package"; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$scratch/files"
for file in /usr/bin/talix /usr/bin/talix-sim /usr/bin/talix-kiosk \
    /usr/share/applications/talix.desktop /usr/share/icons/hicolor/scalable/apps/talix.svg \
    /usr/share/man/man1/talix.1.gz /usr/share/man/man1/talix-sim.1.gz \
    /usr/share/man/man1/talix-kiosk.1.gz /usr/lib/systemd/system/talix-kiosk@.service \
    /usr/share/doc/talix/copyright /usr/share/doc/talix/changelog.gz \
    /usr/share/metainfo/org.talix_radio.talix.metainfo.xml; do
    grep -qx "$file" "$scratch/files" || fail "the package lacks $file"
done
# Nothing of the build or the tests goes into the package.
if grep -E '\.(a|h|cpp)$|/test_|/bench|talix-screenshot|talix-manpage' "$scratch/files"; then
    fail "the package holds build or test files"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6multimedia6 libc6 fonts-liberation2; do
    echo "$depends" | grep -q "$library" || fail "Depends lacks $library: $depends"
done

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
"$root/usr/bin/talix" --help | grep -q -- "--board" || fail "the installed talix --help"
"$root/usr/bin/talix-sim" --help | grep -q -- "--listen" || fail "the installed talix-sim --help"
# Each manual page lists every option that its program's --help prints; the kiosk start passes
# every option on to talix, so its page lists talix's.
for pair in talix:talix talix-sim:talix-sim talix-kiosk:talix; do
    page="$root/usr/share/man/man1/${pair%%:*}.1.gz"
    program="$root/usr/bin/${pair#*:}"
    LC_ALL=C MANWIDTH=200 man --warnings -l "$page" >"$scratch/page" 2>"$scratch/page-errors" ||
        fail "man cannot show $page"
    [ ! -s "$scratch/page-errors" ] || fail "$page: $(cat "$scratch/page-errors")"
    options=$("$program" --help | sed -n 's/^  \(--[a-z-]*\).*/\1/p')
    [ -n "$options" ] || fail "$program --help lists no options"
    for option in $options; do
        grep -Eq "^ +$option( |\$)" "$scratch/page" || fail "${pair%%:*}(1) lacks $option"
    done
done
# The changelog, the metainfo's newest release and the package are of one version.
version=$(dpkg-deb -f "$deb" Version)
zcat "$root/usr/share/doc/talix/changelog.gz" | head -n 1 | grep -q "^talix ($version) " ||
    fail "the changelog does not start with version $version"
metainfo="$root/usr/share/metainfo/org.talix_radio.talix.metainfo.xml"
grep -m 1 '<release ' "$metainfo" | grep -q "version=\"$version\"" ||
    fail "the metainfo's newest release is not $version"
# The metainfo shows the screenshots the package installs, by their file names.
sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo" | sort >"$scratch/shown"
ls "$root/usr/share/talix/screenshots" | sort >"$scratch/installed"
[ -s "$scratch/installed" ] || fail "the package holds no screenshots"
cmp -s "$scratch/shown" "$scratch/installed" ||
    fail "screenshots shown and installed differ: $(diff "$scratch/shown" "$scratch/installed")"
grep -q '^Exec=talix ' "$root/usr/share/applications/talix.desktop" || fail "the desktop entry"

# The kiosk start runs what the start script names, and the installed program without one.
drive="$scratch/c"
mkdir -p "$drive/TALIX"
printf '#!/bin/sh\necho "updated program $*"\n' >"$drive/TALIX/TALIX7.EXE"
chmod +x "$drive/TALIX/TALIX7.EXE"
printf 'start C:\\TALIX\\TALIX7.EXE\r\nexplorer\r\n' >"$drive/TALIX/Start.bat"
out=$("$root/usr/bin/talix-kiosk" --drive "C=$drive" --version 2>&1)
[ "$out" = "updated program --drive C=$drive --version" ] || fail "kiosk with a start script: $out"
rm "$drive/TALIX/Start.bat"
out=$("$root/usr/bin/talix-kiosk" --drive "C=$drive" --version 2>&1)
echo "$out" | grep -q "^talix [0-9]" || fail "kiosk without a start script: $out"
printf '#!/nonexistent/interpreter\n' >"$drive/TALIX/TALIX7.EXE"
printf 'start C:\\TALIX\\TALIX7.EXE\r\n' >"$drive/TALIX/Start.bat"
out=$("$root/usr/bin/talix-kiosk" --drive "C=$drive" --version 2>&1)
echo "$out" | grep -q "^talix [0-9]" || fail "kiosk with an update that cannot run: $out"
printf 'start C:\\TALIX\\MISSING.EXE\r\n' >"$drive/TALIX/Start.bat"
out=$("$root/usr/bin/talix-kiosk" --drive "C=$drive" --version 2>&1)
echo "$out" | grep -q "^talix [0-9]" || fail "kiosk with a missing program: $out"

[ $failures -eq 0 ] && echo "PASSED: package" || exit 1
