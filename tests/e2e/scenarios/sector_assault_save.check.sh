# scripts.ini is the demo's byte for byte but for the five values of the Sector Assault section;
# the fleet file holds the one base with its standard loadout (one DroA rack).
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

expect_mission_values DefSats=2:3 FRDs=1:2 PlanetType=1:0 BaseDamage=25:40 PlanetDamage=50:0

expect_fleet_decoded "$fleet_file" <<'FLEET'
version 2
count 1
size ok
CV-Outpost 124 124 12 4 4 4 1 1 1 0 0 0 -
FLEET

checks_done
