# The fleet saved is the one the post meant.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_fleet_decoded "$fleet_file" <<'FLEET'
version 2
count 2
size ok
CV-Kestrel 62 68 5 0 0 1 1 2 1 0 0 0 -
CV-Osprey 100 100 0 0 0 0 1 1 0 0 0 0 -
FLEET
checks_done
