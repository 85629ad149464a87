# The two fleets in the player's Documents, each in the format its type named, and the game's file
# holding the fleet opened last.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

fleets=$(echo "$KV_E2E_DRIVE_C"/users/*/Documents/"Kestrivar Fleets")
expect_fleet_decoded "$fleets/Campaign.flt" <<'FLEET'
version 2
count 2
size ok
CV-Kestrel 62 68 5 0 0 0 1 1 0 0 0 0 -
CV-Osprey 100 100 0 0 0 0 1 1 0 0 0 0 -
FLEET
printf 'Kestrivar fleet\r\nCV-Kestrel (BPV 62, adjusted 68): 5 marines\r\nTotal BPV 68\r\n' \
  >"$KV_E2E_ARTIFACTS/expected-Arena.txt"
expect_file_bytes "$fleets/Arena.txt" "$KV_E2E_ARTIFACTS/expected-Arena.txt"
expect_file_bytes "$fleets/Challenge.txt" "$KV_E2E_ARTIFACTS/expected-Arena.txt"
expect_file_bytes "$fleet_file" "$fleets/Campaign.flt"
expect_scripts_ini_unchanged
checks_done
