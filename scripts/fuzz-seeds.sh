#!/usr/bin/env bash
# Adds to the checked-in seed corpora fuzz/corpus/<name> from the simulated board's traffic
# (in-process, loopback only): captures SECONDS of operation (default 6), then keeps the captured
# inputs that add coverage to the seeds already there (libFuzzer's -merge=1). Seeds already
# checked in (hand-made ones, the inputs of past findings) all stay.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-6}
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
TALIX_LOOPBACK_ONLY=1 build/fuzz/bin/capture_seeds "$work/captured" "$seconds"
for name in frame_reader frame_dispatcher; do
    mkdir -p "$work/merged/$name"
    cp -r "fuzz/corpus/$name/." "$work/merged/$name/" 2>/dev/null || true
    ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen TALIX_LOOPBACK_ONLY=1 \
        "build/fuzz/bin/${name}_fuzz" -merge=1 "$work/merged/$name" "$work/captured/$name" \
        2>"$work/$name.log" || { tail -20 "$work/$name.log"; exit 1; }
    rm -rf "fuzz/corpus/$name"
    mkdir -p "fuzz/corpus/$name"
    cp "$work/merged/$name"/* "fuzz/corpus/$name/"
    echo "$name: $(ls "fuzz/corpus/$name" | wc -l) files, $(du -sk "fuzz/corpus/$name" | cut -f1) KiB"
done
