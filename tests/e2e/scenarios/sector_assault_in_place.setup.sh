# The game's scripts directory allows no new file, but scripts.ini in it stays writable: a game
# installed under Program Files, seen from a standard account.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
make_immutable "$KV_E2E_GAME/Assets/Scripts"
