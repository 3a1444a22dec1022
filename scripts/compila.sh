#!/usr/bin/env bash
# Installs what is missing and builds Zefra, its tests and its benchmark into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/dependencias.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
