#include "gamedata/missile_words.h"

#include <algorithm>
#include <iterator>

const char kMissileTypeI[] = "Type I";
const char kMissileTypeIV[] = "Type IV";
const char kMissileSlow[] = "Slow";
const char kMissileMedium[] = "Medium";
const char kMissileFast[] = "Fast";

const MissileWord kMissileTypeWords[2] = {{kMissileTypeIV, 4}, {kMissileTypeI, 1}};
const MissileWord kMissileSpeedWords[3] = {
    {kMissileSlow, 1}, {kMissileMedium, 2}, {kMissileFast, 3}};

namespace {

template <size_t N>
bool HasCode(const MissileWord (&words)[N], int32_t code) {
    return std::any_of(std::begin(words), std::end(words),
                       [code](const MissileWord& word) { return word.code == code; });
}

}  // namespace

int32_t MissileTypeCode(const std::string& typeText) {
    return typeText == kMissileTypeI ? 1 : 4;
}

const char* MissileTypeText(int32_t typeCode) {
    return typeCode == 1 ? kMissileTypeI : kMissileTypeIV;
}

int32_t MissileSpeedCode(const std::string& speedText) {
    if (speedText == kMissileSlow)
        return 1;
    return speedText == kMissileMedium ? 2 : 3;
}

const char* MissileSpeedText(int32_t speedCode) {
    if (speedCode == 1)
        return kMissileSlow;
    return speedCode == 2 ? kMissileMedium : kMissileFast;
}

bool IsPickerMissileType(int32_t code) {
    return HasCode(kMissileTypeWords, code);
}

bool IsPickerMissileSpeed(int32_t code) {
    return HasCode(kMissileSpeedWords, code);
}
