#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only when missing.
set -euo pipefail
packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    pulseaudio pulseaudio-utils libpulse-dev
    fonts-liberation2 fonts-dejavu-core
    clang-14 libclang-rt-14-dev
    xvfb xauth
    dpkg-dev file
    lintian appstream desktop-file-utils
    libhamlib-utils # Hamlib's own rigctl, the client the control port is tested with
)
# One query for all of them, so that a run on a complete machine costs no time.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
    awk '/ install ok installed$/ { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
    grep -qx -- "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
