# A saved fleet of three ships, one carrying fighters, and a copy of its bytes to compare with.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{
  fleet_header 3
  fleet_slot CV-Kestrel 62 68 5 0 0 1 1 2 1 0 0 ""
  fleet_slot CV-Osprey 100 125 6 1 2 2 4 3 2 0 0 ""
  fleet_slot CV-Eyrie 165 145 10 0 4 3 1 1 0 2 2 CV-Raptor
} >"$fleet_file"
cp "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
