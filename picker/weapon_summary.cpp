#include "picker/weapon_summary.h"

#include <cstdio>

#include "picker/wrapping_int.h"

WeaponTotals SumWeapons(const ShipSpecCore& ship) {
    std::array<int64_t, std::tuple_size<WeaponTotals>::value> sums{};
    for (const auto& entry : ship.mounts) {
        const WeaponMount& mount = entry.second;
        if (mount.weapon < kFirstWeaponCode || mount.weapon > kLastWeaponCode)
            continue;
        sums[static_cast<size_t>(mount.weapon - kFirstWeaponCode)] += mount.count;
    }
    WeaponTotals totals{};
    for (size_t i = 0; i < totals.size(); ++i)
        totals[i] = Wrap32(sums[i]);
    return totals;
}

std::string WeaponLines(const ShipSpecCore& ship) {
    const WeaponTotals totals = SumWeapons(ship);
    std::string text;
    for (size_t i = 0; i < totals.size(); ++i) {
        if (totals[i] == 0)
            continue;
        char count[16];
        std::snprintf(count, sizeof count, "%d", static_cast<int>(totals[i]));
        text += count;
        text += 'x';
        text += WeaponLabel(static_cast<int32_t>(i) + kFirstWeaponCode);
        text += '\n';
    }
    return text;
}

int32_t RackRounds(int32_t weaponCode) {
    switch (weaponCode) {
        case 30:  // DroA
        case 32:  // DroC
        case 33:  // DroD
        case 34:  // DroE
        case 35:  // DroF
        case 36:  // DroG
            return 4;
        case 31:  // DroB
        case 40:  // DroM
            return 6;
        case 37:  // DroH
            return 12;
        default:
            return 0;
    }
}

int32_t MissileCapacity(const ShipSpecCore& ship) {
    const WeaponTotals totals = SumWeapons(ship);
    int64_t capacity = 0;
    for (size_t i = 0; i < totals.size(); ++i) {
        capacity += int64_t{RackRounds(static_cast<int32_t>(i) + kFirstWeaponCode)} * totals[i];
    }
    return Wrap32(capacity);
}

std::string FighterSpecsText(const ShipSpecCore& fighter) {
    return fighter.className + ":\n\n" + WeaponLines(fighter);
}
