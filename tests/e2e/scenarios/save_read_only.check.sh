# The old file byte for byte, no temporary file left beside it.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_file_bytes "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
ls -A "$KV_E2E_DRIVE_C" >"$KV_E2E_ARTIFACTS/drive_c-after.txt"
if ! cmp -s "$KV_E2E_ARTIFACTS/drive_c-before.txt" "$KV_E2E_ARTIFACTS/drive_c-after.txt"; then
  check_fail "drive C holds other files than before the save"
  diff "$KV_E2E_ARTIFACTS/drive_c-before.txt" "$KV_E2E_ARTIFACTS/drive_c-after.txt" | sed 's/^/   /'
fi
expect_scripts_ini_unchanged
checks_done
