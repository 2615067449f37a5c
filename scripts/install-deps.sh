#!/usr/bin/env bash
# Installs the Debian 12 packages Orlenta needs to build, run and test, when any is missing.
# With "fuzz", also what the fuzz targets need: clang and its libFuzzer runtime.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang-format git
    qt6-base-dev qt6-translations-l10n libgl-dev libx11-dev libxext-dev libjpeg-dev libicu-dev libnova-dev libbenchmark-dev
    fonts-liberation fonts-urw-base35 fonts-dejavu-core
    xvfb xauth xdotool x11-utils xclip imagemagick xdg-utils xcompmgr
    qt6-wayland sway wtype grim jq weston
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev lintian poppler-utils
)
[ "${1:-}" = fuzz ] && packages+=(clang libclang-rt-14-dev)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
