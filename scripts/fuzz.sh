#!/usr/bin/env bash
# Builds the libFuzzer programs (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs each
# for the given number of seconds (default 60), starting from its checked-in seed corpus. New inputs
# go to build/fuzz/corpus/<name>; crashes to build/fuzz/crashes/<name>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in build/fuzz/bin/*_fuzz; do targets+=("$(basename "$f" _fuzz)"); done
fi
for name in "${targets[@]}"; do
    work=build/fuzz/corpus/$name
    crashes=build/fuzz/crashes/$name
    mkdir -p "$work" "$crashes"
    echo "== $name for ${seconds}s"
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen TALIX_LOOPBACK_ONLY=1 \
        "build/fuzz/bin/${name}_fuzz" -max_total_time="$seconds" -artifact_prefix="$crashes/" \
        -print_final_stats=1 "$work" "fuzz/corpus/$name"
done
