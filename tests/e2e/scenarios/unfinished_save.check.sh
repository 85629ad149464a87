# The old fleet is back, and its copy is gone.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_file_bytes "$fleet_file" "$KV_E2E_ARTIFACTS/old.FLT"
expect_no_file "$fleet_file.old-65532-0"
checks_done
