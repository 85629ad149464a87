# Finding a ship writes nothing. The selected row is drawn in the selection colour while the
# edit has the focus: a row's worth of strong blue pixels in the screenshot below the edit (the
# caption above has that colour too), where the list's own colour for a selection without the
# focus is near-white.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
expect_no_fleet_file
expect_scripts_ini_unchanged
blue=$(convert "$KV_E2E_ARTIFACTS/find-ship.png" -gravity south -crop 100%x75%+0+0 +repage \
  -format %c histogram:info:- |
  awk -F'[(),]' '$2 + 0 < 100 && $4 + 0 > 200 { n += $1 } END { print n + 0 }')
if [ "$blue" -lt 3000 ]; then
  check_fail "the selected row is not in the selection colour ($blue blue pixels)"
fi
checks_done
