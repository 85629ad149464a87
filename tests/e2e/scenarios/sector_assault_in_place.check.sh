# scripts.ini is the demo's byte for byte but for the five values of the Sector Assault section,
# and no other file appeared beside it.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
sed -e '/^\[Mul_HumanVezireZaradud\]\r$/,/^\[/{
  s/^DefSats=2\r$/DefSats=5\r/
  s/^FRDs=1\r$/FRDs=3\r/
  s/^BaseDamage=25\r$/BaseDamage=-10\r/
  s/^PlanetDamage=50\r$/PlanetDamage=75\r/
}' "$KV_E2E_DEMO/Assets/Scripts/scripts.ini" >"$KV_E2E_ARTIFACTS/expected-scripts.ini"
if [ "$(diff "$KV_E2E_DEMO/Assets/Scripts/scripts.ini" "$KV_E2E_ARTIFACTS/expected-scripts.ini" |
  grep -c '^>')" -ne 4 ]; then
  check_fail "the expected scripts.ini was not built: the demo's values are not where expected"
fi
expect_file_bytes "$scripts_ini" "$KV_E2E_ARTIFACTS/expected-scripts.ini"
if [ "$(ls -A "$KV_E2E_GAME/Assets/Scripts")" != "scripts.ini" ]; then
  check_fail "the scripts directory holds other files: $(ls -A "$KV_E2E_GAME/Assets/Scripts" | tr '\n' ' ')"
fi
checks_done
