# Finding a ship writes nothing.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_no_fleet_file
expect_scripts_ini_unchanged
checks_done
