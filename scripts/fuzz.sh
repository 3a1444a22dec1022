#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a while (60 s unless
# FUZZ_SEGUNDOS says otherwise) from its seed corpus. An input that makes a target fail is left
# in build-fuzz/hallazgos/; keep it in fuzz/regresiones/<target>/ so the tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${FUZZ_SEGUNDOS:-60}
cmake -S . -B build-fuzz -DZEFRA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz -j "$(nproc)"
mkdir -p build-fuzz/hallazgos
for objetivo in $(ls fuzz/corpus); do
    trabajo=build-fuzz/corpus/$objetivo
    mkdir -p "$trabajo"
    cp -n fuzz/corpus/"$objetivo"/* fuzz/regresiones/"$objetivo"/* "$trabajo"/ 2>/dev/null || true
    echo "fuzz_$objetivo: $segundos s"
    ./build-fuzz/fuzz/fuzz_"$objetivo" -max_total_time="$segundos" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/hallazgos/"$objetivo"- "$trabajo" 2>&1 | tail -n 12
done
