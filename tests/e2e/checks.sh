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

# Decodes a fleet file from its byte layout alone, one line per item:
#   version V / count N / size ok|bad (8 + 104 x count bytes), then per record
#   CODE BASE ADJ MARINES MINES REPAIRS SHUTTLES MTYPE MSPEED MRELOADS RESERVED BAYS PERBAY FTYPE
# with "-" for an empty text. A text field with anything but zeros after its terminating zero is
# shown as TEXT!dirty. This does not use fleet_slot: the checks compare what the program wrote
# with a reading of the bytes, not with another encoding of the same values.
decode_fleet_file() {
  local bytes
  read -r -a bytes <<<"$(od -An -tu1 -v "$1" | tr -s ' \n' '  ')"
  local size=${#bytes[@]}
  int_at() {
    local o=$1
    local v=$((bytes[o] | bytes[o + 1] << 8 | bytes[o + 2] << 16 | bytes[o + 3] << 24))
    ((v >= 2147483648)) && v=$((v - 4294967296))
    printf '%d' "$v"
  }
  text_at() {
    local o=$1 width=$2 i text="" dirty=""
    for ((i = 0; i < width; i++)); do
      [ "${bytes[o + i]}" -eq 0 ] && break
      text+=$(printf "\\$(printf %03o "${bytes[o + i]}")")
    done
    for ((; i < width; i++)); do
      [ "${bytes[o + i]}" -eq 0 ] || dirty="!dirty"
    done
    printf '%s%s' "${text:--}" "$dirty"
  }
  if ((size < 8)); then
    echo "size short ($size bytes)"
    return
  fi
  local count
  count=$(int_at 4)
  echo "version $(int_at 0)"
  echo "count $count"
  if ((count >= 0 && size == 8 + 104 * count)); then echo "size ok"; else echo "size bad ($size bytes)"; fi
  local r o field line
  for ((r = 0; 8 + 104 * (r + 1) <= size; r++)); do
    o=$((8 + 104 * r))
    line=$(text_at "$o" 16)
    for ((field = 0; field < 12; field++)); do line+=" $(int_at $((o + 16 + 4 * field)))"; done
    line+=" $(text_at $((o + 64)) 40)"
    echo "$line"
  done
}

# The decoded fleet file (decode_fleet_file) equals the lines given on standard input.
expect_fleet_decoded() {
  local file=$1 expected actual
  expected=$(cat)
  if [ ! -f "$file" ]; then
    check_fail "$file does not exist"
    return
  fi
  actual=$(decode_fleet_file "$file")
  if [ "$actual" != "$expected" ]; then
    check_fail "$file does not hold the expected fleet"
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/   /' || true
  fi
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

# scripts.ini as the demo game ships it but for values of its Sector Assault section, each given
# as KEY=OLD:NEW (the demo's value and the one expected), e.g. DefSats=2:5. Only the keys of
# [Mul_HumanVezireZaradud] may change: not a commented-out ";DefSats=4", not the same keys in
# other sections.
expect_mission_values() {
  local edits="" change key old new
  for change in "$@"; do
    key=${change%%=*} old=${change#*=} old=${old%%:*} new=${change##*:}
    edits+="s/^$key=$old\r\$/$key=$new\r/;"
  done
  local demo=$KV_E2E_DEMO/Assets/Scripts/scripts.ini expected=$KV_E2E_ARTIFACTS/expected-scripts.ini
  sed -e "/^\[Mul_HumanVezireZaradud\]\r\$/,/^\[/{${edits}}" "$demo" >"$expected"
  if [ "$(diff "$demo" "$expected" | grep -c '^>')" -ne $# ]; then
    check_fail "the expected scripts.ini was not built: the demo's values are not where expected"
  fi
  expect_file_bytes "$scripts_ini" "$expected"
}

checks_done() {
  if [ "$check_failures" -ne 0 ]; then
    echo "$check_failures file check(s) failed"
    exit 1
  fi
  echo "file checks passed"
}

# For setup scripts: makes DIR immutable (chattr +i), so that its files stay writable but no file
# can be created in it or removed from it, as a standard Windows account meets in the drive root
# or under Program Files. The harness lifts the flag when the run ends. Where the machine does not
# permit it (not root, a file system without the flag), the scenario is skipped with the reason.
make_immutable() {
  local dir=$1 why
  if ! why=$(chattr +i "$dir" 2>&1); then
    echo "e2e: cannot make $dir immutable (${why:-chattr failed}); scenario skipped"
    exit 77
  fi
  echo "$dir" >>"$KV_E2E_RUN/immutable-paths"
}
