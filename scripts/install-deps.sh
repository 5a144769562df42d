#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Tomaro needs, if any are missing.
set -euo pipefail

packages=(
    g++ cmake make libgtest-dev libbenchmark-dev  # build and unit tests
    qt6-base-dev qt6-qpa-plugins libxcb1-dev fonts-ipafont-gothic  # the window, its font, its keyboard
    xvfb xauth xdotool imagemagick python3-xlib  # the window's smoke test and benchmark
    desktop-file-utils appstream dpkg-dev  # checks of the desktop files and the package
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These Debian packages are missing and neither root nor sudo is available to install them: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
