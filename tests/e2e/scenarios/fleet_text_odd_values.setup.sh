# A fleet file as another tool may write it: missile type 2 and speed 7, which the picker never
# writes, and a ship name that fills its 16 bytes with no terminator and holds a control byte.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{
  fleet_header 1
  printf 'CV-Kestrel\007ABCDE'
  for n in 62 68 5 0 0 1 2 7 1 0 0 0; do le32 "$n"; done
  head -c 40 /dev/zero
} >"$fleet_file"
cp "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
