# scripts.ini is the demo's byte for byte but for the five values of the Sector Assault section;
# the fleet file holds the one base with its standard loadout (one DroA rack).
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

# Only the keys of [Mul_HumanVezireZaradud] change: not the commented-out ;DefSats=4, not
# DefSatsMax, not the DefSats of the other sections.
sed -e '/^\[Mul_HumanVezireZaradud\]\r$/,/^\[/{
  s/^DefSats=2\r$/DefSats=3\r/
  s/^FRDs=1\r$/FRDs=2\r/
  s/^PlanetType=1\r$/PlanetType=0\r/
  s/^BaseDamage=25\r$/BaseDamage=40\r/
  s/^PlanetDamage=50\r$/PlanetDamage=0\r/
}' "$KV_E2E_DEMO/Assets/Scripts/scripts.ini" >"$KV_E2E_ARTIFACTS/expected-scripts.ini"
if [ "$(diff "$KV_E2E_DEMO/Assets/Scripts/scripts.ini" "$KV_E2E_ARTIFACTS/expected-scripts.ini" |
  grep -c '^>')" -ne 5 ]; then
  check_fail "the expected scripts.ini was not built: the demo's five values are not where expected"
fi
expect_file_bytes "$scripts_ini" "$KV_E2E_ARTIFACTS/expected-scripts.ini"

expect_fleet_decoded "$fleet_file" <<'FLEET'
version 2
count 1
size ok
CV-Outpost 124 124 12 4 4 4 1 1 1 0 0 0 -
FLEET

checks_done
