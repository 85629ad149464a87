#include "tool/fleet_report.h"

#include <cstdint>

#include "fleet/fleet_file.h"
#include "fleet/fleet_file_codec.h"
#include "picker/loadout.h"
#include "tool/report_text.h"

namespace {

// The ship Load opens the picker on: the first of that exact class name in the mode's order.
// Normal mode is looked at first.
const ShipSpec* FindOffered(const GameData& game, const std::string& shipCode, bool& sectorAssault,
                            int& position) {
    for (const bool mode : {false, true}) {
        position = 0;
        for (const ShipSpec* ship : game.offered[mode ? 1 : 0]) {
            ++position;
            if (ship->className == shipCode) {
                sectorAssault = mode;
                return ship;
            }
        }
    }
    return nullptr;
}

std::string Plural(int32_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// What a name field holds that the game may read otherwise than the picker meant: a name that
// fills the field leaves no terminator, and a control byte is no part of any class name.
void AddNameFindings(const std::string& where, const char* what, const char* field, size_t size,
                     std::vector<std::string>& findings) {
    const std::string name = FieldText(field, size);
    if (name.size() == size) {
        findings.push_back(where + "the " + what + " name fills all " + std::to_string(size) +
                           " bytes of its field with no terminating zero: the game may read "
                           "past it");
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            findings.push_back(where + "the " + what + " name holds the control byte " +
                               Printable(std::string(1, c)));
            break;
        }
    }
}

// A missile code the picker never writes, which the game may take for another.
void AddMissileFindings(const std::string& where, const FleetSlot& slot,
                        std::vector<std::string>& findings) {
    if (!IsPickerMissileType(slot.missileType)) {
        findings.push_back(where + "missile type " + std::to_string(slot.missileType) +
                           " is a code the picker never writes (1 Type I, 4 Type IV)");
    }
    if (!IsPickerMissileSpeed(slot.missileSpeed)) {
        findings.push_back(where + "missile speed " + std::to_string(slot.missileSpeed) +
                           " is a code the picker never writes (1 Slow, 2 Medium, 3 Fast)");
    }
}

// One record as the main dialog and the picker show it; adds the findings about it.
void PrintSlot(const GameData& game, const std::string& path, int slotNumber, const FleetSlot& slot,
               bool inFile, std::vector<std::string>& findings, std::ostream& out) {
    const std::string shipCode = ShipCodeText(slot);
    const std::string where = path + ": slot " + std::to_string(slotNumber) + ": ";
    out << "slot " << slotNumber << ": " << Printable(shipCode);
    if (slot == FleetSlot()) {
        out << " (an empty record)\n";
        findings.push_back(where + "-: an empty record: the count fills slot " +
                           std::to_string(slotNumber) + ", but the file " +
                           (inFile ? "holds an all-zero record for it" : "ends before its record") +
                           "; Load shows it with no ship and BPV 0");
        return;
    }
    bool sectorAssault = false;
    int position = 0;
    const ShipSpec* ship = FindOffered(game, shipCode, sectorAssault, position);
    if (ship)
        out << " (" << ModeName(sectorAssault) << ", position " << position << " of "
            << game.offered[sectorAssault ? 1 : 0].size() << ")";
    out << "\n  BPV " << slot.baseBpv << ", adjusted BPV " << slot.adjustedBpv << "\n";
    out << "  marines " << slot.marinesTaken << ", mines " << slot.minesTaken << ", repairs "
        << slot.repairsTaken << ", shuttles " << slot.shuttlesTaken << "\n";

    // What the picker shows for this record, on today's tables.
    Loadout loadout;
    if (ship) {
        loadout = DefaultLoadout(*ship, game.fighters.mainList);
        ApplySlotLoadout(loadout, slot, game.fighters.mainList);
        RecomputeMissileCount(loadout);
    }
    out << "  missiles " << MissileTypeText(slot.missileType);
    if (slot.missileType != 1 && slot.missileType != 4)
        out << " (stored as " << slot.missileType << ")";
    out << ", " << MissileSpeedText(slot.missileSpeed);
    if (slot.missileSpeed < 1 || slot.missileSpeed > 3)
        out << " (stored as " << slot.missileSpeed << ")";
    out << ", " << Plural(slot.missileReloads, "reload", "reloads");
    if (ship)
        out << (loadout.missileCapacity == 0
                    ? ", no missile racks"
                    : ", " + Plural(loadout.missileCount, "missile", "missiles"));
    out << "\n  fighters ";
    if (slot.fighterBays == 0 || slot.fightersPerBay == 0) {
        out << "none";
        if (ship && loadout.fighterBays != 0)
            out << " stored; the picker shows the ship's own";
    } else {
        out << Plural(slot.fighterBays, "bay", "bays") << " of " << slot.fightersPerBay << " "
            << Printable(FighterTypeText(slot));
        if (ship && !loadout.fighterCostText.empty() &&
            loadout.fighterTypeText == FighterTypeText(slot))
            out << ", cost " << loadout.fighterCostText;
        else if (ship)
            out << " (not in the fighter catalogue; the picker shows the ship's own type)";
    }
    out << "\n";

    const std::string shipWhere = where + Printable(shipCode) + ": ";
    AddNameFindings(shipWhere, "ship", slot.shipCode, FleetSlot::kShipCodeSize, findings);
    AddNameFindings(shipWhere, "fighter", slot.fighterType, FleetSlot::kFighterTypeSize, findings);
    AddMissileFindings(shipWhere, slot, findings);
    if (!ship) {
        findings.push_back(shipWhere +
                           "no mode offers this ship on these tables: Load opens the picker on "
                           "the first ship, with its own loadout");
        return;
    }
    const int32_t adjusted = AdjustedBpv(*ship, loadout);
    if (adjusted != slot.adjustedBpv) {
        std::string text = shipWhere + "adjusted BPV " + std::to_string(slot.adjustedBpv) +
                           " in the file, but the picker computes " + std::to_string(adjusted) +
                           " for this loadout on these tables";
        if (ship->bpv != slot.baseBpv)
            text += " (BPV " + std::to_string(slot.baseBpv) + " in the file, " +
                    std::to_string(ship->bpv) + " now)";
        findings.push_back(text);
    }
}

}  // namespace

