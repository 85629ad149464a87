#!/usr/bin/env bash
# kvtool.exe under Wine on the demo game: `kvtool tables --game demo\HalvaneReach`, run from the
# source tree, exits with 1 (the demo has its deliberate findings) and prints the report of
# tool/tests/demo_tables.txt, with Windows path separators and line ends.
# Usage: tests/e2e/check_kvtool.sh BUILD_DIR     Exit status 77: no kvtool.exe or no Wine.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}

[ -f "$build/kvtool.exe" ] || { echo "SKIPPED: $build/kvtool.exe is not built"; exit 77; }
command -v wine >/dev/null || { echo "SKIPPED: wine is not installed"; exit 77; }

cd "$root"
status=0
output=$("$root/scripts/wine-run.sh" "$build/kvtool.exe" tables --game 'demo\HalvaneReach') ||
  status=$?
if [ "$status" -ne 1 ]; then
  echo "kvtool.exe exited with $status, expected 1 (findings)"
  echo "$output"
  exit 1
fi
if ! diff -u "$root/tool/tests/demo_tables.txt" <(printf '%s\n' "$output" | tr -d '\r' | tr '\\' '/'); then
  echo "kvtool.exe's report differs from tool/tests/demo_tables.txt"
  exit 1
fi
echo "kvtool.exe reported the demo game as expected"
