#include "picker/spin_steps.h"

#include <iterator>

SpinStep StepFromDelta(int delta) {
    if (delta < 0)
        return SpinStep::Forward;
    if (delta > 0)
        return SpinStep::Back;
    return SpinStep::None;
}

StepOutcome StepCounted(int32_t& value, SpinStep step, int32_t forwardStop, int32_t backStop) {
    switch (step) {
        case SpinStep::None:
            return {false, true};
        case SpinStep::Forward:
            if (value >= forwardStop)
                return {};
            ++value;
            return {true, true};
        case SpinStep::Back:
            if (value <= backStop)
                return {};
            --value;
            return {true, true};
    }
    return {};
}

StepOutcome StepMarines(Loadout& loadout, const ShipSpecCore& ship, SpinStep step) {
    return StepCounted(loadout.marines, step, ship.marinesMax, ship.marines);
}

StepOutcome StepMines(Loadout& loadout, const ShipSpecCore& ship, SpinStep step) {
    return StepCounted(loadout.mines, step, ship.minesMax, ship.mines);
}

StepOutcome StepShuttles(Loadout& loadout, const ShipSpecCore& ship, SpinStep step) {
    return StepCounted(loadout.shuttlesTaken, step, ship.shuttlesMax, ship.shuttles);
}

StepOutcome StepRepairs(Loadout& loadout, const ShipSpecCore& ship, SpinStep step) {
    // Four times the standard figure, saturated so that a huge table value cannot overflow.
    const int64_t most = int64_t{4} * ship.repairs;
    const int32_t forwardStop = most > INT32_MAX   ? INT32_MAX
                                : most < INT32_MIN ? INT32_MIN
                                                   : static_cast<int32_t>(most);
    return StepCounted(loadout.repairs, step, forwardStop, ship.repairs);
}

StepOutcome StepMissileReloads(Loadout& loadout, SpinStep step) {
    return StepCounted(loadout.missileReloads, step, 4, 1);
}

StepOutcome StepMissileType(Loadout& loadout, SpinStep step) {
    switch (step) {
        case SpinStep::None:
            return {false, true};
        case SpinStep::Forward:
            if (loadout.missileTypeText == kMissileTypeIV)
                return {};
            loadout.missileTypeText = kMissileTypeIV;
            loadout.missileCapacity /= 2;
            return {true, true};
        case SpinStep::Back:
            if (loadout.missileTypeText == kMissileTypeI)
                return {};
            loadout.missileTypeText = kMissileTypeI;
            loadout.missileCapacity =
                static_cast<int32_t>(static_cast<uint32_t>(loadout.missileCapacity) * 2u);
            return {true, true};
    }
    return {};
}

StepOutcome StepMissileSpeed(Loadout& loadout, SpinStep step) {
    if (step == SpinStep::None)
        return {};
    const std::string& speed = loadout.missileSpeedText;
    if (step == SpinStep::Forward) {
        loadout.missileSpeedText = speed == kMissileSlow ? kMissileMedium : kMissileFast;
    } else {
        loadout.missileSpeedText = speed == kMissileFast ? kMissileMedium : kMissileSlow;
    }
    return {true, false};
}

StepOutcome StepFightersPerBay(Loadout& loadout, SpinStep step) {
    if (loadout.fighterBays == 0 || !loadout.hasFighterType)
        return {};
    // PFs are carried one to a bay; fighters and shuttles up to four.
    const int32_t forwardStop = loadout.fighterType->hullClass != 0 ? 1 : 4;
    const StepOutcome outcome = StepCounted(loadout.fightersPerBay, step, forwardStop, 1);
    if (outcome.changed)
        loadout.fighterCostText = ChosenFighterCostText(loadout);
    return outcome;
}

StepOutcome StepFighterType(Loadout& loadout, const Loadout::FighterList& fighters,
                            int32_t shipRace, SpinStep step) {
    if (loadout.fightersPerBay == 0 || loadout.fighterBays == 0 || !loadout.hasFighterType) {
        return {};
    }
    Loadout::FighterList::const_iterator next = loadout.fighterType;
    switch (step) {
        case SpinStep::None:
            return {false, true};
        case SpinStep::Forward:
            ++next;
            if (next == fighters.end())
                return {};
            break;
        case SpinStep::Back:
            if (next == fighters.begin())
                return {};
            --next;
            break;
    }
    if (next->race != shipRace)
        return {};
    loadout.fighterType = next;
    loadout.fighterTypeText = next->className;
    loadout.fighterCostText = ChosenFighterCostText(loadout);
    return {true, true};
}
