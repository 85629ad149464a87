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

start=$SECONDS
times=()
timed() {
  local name=$1 began=$SECONDS
  shift
  "$@"
  times+=("$name $((SECONDS - began)) s")
}

timed setup scripts/bootstrap.sh all

run_preset() {
  local preset=$1
  echo "== $preset: configure, build, test"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
}

windows_step() {
  # The 32-bit product is always built; its tests run under 32-bit Wine where the machine can
  # run 32-bit programs, else the same tests of a 64-bit build under 64-bit Wine (and of the
  # 32-bit build only the programs a player gets, since nothing here can run its tests).
  source scripts/wine-select.sh
  if [ "$KV_WINDOWS_PRESET" = windows ]; then
    run_preset windows
  else
    echo "== windows: $KV_WINDOWS_WHY; building the 32-bit programs,"
    echo "   testing the same code built for 64-bit Windows under 64-bit Wine"
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target Kestrivar kvtool
    run_preset windows64
  fi
}

fuzz_step() {
  echo "== fuzz: configure, build, short run of every target"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  scripts/fuzz.sh short
}

for step in "${steps[@]}"; do
  case "$step" in
    format) timed format scripts/check-format.sh ;;
    native | sanitize) timed "$step" run_preset "$step" ;;
    windows) timed windows windows_step ;;
    fuzz) timed fuzz fuzz_step ;;
    *) echo "unknown step: $step" >&2; exit 2 ;;
  esac
done
echo "== all steps passed (${steps[*]}) in $((SECONDS - start)) s: $(IFS=,; echo "${times[*]}" | sed 's/,/, /g')"
