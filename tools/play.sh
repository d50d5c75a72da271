#!/bin/sh
# Sets everything up, builds the game and starts it on the bundled puzzles.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF -DFLINTORA_BENCHMARKS=OFF
cmake --build build --target flintora
exec build/bin/flintora
