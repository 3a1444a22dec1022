#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Equipo de Zefra
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package from a Release build in build-deb/, with Debian's hardening flags,
# and checks it with Debian's own tools: the desktop entry with desktop-file-validate, the
# AppStream metadata with appstreamcli, the package with lintian (any error or warning fails),
# and the packaged program must start. Leaves build-deb/zefra_<versión>_<arquitectura>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/dependencias.sh

desktop-file-validate data/zefra.desktop
appstreamcli validate --no-net data/*.metainfo.xml

# Debian's flags for packages: fortified functions, stack protector, read-only relocations.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DZEFRA_TESTS=OFF -DZEFRA_HERRAMIENTAS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
cmake --build build-deb -j "$(nproc)"
rm -f build-deb/zefra_*.deb
(cd build-deb && cpack -G DEB)
paquete=$(ls build-deb/zefra_*.deb)

lintian --fail-on error,warning --display-info "$paquete"

# The packaged program, unpacked, must start and keep running until it is stopped.
raiz=build-deb/raiz
rm -rf "$raiz"
dpkg-deb -x "$paquete" "$raiz"
estado=0
QT_QPA_PLATFORM=offscreen timeout 5 "$raiz"/usr/bin/zefra || estado=$?
if [ "$estado" -ne 124 ]; then
    echo "El zefra empaquetado terminó con el código $estado en lugar de seguir abierto" >&2
    exit 1
fi
echo "Paquete correcto: $paquete"
