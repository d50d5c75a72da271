#!/bin/sh
# Builds the benchmarks optimised and runs every one of them, or only those
# whose names are given (for example: tools/bench.sh bench_storage).
set -eu
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DFLINTORA_BENCHMARKS=ON
cmake --build build-bench
if [ "$#" -eq 0 ]; then
    set -- $(cd build-bench/bin && ls bench_*)
fi
for program in "$@"; do
    echo "== $program"
    "build-bench/bin/$program"
done
