#!/usr/bin/env bash
# Runs a Windows program under Wine in a test prefix, creating the prefix on first use: 32-bit
# Wine, or 64-bit Wine where the machine cannot run 32-bit programs (wine-select.sh). The prefix
# is $WINEPREFIX, else build/wineprefix beside this script's project. Without a display the
# program runs under a private Xvfb server.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-select.sh"
export WINEPREFIX=${WINEPREFIX:-$here/../build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts, no desktop menu entries.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      "$here/wine-sandbox.sh" "$WINEPREFIX"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

if [ -z "${DISPLAY:-}" ]; then
  # The private Xvfb display has no window manager, and Wine waits two seconds for one to
  # withdraw every window it manages and hides (each closed dialog, each message box). Wine
  # manages nothing in a prefix used this way: it draws the window frames itself.
  if [ ! -f "$WINEPREFIX/.kv-unmanaged" ]; then
    (
      flock 9
      if [ ! -f "$WINEPREFIX/.kv-unmanaged" ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        touch "$WINEPREFIX/.kv-unmanaged"
      fi
    ) 9>"$WINEPREFIX.lock"
  fi
  exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
