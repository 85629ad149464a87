# Helpers for the scenarios' file checks. A SCENARIO.check.sh sources this file, calls the
# expect_* functions and ends with checks_done. run_scenario.sh runs it after Wine has stopped,
# with these variables set:
#   KV_E2E_DRIVE_C    the prefix's drive C: (C:\Kestrivar.FLT is $KV_E2E_DRIVE_C/Kestrivar.FLT)
#   KV_E2E_GAME       the run's copy of the demo game (its Assets/Scripts/scripts.ini)
#   KV_E2E_DEMO       the repository's demo game, as it was before the run
#   KV_E2E_ARTIFACTS  where expected files are written for comparison
# Expected binary content is built with the functions below into a file, e.g.
#   { fleet_header 1; fleet_slot CV-Kestrel 62 62 4 0 0 1 1 1 1 0 0 ""; } >"$KV_E2E_ARTIFACTS/expected.FLT"
#   expect_file_bytes "$KV_E2E_DRIVE_C/Kestrivar.FLT" "$KV_E2E_ARTIFACTS/expected.FLT"

check_failures=0
fleet_file=$KV_E2E_DRIVE_C/Kestrivar.FLT
scripts_ini=$KV_E2E_GAME/Assets/Scripts/scripts.ini

check_fail() {
  echo "check failed: $*"
  check_failures=$((check_failures + 1))
}

# A 32-bit little-endian two's-complement integer.
le32() {
  local n=$(($1 & 0xFFFFFFFF))
  printf "\\x$(printf %02x $((n & 255)))\\x$(printf %02x $((n >> 8 & 255)))"
  printf "\\x$(printf %02x $((n >> 16 & 255)))\\x$(printf %02x $((n >> 24 & 255)))"
}

# TEXT in a zero-filled field of WIDTH bytes, with room for its terminating zero.
text_field() {
  local text=$1 width=$2
  if [ ${#text} -ge "$width" ]; then
    echo "text_field: '$text' does not fit $width bytes" >&2
    return 1
  fi
  printf '%s' "$text"
  head -c $((width - ${#text})) /dev/zero
}

# The fleet file's header: version 2 and the record count.
fleet_header() {
  le32 2
  le32 "$1"
}

# One 104-byte fleet record: shipCode baseBpv adjustedBpv marines mines repairs shuttles
# missileType missileSpeed missileReloads fighterBays fightersPerBay fighterType.
fleet_slot() {
  [ $# -eq 13 ] || { echo "fleet_slot takes 13 fields, not $#" >&2; return 1; }
  text_field "$1" 16
  local n
  for n in "$2" "$3" "$4" "$5" "$6" "$7" "$8" "$9" "${10}"; do le32 "$n"; done
  le32 0 # reserved
  le32 "${11}"
  le32 "${12}"
  text_field "${13}" 40
}

# Byte-for-byte comparison; on a difference both files are shown as hex.
expect_file_bytes() {
  local actual=$1 expected=$2
  if [ ! -f "$actual" ]; then
    check_fail "$actual does not exist"
  elif ! cmp -s "$actual" "$expected"; then
    check_fail "$actual differs from $expected"
    echo "  actual:"
    od -An -tx1 -v "$actual" | sed 's/^/   /'
    echo "  expected:"
    od -An -tx1 -v "$expected" | sed 's/^/   /'
  fi
}

expect_no_file() {
  [ ! -e "$1" ] || check_fail "$1 exists ($(wc -c <"$1") bytes)"
}

expect_no_fleet_file() { expect_no_file "$fleet_file"; }

# scripts.ini as the demo game ships it: the program did not write it.
expect_scripts_ini_unchanged() {
  if ! cmp -s "$scripts_ini" "$KV_E2E_DEMO/Assets/Scripts/scripts.ini"; then
    check_fail "scripts.ini was changed"
    diff <(tr -d '\r' <"$KV_E2E_DEMO/Assets/Scripts/scripts.ini") <(tr -d '\r' <"$scripts_ini") |
      sed 's/^/   /' || true
  fi
}

checks_done() {
  if [ "$check_failures" -ne 0 ]; then
    echo "$check_failures file check(s) failed"
    exit 1
  fi
  echo "file checks passed"
}
