#pragma once

#include <cstdint>

#include "gamedata/ship_spec.h"
#include "picker/loadout.h"

// Direction of one spin notification. Up-down controls keep their default range (100 down to
// 0), so the arrow that increases reports a negative change: a negative delta is a forward step.
enum class SpinStep { None, Forward, Back };
SpinStep StepFromDelta(int delta);

// What a spin handler reports back: whether the value changed (so the point value must be
// recomputed) and the result to store for the up-down control (true: the step was handled).
struct StepOutcome {
    bool changed = false;
    bool handled = false;
};

// One step of a counted value between a back stop (the ship's standard figure) and a forward stop
// (its maximum). A value at or beyond a stop never moves further out of range.
StepOutcome StepCounted(int32_t& value, SpinStep step, int32_t forwardStop, int32_t backStop);

// The five counted spins.
StepOutcome StepMarines(Loadout& loadout, const ShipSpecCore& ship, SpinStep step);
StepOutcome StepMines(Loadout& loadout, const ShipSpecCore& ship, SpinStep step);
StepOutcome StepShuttles(Loadout& loadout, const ShipSpecCore& ship, SpinStep step);
StepOutcome StepRepairs(Loadout& loadout, const ShipSpecCore& ship, SpinStep step);
StepOutcome StepMissileReloads(Loadout& loadout, SpinStep step);

// "Type I" <-> "Type IV"; the capacity halves going forward and doubles coming back.
StepOutcome StepMissileType(Loadout& loadout, SpinStep step);

// "Slow" <-> "Medium" <-> "Fast", staying at either end. Every non-zero step asks for a
// recompute, and the step is never reported as handled.
StepOutcome StepMissileSpeed(Loadout& loadout, SpinStep step);

// Fighters per bay, 1 up to 4 (1 for a PF). Acts only with fighters on show; updates the cost.
StepOutcome StepFightersPerBay(Loadout& loadout, SpinStep step);

// The neighbouring fighter type in the fighter catalogue, only within the ship's own race.
StepOutcome StepFighterType(Loadout& loadout, const Loadout::FighterList& fighters,
                            int32_t shipRace, SpinStep step);
