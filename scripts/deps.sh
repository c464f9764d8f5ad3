#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build, run and test dependencies is missing.
# Needs root (or sudo) when something is missing; does nothing otherwise.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libjpeg62-turbo-dev
    fonts-ipafont-gothic
    googletest libgtest-dev libbenchmark-dev
    xvfb xauth x11-utils imagemagick dbus
    clang-format clang-tidy cppcheck git
    openbox xdotool wmctrl at-spi2-core python3-pyatspi desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
