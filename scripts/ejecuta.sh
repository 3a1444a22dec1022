#!/usr/bin/env bash
# Installs what is missing, builds Zefra and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/compila.sh
exec ./build/src/app/zefra
