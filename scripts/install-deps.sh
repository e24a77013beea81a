#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the program need.
# Quick when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libsdl2-mixer-dev timgm6mb-soundfont fluidsynth vorbis-tools libvorbis-dev libxcb-damage0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipaexfont-mincho fonts-ipaexfont-gothic
    xvfb xauth xdotool imagemagick poppler-utils
    jdupes
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
    [[ "$status" == ii* ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
