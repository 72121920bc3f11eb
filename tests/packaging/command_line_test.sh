#!/bin/sh
# talix and talix-sim answer --help and --version without a display, and refuse a bad option with
# one line on stderr and exit status 2.
#   command_line_test.sh BIN_DIR
set -u
bin="$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
for program in talix talix-sim; do
    out=$("$bin/$program" --help 2>/tmp/cl-err.$$); status=$?
    [ $status -eq 0 ] || fail "$program --help exits $status: $(cat /tmp/cl-err.$$)"
    echo "$out" | grep -q -- "--help" || fail "$program --help does not list --help"
    out=$("$bin/$program" --version 2>&1); status=$?
    [ $status -eq 0 ] || fail "$program --version exits $status"
    echo "$out" | grep -q "^$program [0-9]" || fail "$program --version prints '$out'"
    for bad in --frobnicate "--listen nowhere:x" "--board 999.1.1.1:0" "--scale 0.1"; do
        # Only the option that belongs to the program is tried on it.
        case "$program:$bad" in talix:--listen* | talix-sim:--board* | talix-sim:--scale*) continue ;; esac
        # shellcheck disable=SC2086
        "$bin/$program" $bad >/tmp/cl-out.$$ 2>/tmp/cl-err.$$; status=$?
        [ $status -eq 2 ] || fail "$program $bad exits $status"
        [ ! -s /tmp/cl-out.$$ ] || fail "$program $bad writes to stdout"
        lines=$(wc -l </tmp/cl-err.$$)
        [ "$lines" -eq 1 ] || fail "$program $bad prints $lines lines: $(cat /tmp/cl-err.$$)"
        grep -q "^$program: " /tmp/cl-err.$$ || fail "$program $bad: $(cat /tmp/cl-err.$$)"
    done
done
# Qt's own options are Qt's, in any spelling.
for qt in "-platform offscreen" "--platform offscreen" "-style=fusion" "-reverse"; do
    # shellcheck disable=SC2086
    "$bin/talix" $qt --version >/dev/null 2>&1 || fail "talix $qt --version"
done
rm -f /tmp/cl-out.$$ /tmp/cl-err.$$
[ $failures -eq 0 ] && echo "PASSED: command line" || exit 1
