#pragma once

#include <cstdint>
#include <string>

#include "platform/file_replace.h"

// The five values of the game's Sector Assault mission that the main dialog edits, kept in the
// game's scripts.ini (the scripts directory of the game's install, section
// "Mul_HumanVezireZaradud"), each field under the key of its name. A new record holds zeros.
// Only these five keys are read and written; every other line of the file stays as it is.
class VezireZaradudSettings {
  public:
    // One bit per key, for writing only some of them.
    enum Key : unsigned {
        kDefSatsKey = 1u << 0,
        kFRDsKey = 1u << 1,
        kPlanetTypeKey = 1u << 2,
        kBaseDamageKey = 1u << 3,
        kPlanetDamageKey = 1u << 4,
        kAllKeys = (1u << 5) - 1,
    };

    int32_t GetDefSats() const { return DefSats; }
    void SetDefSats(int32_t value) { DefSats = value; }
    int32_t GetFRDs() const { return FRDs; }
    void SetFRDs(int32_t value) { FRDs = value; }
    int32_t GetPlanetType() const { return PlanetType; }
    void SetPlanetType(int32_t value) { PlanetType = value; }
    int32_t GetBaseDamage() const { return BaseDamage; }
    void SetBaseDamage(int32_t value) { BaseDamage = value; }
    int32_t GetPlanetDamage() const { return PlanetDamage; }
    void SetPlanetDamage(int32_t value) { PlanetDamage = value; }

    // Fills all five fields from the file: a key's text (at most 63 characters) read as atoi
    // does; a missing key, an empty value or a missing file reads as 0. False, with the fields
    // unchanged, when the game's registry entry is missing.
    bool Read();

    // Stores all five fields ("%d") in one replacement of the file: either all five are stored
    // or, on any failure, none, and the file stays as it was (or, where even putting its old
    // bytes back failed, the result says it may be damaged). Not replaced when the game's
    // registry entry is missing (nothing written) or the file cannot be written.
    platform::ReplaceResult Write() const { return WriteKeys(kAllKeys); }

    // As Write, for the keys whose bits are set in `keys` only; the others keep what the file
    // holds (a list without a selection has no value to store).
    platform::ReplaceResult WriteKeys(unsigned keys) const;

    // The file's full Windows path; false when the game's registry entry is missing.
    static bool GetFilePath(std::string& path);

  private:
    int32_t DefSats = 0;
    int32_t FRDs = 0;
    int32_t PlanetType = 0;
    int32_t BaseDamage = 0;
    int32_t PlanetDamage = 0;

    struct Entry;
    static const Entry kEntries[5];
};
