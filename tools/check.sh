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

# Each fuzzer runs 30 s on a scratch copy of its seed corpus; any finding
# makes it exit non-zero.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DFLINTORA_FUZZ=ON \
    -DFLINTORA_STORAGE_ONLY=ON -DFLINTORA_BENCHMARKS=OFF -DBUILD_TESTING=OFF
cmake --build build-fuzz
for fuzzer in profile record; do
    work="build-fuzz/corpus-$fuzzer"
    rm -rf "$work" && cp -r "fuzz/corpus/$fuzzer" "$work"
    target=$(printf '%s' "$fuzzer" | sed 's/^./\U&/')Fuzzer
    "build-fuzz/bin/$target" -max_total_time=30 -artifact_prefix=build-fuzz/ "$work"
done
