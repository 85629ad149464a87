# Copied, cleared, pasted and saved: the file is the one loaded, byte for byte.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_file_bytes "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
expect_scripts_ini_unchanged
checks_done
