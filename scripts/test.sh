#!/usr/bin/env bash
# Builds Kestrivar on every preset and runs every test: native unit and dialog tests, the same
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the 32-bit Windows build's tests
# under Wine, and a short run of every fuzz target. Installs what is missing first (Debian, as root
# or with sudo).
# Usage: scripts/test.sh [step ...]    (default: format native sanitize windows fuzz)
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."
steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=(format native sanitize windows fuzz)

scripts/bootstrap.sh all

run_preset() {
  local preset=$1
  echo "== $preset: configure, build, test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
}

start=$SECONDS
for step in "${steps[@]}"; do
  case "$step" in
    format) scripts/check-format.sh ;;
    native|sanitize) run_preset "$step" ;;
    windows)
      # The 32-bit product is always built; its tests run under 32-bit Wine where the machine
      # can run 32-bit programs, else the same tests of a 64-bit build under 64-bit Wine.
      source scripts/wine-select.sh
      if [ "$KV_WINDOWS_PRESET" = windows ]; then
        run_preset windows
      else
        echo "== windows: this machine cannot run 32-bit programs; building the 32-bit product,"
        echo "   testing the same code built for 64-bit Windows under 64-bit Wine"
        cmake --preset windows >/dev/null
        cmake --build --preset windows
        run_preset windows64
      fi ;;
    fuzz)
      echo "== fuzz: configure, build, short run of every target"
      cmake --preset fuzz >/dev/null
      cmake --build --preset fuzz
      scripts/fuzz.sh short ;;
    *) echo "unknown step: $step" >&2; exit 2 ;;
  esac
done
echo "== all steps passed (${steps[*]}) in $((SECONDS - start)) s"
