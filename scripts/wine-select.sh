# Sourced by the scripts that run Windows programs. Tells whether this machine can run 32-bit
# programs under 32-bit Wine (some virtual machines cannot: the kernel refuses any i386 program
# with "Exec format error"; on others 32-bit Wine cannot be installed), and where it cannot,
# puts the 64-bit Wine commands of scripts/wine64 first on PATH, so that "wine", "wineboot" and
# "wineserver" run 64-bit Wine.
# Sets KV_WINDOWS_PRESET to the build whose programs Wine can run here: windows (the 32-bit
# product) or windows64 (the same code built for 64-bit Windows, for testing), and on the latter
# KV_WINDOWS_WHY to the reason in a few words.

kv_runs_32bit_programs() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why the 64-bit route was taken, for the scripts to say.
KV_WINDOWS_WHY=""
if kv_runs_32bit_programs || [ ! -x /usr/lib/wine/wine64 ]; then
  KV_WINDOWS_PRESET=windows
else
  KV_WINDOWS_PRESET=windows64
  if [ -x /usr/lib/wine/wine ]; then
    KV_WINDOWS_WHY="this machine cannot run 32-bit programs"
  else
    KV_WINDOWS_WHY="32-bit Wine is not installed (scripts/bootstrap.sh said why)"
  fi
  case ":$PATH:" in
    *":$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:"*) ;;
    *) PATH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH ;;
  esac
  export PATH
fi
export KV_WINDOWS_PRESET KV_WINDOWS_WHY
