#!/usr/bin/env bash
# Installs what is missing, builds Zefra and runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/compila.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
