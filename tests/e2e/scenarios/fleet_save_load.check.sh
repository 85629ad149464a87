# The fleet file after each run, decoded from its bytes; normal mode leaves scripts.ini alone.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

expect_fleet_decoded "$KV_E2E_ARTIFACTS/Kestrivar.phase1.FLT" <<'FLEET'
version 2
count 3
size ok
CV-Kestrel 62 68 5 0 0 1 1 2 1 0 0 0 -
CV-Osprey 100 125 6 1 2 2 4 3 2 0 0 0 -
CV-Eyrie 165 145 10 0 4 3 1 1 0 0 2 2 CV-Raptor
FLEET

# Slot 2 cleared: slot 3's record comes second.
expect_fleet_decoded "$fleet_file" <<'FLEET'
version 2
count 2
size ok
CV-Kestrel 62 68 5 0 0 1 1 2 1 0 0 0 -
CV-Eyrie 165 145 10 0 4 3 1 1 0 0 2 2 CV-Raptor
FLEET

expect_scripts_ini_unchanged
checks_done
