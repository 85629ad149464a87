# A fleet file of another release: version 3, otherwise well formed.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{ le32 3; le32 1; fleet_slot CV-Osprey 100 100 6 0 2 2 1 1 1 0 0 ""; } >"$fleet_file"
cp "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
