#!/usr/bin/env bash
# Builds the 32-bit Windows program and runs it under Wine on the bundled demo game: a Wine
# prefix of its own (build/demo-prefix) in which the demo tree under demo/ is registered as the
# game's install directory. On a machine that cannot run 32-bit programs, or where 32-bit Wine
# cannot be installed, it runs the same program built for 64-bit Windows under 64-bit Wine
# (scripts/wine-select.sh). Installs what is missing first (Debian, as root or with sudo).
# Usage: scripts/run-demo.sh [Kestrivar arguments, e.g. /VEZIREZARADUD]
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)
scripts/bootstrap.sh windows
source scripts/wine-select.sh
preset=$KV_WINDOWS_PRESET
[ "$preset" = windows ] || echo "run-demo: $KV_WINDOWS_WHY; running the 64-bit build of Kestrivar"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Kestrivar

exe=build/$preset/Kestrivar.exe

export WINEPREFIX=$root/build/demo-prefix
scripts/register-demo.sh "$WINEPREFIX"
scripts/wine-run.sh "$exe" "$@"
