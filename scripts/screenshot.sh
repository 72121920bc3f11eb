#!/usr/bin/env bash
# Renders the program running against the built-in simulated board on Qt's offscreen platform.
# Without arguments it renders the main window and every form the board shows, touched open as a
# user would, into docs/ (the README's pictures). With arguments, one picture: the file, then
# options for talix-screenshot (--press TEXT, --double-tap NAME, --answer TEXT, --frames N) and
# the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target talix-screenshot
export QT_QPA_PLATFORM=offscreen
export TALIX_LOOPBACK_ONLY=1
# Pin the number format so that the pictures do not depend on the machine's locale.
export LC_ALL=C.UTF-8
shot() {
    local out="$1"
    shift
    mkdir -p "$(dirname "$out")"
    build/release/bin/talix-screenshot --out "$out" --demo --audio null "$@"
}
if [ $# -gt 0 ]; then
    shot "$@"
    exit
fi
shot docs/main-window.png
shot docs/setup-form.png --press Setup
shot docs/system-form.png --press System
shot docs/microphone-form.png --press Microphone
shot docs/wifi-form.png --press WiFi
shot docs/memory-form.png --press Mem/Direct
shot docs/dab-list.png --frames 1200 --press Mem/Direct --press "Discover DAB"
shot docs/recorder-form.png --press Recorder
shot docs/rotator-form.png --press KAP
shot docs/undo-form.png --press 0
shot docs/modulation-list.png --double-tap EDemod
shot docs/steps-list.png --double-tap EStepsRX
shot docs/bandwidth-list.png --double-tap EDemod --answer FM-N --double-tap EBW
shot docs/off-question.png --press OFF
stick=$(mktemp -d)
trap 'rm -rf "$stick"' EXIT
head -c 20000 /dev/zero >"$stick/TALIX5.QFM"
shot docs/update-form.png --drive "D=$stick" --press Setup --press "Software Update" \
    --press "Nimbrel Firmware"
