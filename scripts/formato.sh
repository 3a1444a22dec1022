#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipo de Zefra
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Fails when a C++ source differs from what clang-format makes of it with the project's
# .clang-format; `clang-format -i` on the files it names fixes them.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench tools fuzz -type f \( -name '*.cpp' -o -name '*.hpp' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
echo "Formato correcto"
