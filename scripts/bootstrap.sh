#!/usr/bin/env bash
# Installs the Debian packages that Kestrivar's builds and tests need, only those that are missing.
# Idempotent: when everything is present it only checks and returns.
# Usage: scripts/bootstrap.sh [native|windows|fuzz|all]   (default: all)
set -euo pipefail

want=${1:-all}

native_pkgs=(g++ cmake ninja-build libgtest-dev libgmock-dev libbenchmark-dev clang-format)
fuzz_pkgs=(clang libclang-rt-14-dev)
# 64-bit Wine and MinGW too, for machines that cannot run 32-bit programs (scripts/wine-select.sh).
windows_pkgs=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth
              x11-utils imagemagick zip fonts-wine wine64 g++-mingw-w64-x86-64-posix
              binutils-mingw-w64-x86-64)

pkgs=()
case "$want" in
  native) pkgs=("${native_pkgs[@]}") ;;
  fuzz) pkgs=("${native_pkgs[@]}" "${fuzz_pkgs[@]}") ;;
  windows) pkgs=("${native_pkgs[@]}" "${windows_pkgs[@]}") ;;
  all) pkgs=("${native_pkgs[@]}" "${fuzz_pkgs[@]}" "${windows_pkgs[@]}") ;;
  *) echo "usage: $0 [native|windows|fuzz|all]" >&2; exit 2 ;;
esac

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q '^install ok installed$'
}

missing=()
for p in "${pkgs[@]}"; do
  is_installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

for p in "${missing[@]}"; do
  if [[ "$p" == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
done

echo "bootstrap: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
