# scripts.ini is the demo's byte for byte but for the Sector Assault values set (the Planet list
# kept its demo value), and no other file appeared beside it.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_mission_values DefSats=2:5 FRDs=1:3 BaseDamage=25:-10 PlanetDamage=50:75
if [ "$(ls -A "$KV_E2E_GAME/Assets/Scripts")" != "scripts.ini" ]; then
  check_fail "the scripts directory holds other files: $(ls -A "$KV_E2E_GAME/Assets/Scripts" | tr '\n' ' ')"
fi
checks_done
