# The picker's OK changes the slot on screen only; Cancel writes nothing.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_file_bytes "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
expect_scripts_ini_unchanged
checks_done
