# A saved fleet of one ship, and a copy of its bytes to compare with.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{ fleet_header 1; fleet_slot CV-Kestrel 62 62 4 0 0 1 1 1 1 0 0 ""; } >"$fleet_file"
cp "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
