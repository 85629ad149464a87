#!/usr/bin/env bash
# Wine links the user's Documents, Desktop and the like in a new prefix to the home directory.
# A private prefix (tests, the demo) keeps them inside, so that nothing a program saves there
# lands in the home: each such link becomes an empty folder. Usage: wine-sandbox.sh PREFIX
set -euo pipefail
for link in "$1"/drive_c/users/*/*; do
  if [ -L "$link" ]; then
    rm -f "$link"
    mkdir -p "$link"
  fi
done
