#!/bin/sh
# Sets everything up and runs every test: the full suite, the storage suite
# again under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzer.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

cmake -S . -B build -G Ninja
cmake --build build
(cd build && ctest --output-on-failure --no-tests=error -j2)

cmake -S . -B build-sanitize -G Ninja -DFLINTORA_SANITIZE=ON -DFLINTORA_STORAGE_ONLY=ON \
    -DFLINTORA_BENCHMARKS=OFF
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure --no-tests=error -j2)
