#!/usr/bin/env bash
# Installs the Debian packages that Kestrivar's builds and tests need, only those that are missing.
# Idempotent: when everything is present it only checks and returns.
#
# Takes what the machine can give. The packages come in groups, each installed on its own, so that
# one group apt cannot install does not stop the others. A group the builds cannot do without stops
# the command with its package names and apt's reason. 32-bit Wine is the one group that may be
# missing: its i386 libraries must match the amd64 ones exactly, which a mirror in sync or a proxy
# can make impossible; the Windows tests then run on the 64-bit test build (scripts/wine-select.sh).
# A package index that fails to download is retried a few times, then left out with one line.
#
# Usage: scripts/bootstrap.sh [native|windows|fuzz|all]   (default: all)
# Environment: KV_APT_TRIES (default 3) and KV_APT_PAUSE (seconds, default 20) for the index retries.
set -euo pipefail

want=${1:-all}

# name|needed|packages; needed=yes stops the command when the group cannot be installed.
native_group="compilers, CMake, GoogleTest and Google Benchmark|yes|g++ cmake ninja-build \
libgtest-dev libgmock-dev libbenchmark-dev clang-format"
fuzz_group="clang and libFuzzer|yes|clang libclang-rt-14-dev"
windows_group="MinGW-w64, 64-bit Wine and Xvfb|yes|g++-mingw-w64-i686-posix binutils-mingw-w64-i686 \
g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth x11-utils \
imagemagick zip"
wine32_group="32-bit Wine|no|wine32:i386"

case "$want" in
  native) groups=("$native_group") ;;
  fuzz) groups=("$native_group" "$fuzz_group") ;;
  windows) groups=("$native_group" "$windows_group" "$wine32_group") ;;
  all) groups=("$native_group" "$fuzz_group" "$windows_group" "$wine32_group") ;;
  *) echo "usage: $0 [native|windows|fuzz|all]" >&2; exit 2 ;;
esac

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q '^install ok installed$'
}

# The missing packages of each group, and whether a group the builds need is among them.
declare -a missing_of
need_missing=no
for i in "${!groups[@]}"; do
  IFS='|' read -r _ needed pkgs <<<"${groups[$i]}"
  missing_of[$i]=""
  for p in $pkgs; do
    is_installed "$p" || missing_of[$i]+="$p "
  done
  [ -z "${missing_of[$i]}" ] || [ "$needed" = no ] || need_missing=yes
done
[ -n "$(printf '%s' "${missing_of[@]}" | tr -d ' ')" ] || exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

if printf '%s' "${missing_of[@]}" | grep -q ':i386' &&
  ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi

# apt-get update, retried while some index fails. Retries pause only when a group the builds need
# is missing: for 32-bit Wine alone one try is enough, and the next run tries again.
tries=${KV_APT_TRIES:-3}
[ "$need_missing" = yes ] || tries=1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for ((try = 1; ; try++)); do
  if $sudo apt-get update -qq >/dev/null 2>"$log" && ! grep -q '^[EW]: Failed to fetch' "$log"; then
    break
  fi
  if [ "$try" -ge "$tries" ]; then
    failed=$(sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' "$log" | tr "\n" " " | sed "s/ $//")
    if [ -n "$failed" ]; then
      echo "bootstrap: going on without the package indexes that could not be fetched: $failed"
    else
      echo "bootstrap: apt-get update failed; going on with the package lists already here:"
      sed 's/^/  /' "$log"
    fi
    break
  fi
  echo "bootstrap: some package indexes could not be fetched (a mirror in sync?); trying again" \
    "in ${KV_APT_PAUSE:-20} s"
  sleep "${KV_APT_PAUSE:-20}"
done

status=0
for i in "${!groups[@]}"; do
  [ -n "${missing_of[$i]}" ] || continue
  IFS='|' read -r name needed _ <<<"${groups[$i]}"
  # shellcheck disable=SC2086 # the package names are words
  set -- ${missing_of[$i]}
  echo "bootstrap: installing $name: $*"
  if $sudo apt-get install -y -qq --no-install-recommends "$@" >"$log" 2>&1; then
    continue
  fi
  if [ "$needed" = no ]; then
    echo "bootstrap: $name ($*) cannot be installed from the package lists of this machine;" \
      "the Windows tests will run on the 64-bit test build."
  else
    echo "bootstrap: $name ($*) cannot be installed; apt says:" >&2
    grep -E '^(E|W):|Depends|Conflicts|Breaks' "$log" | sed 's/^/  /' >&2 || sed 's/^/  /' "$log" >&2
    status=1
  fi
done
exit $status