int PrintFleetReport(const GameData& game, const std::string& path,
                     const std::vector<unsigned char>& bytes, std::ostream& out) {
    std::vector<std::string> findings;
    FleetFileContents contents;
    switch (DecodeFleetFile(bytes.data(), bytes.size(), contents)) {
        case FleetFileKind::kTooShort:
            out << path << ": " << bytes.size() << " bytes\n";
            findings.push_back(path + ": too short for a release number and a count (" +
                               std::to_string(kFleetHeaderSize) + " bytes): Load loads nothing");
            break;
        case FleetFileKind::kOtherRelease: {
            const auto release = static_cast<int32_t>(ReadLittleEndian32(bytes.data()));
            out << path << ": release " << release << "\n";
            findings.push_back(path + ": release " + std::to_string(release) + ", not " +
                               std::to_string(kFleetFileVersion) + ": Load refuses it (\"" +
                               kIncompatibleReleaseMessage + "\") and loads nothing");
            break;
        }
        case FleetFileKind::kFleet: {
            const int filled = SlotsFilledByCount(contents.count);
            out << path << ": release " << kFleetFileVersion << ", count " << contents.count;
            if (filled == 0)
                out << ": no ships; Load leaves the slots as they are\n";
            else
                out << ": Load fills "
                    << (filled == 1 ? std::string("slot 1")
                                    : "slots 1 to " + std::to_string(filled))
                    << "\n";
            int64_t total = 0;
            for (int i = 0; i < filled; ++i) {
                const size_t offset = kFleetHeaderSize + static_cast<size_t>(i) * kFleetSlotSize;
                PrintSlot(game, path, i + 1, contents.records[static_cast<size_t>(i)],
                          offset < bytes.size(), findings, out);
                total += contents.records[static_cast<size_t>(i)].adjustedBpv;
            }
            if (filled != 0)
                out << "total adjusted BPV " << total << "\n";
            break;
        }
    }
    for (const std::string& finding : findings)
        out << finding << "\n";
    out << FindingsCount(findings.size()) << "\n";
    return static_cast<int>(findings.size());
}
