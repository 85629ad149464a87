# A Save cut short: the fleet file holds half a new fleet, and the copy of the old one it made
# first is still beside it, named with the id of a process that is gone.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{ fleet_header 1; fleet_slot CV-Osprey 100 100 6 0 2 2 1 1 1 0 0 ""; } >"$fleet_file.old-65532-0"
cp "$fleet_file.old-65532-0" "$KV_E2E_ARTIFACTS/old.FLT"
head -c 20 "$fleet_file.old-65532-0" >"$fleet_file"
