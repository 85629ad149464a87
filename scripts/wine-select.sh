# Sourced by the scripts that run Windows programs. Tells whether this machine can run 32-bit
# programs, which 32-bit Wine needs (some virtual machines cannot: the kernel refuses any i386
# program with "Exec format error"), and where it cannot, puts the 64-bit Wine commands of
# scripts/wine64 first on PATH, so that "wine", "wineboot" and "wineserver" run 64-bit Wine.
# Sets KV_WINDOWS_PRESET to the build whose programs Wine can run here: windows (the 32-bit
# product) or windows64 (the same code built for 64-bit Windows, for testing).

kv_runs_32bit_programs() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

if kv_runs_32bit_programs || [ ! -x /usr/lib/wine/wine64 ]; then
  KV_WINDOWS_PRESET=windows
else
  KV_WINDOWS_PRESET=windows64
  case ":$PATH:" in
    *":$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:"*) ;;
    *) PATH=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64:$PATH ;;
  esac
  export PATH
fi
export KV_WINDOWS_PRESET
