#!/usr/bin/env bash
# Installs the Debian packages Zefra needs to build, run and test, if any is missing.
set -euo pipefail

paquetes=(
    build-essential   # g++ and make
    cmake
    qt6-base-dev      # Qt 6 Widgets and Qt Test
    qt6-charts-dev    # Qt Charts: the charts of π(x), the powers in Zn, a Diophantine line, φ
    qt6-svg-dev       # Qt SVG: a chart saved as SVG
    libgtest-dev      # GoogleTest
    qt6-translations-l10n  # Qt's own dialog texts in Spanish
    fonts-dejavu-core fonts-dejavu-extra  # the fonts the windows are laid out with
    clang libclang-rt-dev  # libFuzzer, for the fuzz targets
    clang-format      # the sources keep .clang-format
    poppler-utils     # pdftotext and pdftoppm: the tests read back and render exported PDFs
    lintian desktop-file-utils appstream  # Debian's checks of the package and its metadata
)

faltan=()
for paquete in "${paquetes[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q "install ok installed"; then
        faltan+=("$paquete")
    fi
done
[ ${#faltan[@]} -eq 0 ] && exit 0

como_root=()
[ "$(id -u)" -ne 0 ] && como_root=(sudo)
echo "Instalando: ${faltan[*]}"
"${como_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${como_root[@]}" apt-get install -y -qq "${faltan[@]}"
