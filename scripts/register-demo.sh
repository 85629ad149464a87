#!/usr/bin/env bash
# Registers the bundled demo game in a Wine prefix, the way the game's 32-bit installer would:
# HKLM\Software\Brunvik\Halvane Reach, value Directory = the demo tree seen through drive Z:.
# Usage: scripts/register-demo.sh PREFIX [GAME_DIRECTORY]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-select.sh"
export WINEPREFIX=$1
game=${2:-$here/../demo/HalvaneReach}
game=$(cd "$game" && pwd)
windows_path="Z:$(printf '%s' "$game" | tr '/' '\\')"

"$here/wine-run.sh" reg add 'HKLM\Software\Brunvik\Halvane Reach' /v Directory /t REG_SZ \
  /d "$windows_path" /reg:32 /f >/dev/null
wineserver -w
