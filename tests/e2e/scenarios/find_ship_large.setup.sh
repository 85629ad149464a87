# The game's tables replaced by generated ones: 20,000 ship rows and 2,000 fighters.
set -e
specs=$KV_E2E_GAME/Assets/specs
wine "$KV_E2E_BUILD/tests/e2e/kv_generate_tables.exe" 20000 "$(winepath -w "$specs")" \
  >"$KV_E2E_ARTIFACTS/tables.log"
