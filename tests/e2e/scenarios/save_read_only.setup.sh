# A read-only fleet file from an earlier save, and the list of drive C's files to compare with.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{ fleet_header 1; fleet_slot CV-Kestrel 62 62 4 0 0 1 1 1 1 0 0 ""; } >"$fleet_file"
chmod a-w "$fleet_file"
cp "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
ls -A "$KV_E2E_DRIVE_C" >"$KV_E2E_ARTIFACTS/drive_c-before.txt"
