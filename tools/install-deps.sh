#!/bin/sh
# Installs what building, playing, testing and packaging need on Debian 12.
set -eu
SUDO=
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config \
    qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev \
    libgtest-dev libbenchmark-dev \
    fonts-comic-neue fonts-dejavu-core \
    desktop-file-utils appstream \
    dpkg-dev lintian \
    weston xvfb xdotool
