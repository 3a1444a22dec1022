#!/usr/bin/env bash
# Installs what is missing, checks the format of the sources, builds Zefra and runs every test
# without a display: once in the normal build, once in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the test; then builds the Debian package
# and checks it with Debian's tools, and runs each fuzzer for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/dependencias.sh
./scripts/formato.sh
./scripts/compila.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j "$(nproc)")

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEFRA_SANITIZERS=ON
cmake --build build-san -j "$(nproc)"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd build-san && ctest --output-on-failure -j "$(nproc)")

./scripts/paquete.sh

./scripts/fuzz.sh
