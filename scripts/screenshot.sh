#!/usr/bin/env bash
# Renders the main window running against the built-in simulated board on Qt's offscreen platform
# and saves it as docs/main-window.png (or the file given as the first argument). Extra arguments
# go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/main-window.png}"
shift || true
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target talix-screenshot
mkdir -p "$(dirname "$out")"
export QT_QPA_PLATFORM=offscreen
export TALIX_LOOPBACK_ONLY=1
# Pin the number format so that the picture does not depend on the machine's locale.
export LC_ALL=C.UTF-8
exec build/release/bin/talix-screenshot --out "$out" --demo --audio null "$@"
