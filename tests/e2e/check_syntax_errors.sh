#!/usr/bin/env bash
# kvdrive --check on a script of bad lines: every bad line is reported with its line number and
# the reason, exactly as in syntax/bad_lines.expected, and the exit status is 2.
# Usage: tests/e2e/check_syntax_errors.sh BUILD_DIR
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}

status=0
output=$("$here/../../scripts/wine-run.sh" "$build/tests/e2e/kvdrive.exe" --check \
  "$here/syntax/bad_lines.txt" | tr -d '\r') || status=$?
if [ "$status" -ne 2 ]; then
  echo "kvdrive --check exited with $status, expected 2"
  echo "$output"
  exit 1
fi
if ! diff -u "$here/syntax/bad_lines.expected" <(printf '%s\n' "$output"); then
  echo "kvdrive's messages differ from syntax/bad_lines.expected"
  exit 1
fi
echo "kvdrive reported every bad line"
