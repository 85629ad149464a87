#include "picker/labels.h"

namespace {

constexpr const char* kWeaponLabels[] = {
    "Phot", "PhoF",  "PhoH", "Dis1", "Dis2", "Dis3",  "Dis4",  "DisF",  "DisH", "Fus",  "FusF",
    "HB",   "HellF", "PlaR", "PlaS", "PlaG", "PlaF",  "PlaI",  "PlaD",  "PlaX", "PlaE", "ESG",
    "ESGL", "PPD",   "MLR",  "PhA",  "PhB",  "TRB",   "ShutW", "FighS", "DroA", "DroB", "DroC",
    "DroD", "DroE",  "DroF", "DroG", "DroH", "DroF1", "DroF4", "DroM",  "Opt",  "OptW", "Ph1",
    "Ph2",  "Ph3",   "PhG",  "PhG2", "Ph4",  "PhX",   "ADD6",  "ADD12", "ADD30"};

static_assert(sizeof(kWeaponLabels) / sizeof(kWeaponLabels[0]) ==
                  kLastWeaponCode - kFirstWeaponCode + 1,
              "one label per weapon code");

}  // namespace

const char* HullClassLabel(int32_t hullClass) {
    switch (hullClass) {
        case 3:
            return "Frigate";
        case 4:
            return "Destroyer";
        case 5:
            return "War Destroyer";
        case 6:
            return "Light Cruiser";
        case 7:
            return "Heavy Cruiser";
        case 8:
            return "New Heavy Cruiser";
        case 9:
            return "Heavy Battlecruiser";
        case 10:
            return "Carrier";
        case 11:
            return "Dreadnought";
        case 12:
            return "Battleship";
        case 14:
            return "Base Station";
        case 15:
            return "Battle Station";
        case 16:
            return "Star Base";
        default:
            return nullptr;
    }
}

const char* WeaponLabel(int32_t weaponCode) {
    if (weaponCode < kFirstWeaponCode || weaponCode > kLastWeaponCode)
        return nullptr;
    return kWeaponLabels[weaponCode - kFirstWeaponCode];
}
