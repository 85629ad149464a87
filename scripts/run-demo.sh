#!/usr/bin/env bash
# Builds the 32-bit Windows program and runs it under Wine on the bundled demo game: a Wine
# prefix of its own (build/demo-prefix) in which the demo tree under demo/ is registered as the
# game's install directory. On a machine that cannot run 32-bit programs it runs the same program
# built for 64-bit Windows under 64-bit Wine (scripts/wine-select.sh). Installs what is missing
# first (Debian, as root or with sudo).
# Usage: scripts/run-demo.sh [Kestrivar arguments, e.g. /VEZIREZARADUD]
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)
scripts/bootstrap.sh windows
source scripts/wine-select.sh
preset=$KV_WINDOWS_PRESET
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

exe=build/$preset/Kestrivar.exe
if [ ! -f "$exe" ]; then
  echo "run-demo: the Windows build has no Kestrivar.exe yet; the libraries and tests were built."
  exit 0
fi

export WINEPREFIX=$root/build/demo-prefix
scripts/register-demo.sh "$WINEPREFIX"
scripts/wine-run.sh "$exe" "$@"
