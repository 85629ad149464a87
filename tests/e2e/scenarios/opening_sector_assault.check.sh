# Cancel writes neither the fleet file nor the mission settings.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_no_fleet_file
expect_scripts_ini_unchanged
checks_done
