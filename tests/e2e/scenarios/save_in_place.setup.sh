# A saved fleet of one ship in a drive C where no new file may be created, but whose files stay
# writable: what a standard Windows account meets in the drive root.
source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"
{ fleet_header 1; fleet_slot CV-Kestrel 62 62 4 0 0 1 1 1 1 0 0 ""; } >"$fleet_file"
ls -A "$KV_E2E_DRIVE_C" >"$KV_E2E_ARTIFACTS/drive_c-before.txt"
make_immutable "$KV_E2E_DRIVE_C"
