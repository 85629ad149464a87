# The fleet file holds the new fleet, and nothing else appeared in drive C.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_fleet_decoded "$fleet_file" <<'FLEET'
version 2
count 2
size ok
CV-Kestrel 62 62 4 0 0 1 1 1 1 0 0 0 -
CV-Surveyor 48 48 2 0 0 2 1 1 0 0 0 0 -
FLEET
ls -A "$KV_E2E_DRIVE_C" >"$KV_E2E_ARTIFACTS/drive_c-after.txt"
if ! cmp -s "$KV_E2E_ARTIFACTS/drive_c-before.txt" "$KV_E2E_ARTIFACTS/drive_c-after.txt"; then
  check_fail "drive C holds other files than before the save"
  diff "$KV_E2E_ARTIFACTS/drive_c-before.txt" "$KV_E2E_ARTIFACTS/drive_c-after.txt" | sed 's/^/   /'
fi
checks_done
