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
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
