# The game is not installed: its registry key is taken out of the prefix (Wine is not running,
# so system.reg can be edited as text). A key block runs from its [name] line to a blank line.
set -euo pipefail
reg=$KV_E2E_PREFIX/system.reg
grep -q 'Brunvik\\\\Halvane Reach\]' "$reg"
awk '/^\[.*Brunvik\\\\Halvane Reach\]/ { skip = 1 } skip && /^$/ { skip = 0; next } !skip' \
  "$reg" >"$reg.kv-new"
mv "$reg.kv-new" "$reg"
! grep -q 'Halvane Reach' "$reg"
