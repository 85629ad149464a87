# Three ships whose stored point values make a total of four digits.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{
  fleet_header 3
  fleet_slot CV-Condor 142 424 10 0 3 4 1 1 1 0 0 ""
  fleet_slot CV-Osprey 100 424 6 0 2 2 1 1 1 0 0 ""
  fleet_slot CV-Kestrel 62 424 4 0 0 1 1 1 1 0 0 ""
} >"$fleet_file"
cp "$fleet_file" "$KV_E2E_ARTIFACTS/before.FLT"
