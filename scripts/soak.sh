#!/usr/bin/env bash
# Runs the link soak for the given number of minutes (default 30): the program as a child process
# and the program in-process, each against its own simulated board with faults, side by side and
# niced. The second argument picks the build: release (default, memory figures without the
# sanitizers' bookkeeping) or test (AddressSanitizer + UndefinedBehaviorSanitizer).
# Figures go to the output and to build/<preset>/soak/*.log. Under the sanitizers every process
# keeps a small quarantine of freed memory, so that resident memory over a long run shows growth
# rather than the quarantine filling up.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-30}
preset=${2:-release}
case "$preset" in release | test) ;; *) echo "usage: $0 [MINUTES] [release|test]" >&2; exit 2 ;; esac
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" --target talix talix-sim test_soak_gui
bin=$PWD/build/$preset/bin
out=$PWD/build/$preset/soak
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TALIX_LOOPBACK_ONLY=1 TALIX_BIN_DIR="$bin" \
    TALIX_SOURCE_DIR="$PWD" TALIX_SOAK_SECONDS=$((minutes * 60)) \
    LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:quarantine_size_mb=8:thread_local_quarantine_size_kb=256 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The program raises its threads' priority where it may; on a shared machine a run as root must
# not take the processor from everything else, so it runs without that capability.
keep_nice=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    keep_nice=(setpriv --bounding-set -sys_nice)
fi
pids=()
for suite in ProgramSoak CommandSoak; do
    nice -n 10 "${keep_nice[@]}" "$bin/test_soak_gui" --gtest_filter="$suite.*" >"$out/$suite.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for suite in ProgramSoak CommandSoak; do
    echo "== $suite"
    grep -E '^soak|Failure|FAILED|PASSED|error' "$out/$suite.log" || true
done
exit $status
