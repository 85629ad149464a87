# No left the file byte for byte as it was; Yes deleted it.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_file_bytes "$KV_E2E_ARTIFACTS/Kestrivar.phase1.FLT" "$KV_E2E_ARTIFACTS/before.FLT"
expect_no_fleet_file
expect_scripts_ini_unchanged
checks_done
