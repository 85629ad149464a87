#!/usr/bin/env bash
# Fails when a C++ source in the repository is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || exit 0
echo "== format: ${#files[@]} files"
clang-format --dry-run --Werror "${files[@]}"
