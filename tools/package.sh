#!/bin/sh
# Builds the Debian package from a Release build: build-deb/flintora_*.deb.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DFLINTORA_BENCHMARKS=OFF
cmake --build build-deb
(cd build-deb && cpack -G DEB)
ls build-deb/flintora_*.deb
