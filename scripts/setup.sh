#!/usr/bin/env bash
# Installs whatever the game, its tests and the scripts need on Debian 12
# (make_pictures.sh's rsvg-convert and package.sh's git among them), then
# builds.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake ninja-build qt6-base-dev libfontconfig-dev libbenchmark-dev fonts-liberation2 fonts-wqy-microhei clang libclang-rt-14-dev
    xvfb xauth openbox xdotool imagemagick x11-utils
    desktop-file-utils appstream man-db groff-base debhelper dpkg-dev lintian git e2fsprogs
    librsvg2-bin qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

cmake --preset default
cmake --build --preset default
