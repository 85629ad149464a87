#include "fleet/fleet_text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>
#include <vector>

#include "gamedata/missile_words.h"

namespace {

constexpr char kTitle[] = "Kestrivar fleet";
constexpr char kEmptyRecord[] = "(empty)";
constexpr int kMaxShipLines = 3;
// The characters of the text's own grammar: a name holding one is written in double quotes.
constexpr char kQuotedOnly[] = "\"(),;:\\";

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsUtf8Lead(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0xC2 && byte <= 0xF4;
}

// The length of the blank at `at`, 0 for none: a blank, a tab, or the non-breaking space that
// text copied from a web page has where its author typed a blank (0xA0 in the ANSI code page,
// C2 A0 in UTF-8; an A0 that ends another UTF-8 character, such as C3 A0, is no blank).
size_t BlankAt(const std::string& text, size_t at) {
    if (at >= text.size())
        return 0;
    const char c = text[at];
    if (c == ' ' || c == '\t')
        return 1;
    if (c == '\xC2' && at + 1 < text.size() && text[at + 1] == '\xA0')
        return 2;
    return c == '\xA0' && (at == 0 || !IsUtf8Lead(text[at - 1])) ? 1 : 0;
}

// The length of the blank that ends just before `end`, 0 for none.
size_t BlankBefore(const std::string& text, size_t end) {
    if (end == 0)
        return 0;
    const char c = text[end - 1];
    if (c == ' ' || c == '\t')
        return 1;
    if (c != '\xA0')
        return 0;
    if (end >= 2 && text[end - 2] == '\xC2')
        return 2;
    return end >= 2 && IsUtf8Lead(text[end - 2]) ? 0 : 1;
}

// The opening or closing double quote at `at`, plain or typographic (0x93 and 0x94 in the ANSI
// code page, E2 80 9C and E2 80 9D in UTF-8), as its length; 0 for none. Phones and forums turn
// a typed quote into either typographic one.
size_t QuoteAt(const std::string& text, size_t at) {
    if (at >= text.size())
        return 0;
    const char c = text[at];
    if (c == '"' || c == '\x93' || c == '\x94')
        return 1;
    return c == '\xE2' && text.compare(at + 1, 1, "\x80") == 0 &&
                   (text.compare(at + 2, 1, "\x9C") == 0 || text.compare(at + 2, 1, "\x9D") == 0)
               ? 3
               : 0;
}

// The length of a list mark at the start of a line with the blanks after it, 0 for none: "1."
// or "1)" and "#1" before a blank, "-", "*" or "+" before a blank, a bullet (0x95 in the ANSI
// code page, E2 80 A2 in UTF-8).
size_t ListMarkLength(const std::string& line) {
    size_t mark = 0;
    if (line.compare(0, 3, "\xE2\x80\xA2") == 0) {
        mark = 3;
    } else if (!line.empty() && line[0] == '\x95') {
        mark = 1;
    } else {
        size_t digits = line.empty() || line[0] != '#' ? 0 : 1;
        const size_t first = digits;
        while (digits < line.size() && digits - first < 3 && IsDigit(line[digits]))
            ++digits;
        if (first == 1 && digits > first)
            mark = digits;  // "#1"
        else if (first == 0 && digits > 0 && digits < line.size() &&
                 (line[digits] == '.' || line[digits] == ')'))
            mark = digits + 1;  // "1." or "1)"
        else if (!line.empty() && (line[0] == '-' || line[0] == '*' || line[0] == '+'))
            mark = 1;
        if (mark == 0 || BlankAt(line, mark) == 0)
            return 0;  // a mark of these stands before a blank
    }
    for (size_t blank = 0; (blank = BlankAt(line, mark)) > 0;)
        mark += blank;
    return mark;
}

// "1." or "1)" in front of a name, with no blank after it: a list mark the reader does not take.
bool StartsLikeListMark(const std::string& name) {
    size_t digits = 0;
    while (digits < name.size() && IsDigit(name[digits]))
        ++digits;
    return digits > 0 && digits < name.size() && (name[digits] == '.' || name[digits] == ')');
}

bool IsWordChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string HexByte(char c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned char>(c));
    return text;
}

// The words a count stands before, as the reader takes them: each also with an "s".
constexpr const char* kCountWords[] = {"reload", "marine", "mine", "repair", "shuttle", "bay"};

// A word of a name that the reader gives a loadout meaning to: a count word or "missile", with
// or without an "s", whatever punctuation is glued to either end, and perhaps with its count
// glued in front ("10marines", "+10x-marines").
bool IsItemWord(const std::string& word) {
    size_t start = 0;
    size_t end = word.size();
    while (start < end && !IsWordChar(word[start]))
        ++start;
    if (start < end && IsDigit(word[start])) {
        while (start < end && IsDigit(word[start]))
            ++start;
        if (start < end && (word[start] == 'x' || word[start] == 'X'))
            ++start;
        while (start < end && !IsWordChar(word[start]))
            ++start;
    }
    while (end > start && !IsWordChar(word[end - 1]))
        --end;
    std::string core = word.substr(start, end - start);
    for (char& c : core)
        c = Lower(c);
    if (!core.empty() && core.back() == 's')
        core.pop_back();
    return core == "missile" || std::any_of(std::begin(kCountWords), std::end(kCountWords),
                                            [&](const char* count) { return core == count; });
}

size_t HiddenItemAt(const std::string& name);

// ---- writing

// A ship name that ends in "x2" or "2x": a number of ships, which a line of the text never holds.
bool EndsLikeTimes(const std::string& name) {
    size_t start = name.size();
    while (start > 0 && BlankBefore(name, start) == 0)
        --start;
    const std::string word = name.substr(start);
    if (word.size() < 2)
        return false;
    const bool timesFirst = word.front() == 'x' || word.front() == 'X';
    const bool timesLast = word.back() == 'x' || word.back() == 'X';
    if (!timesFirst && !timesLast)
        return false;
    const std::string digits = timesFirst ? word.substr(1) : word.substr(0, word.size() - 1);
    return std::all_of(digits.begin(), digits.end(), IsDigit);
}

// Why a bare name would not read back as itself, or null: what reading takes off or stops at
// (blanks at either end, quoting and list marks, quotes), what it gives a meaning to (the
// grammar's own characters, words that read as a loadout item), and control characters. The
// writer quotes such a name; the reader refuses it bare.
bool NeedsQuotes(const std::string& name, bool fighter) {
    if (name.empty() || name.front() == '>' || name.front() == '\xA0' || name.back() == '\xA0' ||
        BlankAt(name, 0) > 0 || BlankBefore(name, name.size()) > 0)
        return true;
    for (size_t i = 0; i < name.size(); ++i) {
        if (IsControl(name[i]) || std::strchr(kQuotedOnly, name[i]) != nullptr ||
            QuoteAt(name, i) > 0)
            return true;
    }
    // A ship name stands at the start of its line, before a blank: "-" alone is a mark there.
    if (!fighter &&
        (ListMarkLength(name + " ") > 0 || StartsLikeListMark(name) || EndsLikeTimes(name)))
        return true;
    return HiddenItemAt(name) != std::string::npos;
}

std::string NameText(const std::string& name, bool fighter) {
    if (!NeedsQuotes(name, fighter))
        return name;
    std::string out = "\"";
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (IsControl(c) || QuoteAt(name, i) > 0) {
            out += "\\x" + HexByte(c);  // a typographic quote would end the name
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Counted(int32_t count, const char* singular) {
    return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

std::string Join(const std::vector<std::string>& items, const char* separator) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty())
            out += separator;
        out += item;
    }
    return out;
}

template <size_t N>
std::string MissileItem(const MissileWord (&words)[N], int32_t code, const char* suffix,
                        const char* field) {
    for (const MissileWord& word : words) {
        if (word.code == code)
            return word.word + std::string(suffix);
    }
    return std::string(field) + " " + std::to_string(code);
}

bool IsEmptyRecord(const FleetSlot& slot) {
    FleetSlot numbers = slot;
    std::memset(numbers.shipCode, 0, sizeof numbers.shipCode);
    std::memset(numbers.fighterType, 0, sizeof numbers.fighterType);
    return ShipCodeText(slot).empty() && FighterTypeText(slot).empty() && numbers == FleetSlot{};
}

std::string RecordText(const FleetSlot& slot) {
    if (IsEmptyRecord(slot))
        return kEmptyRecord;
    std::string line = NameText(ShipCodeText(slot), false) + " (BPV " +
                       std::to_string(slot.baseBpv) + ", adjusted " +
                       std::to_string(slot.adjustedBpv) + ")";

    std::vector<std::string> groups;
    if (slot.missileType != 1 || slot.missileSpeed != 1 || slot.missileReloads != 0) {
        groups.push_back(
            Join({MissileItem(kMissileTypeWords, slot.missileType, " missiles", "missile type"),
                  MissileItem(kMissileSpeedWords, slot.missileSpeed, "", "missile speed"),
                  Counted(slot.missileReloads, "reload")},
                 ", "));
    }
    std::vector<std::string> parts;
    const struct {
        int32_t count;
        const char* singular;
    } counted[] = {{slot.marinesTaken, "marine"},
                   {slot.minesTaken, "mine"},
                   {slot.repairsTaken, "repair"},
                   {slot.shuttlesTaken, "shuttle"}};
    for (const auto& part : counted) {
        if (part.count != 0)
            parts.push_back(Counted(part.count, part.singular));
    }
    if (!parts.empty())
        groups.push_back(Join(parts, ", "));
    const std::string fighter = FighterTypeText(slot);
    if (slot.fighterBays != 0 || slot.fightersPerBay != 0 || !fighter.empty()) {
        groups.push_back(Counted(slot.fighterBays, "bay") + " of " +
                         std::to_string(slot.fightersPerBay) +
                         (fighter.empty() ? "" : " " + NameText(fighter, true)));
    }
    if (slot.reserved != 0)
        groups.push_back("reserved " + std::to_string(slot.reserved));

    if (!groups.empty())
        line += ": " + Join(groups, "; ");
    return line;
}

// ---- reading

// Why a line is refused; ParseFleetText puts the line number in front.
struct Refusal {
    std::string reason;
};

// A stretch of the text in a message, in double quotes: at most 40 bytes, then "...", never
// cutting a UTF-8 character in two.
std::string Quoted(const std::string& text) {
    constexpr size_t kShown = 40;
    if (text.size() <= kShown)
        return "\"" + text + "\"";
    size_t cut = kShown;
    while (cut + 3 > kShown && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + text.substr(0, cut) + "...\"";
}

// One line, read from left to right. Words match without regard to letter case and only as
// whole words; blanks between tokens are skipped.
class LineReader {
  public:
    explicit LineReader(const std::string& line) : line_(&line) {}

    void SkipBlanks() {
        for (size_t blank = 0; (blank = BlankAt(*line_, pos_)) > 0;)
            pos_ += blank;
    }
    bool AtEnd() {
        SkipBlanks();
        return pos_ == line_->size();
    }
    char Peek() {
        SkipBlanks();
        return pos_ < line_->size() ? (*line_)[pos_] : '\0';
    }
    bool StartsNumber() {
        const char c = Peek();
        return IsDigit(c) || (c == '-' && pos_ + 1 < line_->size() && IsDigit((*line_)[pos_ + 1]));
    }
    // What is left of the line, for messages.
    std::string Rest() {
        SkipBlanks();
        return line_->substr(pos_);
    }

    bool Char(char c) {
        if (Peek() != c)
            return false;
        ++pos_;
        return true;
    }

    bool Word(const char* word) {
        SkipBlanks();
        const size_t length = std::strlen(word);
        if (line_->size() - pos_ < length)
            return false;
        for (size_t i = 0; i < length; ++i) {
            if (Lower((*line_)[pos_ + i]) != Lower(word[i]))
                return false;
        }
        if (pos_ + length < line_->size() && IsWordChar((*line_)[pos_ + length]))
            return false;
        pos_ += length;
        return true;
    }
    // "marine" or "marines", whatever the number.
    bool CountWord(const char* singular) {
        return Word((std::string(singular) + "s").c_str()) || Word(singular);
    }

    // A decimal integer with an optional minus sign, within [minimum, maximum].
    int64_t Number(int64_t minimum, int64_t maximum) {
        if (!StartsNumber())
            throw Refusal{"expected a number" + Where()};
        const size_t start = pos_;
        const bool negative = (*line_)[pos_] == '-';
        if (negative)
            ++pos_;
        int64_t magnitude = 0;
        bool tooLarge = false;
        while (pos_ < line_->size() && IsDigit((*line_)[pos_])) {
            magnitude = magnitude * 10 + ((*line_)[pos_++] - '0');
            if (magnitude > (int64_t{1} << 40)) {
                tooLarge = true;
                magnitude = 0;  // the digits still have to be passed over
            }
        }
        const int64_t value = negative ? -magnitude : magnitude;
        if (tooLarge || value < minimum || value > maximum) {
            throw Refusal{line_->substr(start, pos_ - start) + " is outside the 32-bit range"};
        }
        return value;
    }
    int32_t Int32() {
        return static_cast<int32_t>(
            Number(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    }

    bool AtQuote() {
        SkipBlanks();
        return QuoteAt(*line_, pos_) > 0;
    }

    // A bare name: up to the first of `stops` or the end of the line, without the blanks at
    // either end; it may be empty.
    std::string BareName(const char* stops) {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < line_->size() && std::strchr(stops, (*line_)[pos_]) == nullptr)
            ++pos_;
        size_t end = pos_;
        for (size_t blank = 0; (blank = BlankBefore(*line_, end)) > 0 && end - blank >= start;)
            end -= blank;
        return line_->substr(start, end - start);
    }

    // A name in double quotes, plain or typographic, with \" \\ and \xHH escapes; every other
    // byte stands for itself.
    std::string QuotedName(const char* what) {
        SkipBlanks();
        pos_ += QuoteAt(*line_, pos_);
        std::string name;
        while (pos_ < line_->size()) {
            if (const size_t quote = QuoteAt(*line_, pos_)) {
                pos_ += quote;
                return name;
            }
            const char c = (*line_)[pos_++];
            if (c != '\\') {
                name += c;
                continue;
            }
            const char escaped = pos_ < line_->size() ? (*line_)[pos_++] : '\0';
            if (escaped == '"' || escaped == '\\') {
                name += escaped;
            } else if ((escaped == 'x' || escaped == 'X') && pos_ + 2 <= line_->size() &&
                       std::isxdigit(static_cast<unsigned char>((*line_)[pos_])) &&
                       std::isxdigit(static_cast<unsigned char>((*line_)[pos_ + 1]))) {
                name += static_cast<char>(std::stoi(line_->substr(pos_, 2), nullptr, 16));
                pos_ += 2;
            } else {
                throw Refusal{std::string("the ") + what + " name has an unknown escape \\" +
                              (escaped == '\0' ? std::string() : std::string(1, escaped))};
            }
        }
        throw Refusal{std::string("the ") + what + " name has no closing quote"};
    }

    // True when the reader stands at the end of the line or at a blank.
    bool AtWordEnd() const { return pos_ == line_->size() || BlankAt(*line_, pos_) > 0; }

  private:
    std::string Where() {
        return AtEnd() ? " at the end of the line" : " before " + Quoted(Rest());
    }

    const std::string* line_;  // a pointer, so that a reader can be copied to try a match
    size_t pos_ = 0;
};

// The loadout fields, each of which a line may give once.
enum Field : unsigned {
    kType = 1u << 0,
    kSpeed = 1u << 1,
    kReloads = 1u << 2,
    kMarines = 1u << 3,
    kMines = 1u << 4,
    kRepairs = 1u << 5,
    kShuttles = 1u << 6,
    kFighters = 1u << 7,
    kReserved = 1u << 8,
};

const char* FieldName(Field field) {
    switch (field) {
        case kType:
            return "the missile type is";
        case kSpeed:
            return "the missile speed is";
        case kReloads:
            return "reloads are";
        case kMarines:
            return "marines are";
        case kMines:
            return "mines are";
        case kRepairs:
            return "repairs are";
        case kShuttles:
            return "shuttles are";
        case kFighters:
            return "fighters are";
        case kReserved:
            return "the reserved field is";
    }
    return "a field is";
}

class ShipLineReader {
  public:
    explicit ShipLineReader(const std::string& line) : in_(line) {}

    FleetSlot Read() {
        SetStoredField(slot_.shipCode, FleetSlot::kShipCodeSize,
                       Name("ship", FleetSlot::kShipCodeSize, "(", false));
        if (!in_.Char('(') || !in_.Word("BPV"))
            throw Refusal{"expected \"(BPV\" after the ship name"};
        slot_.baseBpv = in_.Int32();
        if (!in_.Char(',') || !in_.Word("adjusted"))
            throw Refusal{"expected \", adjusted\" after the BPV"};
        slot_.adjustedBpv = in_.Int32();
        if (!in_.Char(')'))
            throw Refusal{"expected \")\" after the adjusted BPV"};
        // What a ship without missile racks has unless the line says otherwise.
        slot_.missileType = 1;
        slot_.missileSpeed = 1;
        if (in_.AtEnd())
            return slot_;
        if (!in_.Char(':'))
            throw Refusal{"expected \":\" before the loadout, not " + Quoted(in_.Rest())};
        for (;;) {
            if (!in_.AtEnd() && in_.Peek() != ',' && in_.Peek() != ';')
                Item();
            if (in_.AtEnd())
                return slot_;
            if (!in_.Char(',') && !in_.Char(';'))
                throw Refusal{"expected \",\" or \";\" before " + Quoted(in_.Rest())};
        }
    }

    // True when the line, from its start, reads as one loadout item followed by a blank or the
    // end of the line.
    bool StartsWithItem() {
        try {
            Item();
        } catch (const Refusal&) {
            return false;
        }
        return in_.AtWordEnd();
    }

  private:
    // A name, quoted or bare, that fits a field of `fieldSize` bytes. It may fill the field: a
    // record read from a file holds such a name without a terminator.
    std::string Name(const char* what, size_t fieldSize, const char* stops, bool fighter) {
        const bool quoted = in_.AtQuote();
        const std::string name = quoted ? in_.QuotedName(what) : in_.BareName(stops);
        const std::string shown = std::string("the ") + what + " name";
        if (name.find('\0') != std::string::npos)
            throw Refusal{shown + " holds a zero byte (\\x00), which would end it"};
        // Only a name near a field's size is worth a closer look; the look costs the square of
        // its length.
        if (!quoted && name.size() <= 4 * fieldSize)
            CheckBareName(name, shown, fighter);
        if (name.size() > fieldSize) {
            throw Refusal{shown + " " + Quoted(name) + " has " + std::to_string(name.size()) +
                          " bytes; at most " + std::to_string(fieldSize) + " fit"};
        }
        return name;
    }

    // A bare name must read back as itself: what the grammar gives a meaning to is not
    // swallowed into it. Each refusal says what to do instead.
    static void CheckBareName(const std::string& name, const std::string& shown, bool fighter) {
        const std::string quote = "the whole name in double quotes";
        const size_t special = name.find_first_of(kQuotedOnly);
        if (special != std::string::npos && name[special] == ':') {
            throw Refusal{shown + " " + Quoted(name) + " holds ':'; a label in front of the " +
                          "name is not part of it: take it off, or put " + quote};
        }
        if (special != std::string::npos) {
            throw Refusal{shown + " " + Quoted(name) + " holds '" + name[special] +
                          "'; a name with one of \" ( ) , ; : \\ goes in double quotes"};
        }
        const size_t item = HiddenItemAt(name);
        if (item != std::string::npos) {
            throw Refusal{shown + " " + Quoted(name) + " runs into " + Quoted(name.substr(item)) +
                          (fighter ? ": put a comma before it, or "
                                   : ", which reads as a loadout item: the loadout goes after "
                                     "\"(BPV n, adjusted n):\", or put ") +
                          quote};
        }
        if (fighter)
            return;
        if (StartsLikeListMark(name)) {
            throw Refusal{shown + " " + Quoted(name) + " starts like a list mark (\"1.\" or " +
                          "\"1)\"): put a blank after the mark, or " + quote};
        }
        if (EndsLikeTimes(name)) {
            throw Refusal{shown + " " + Quoted(name) + " ends in a number of ships; a line " +
                          "holds one ship, so write a line for each, or put " + quote};
        }
    }

    void Set(Field field, int32_t& target, int32_t value) {
        if ((given_ & field) != 0)
            throw Refusal{std::string(FieldName(field)) + " given twice"};
        given_ |= field;
        target = value;
    }

    template <size_t N>
    bool MissileWords(const MissileWord (&words)[N], Field field, int32_t& target) {
        for (const MissileWord& word : words) {
            LineReader attempt = in_;
            bool matched = true;
            // "Type IV" is two words; match each.
            std::string text = word.word;
            size_t start = 0;
            while (matched && start < text.size()) {
                const size_t space = text.find(' ', start);
                const size_t end = space == std::string::npos ? text.size() : space;
                matched = attempt.Word(text.substr(start, end - start).c_str());
                start = end + 1;
            }
            if (matched) {
                in_ = attempt;
                Set(field, target, word.code);
                return true;
            }
        }
        return false;
    }

    void Item() {
        const std::string item = ItemText();
        if (in_.StartsNumber()) {
            const int32_t count = in_.Int32();
            const struct {
                const char* singular;
                Field field;
                int32_t& target;
            } counted[] = {{kCountWords[0], kReloads, slot_.missileReloads},
                           {kCountWords[1], kMarines, slot_.marinesTaken},
                           {kCountWords[2], kMines, slot_.minesTaken},
                           {kCountWords[3], kRepairs, slot_.repairsTaken},
                           {kCountWords[4], kShuttles, slot_.shuttlesTaken}};
            for (const auto& entry : counted) {
                if (in_.CountWord(entry.singular)) {
                    Set(entry.field, entry.target, count);
                    return;
                }
            }
            if (in_.CountWord(kCountWords[5])) {
                if (!in_.Word("of"))
                    throw Refusal{"expected \"of\" after " + Quoted(Counted(count, "bay"))};
                Set(kFighters, slot_.fighterBays, count);
                slot_.fightersPerBay = in_.Int32();
                SetStoredField(slot_.fighterType, FleetSlot::kFighterTypeSize,
                               Name("fighter", FleetSlot::kFighterTypeSize, ",;", true));
                return;
            }
        } else if (MissileWords(kMissileTypeWords, kType, slot_.missileType)) {
            if (!in_.Word("missiles"))
                in_.Word("missile");
            return;
        } else if (MissileWords(kMissileSpeedWords, kSpeed, slot_.missileSpeed)) {
            return;
        } else if (in_.Word("missile")) {
            if (in_.Word("type")) {
                Set(kType, slot_.missileType, in_.Int32());
                return;
            }
            if (in_.Word("speed")) {
                Set(kSpeed, slot_.missileSpeed, in_.Int32());
                return;
            }
        } else if (in_.Word("reserved")) {
            Set(kReserved, slot_.reserved, in_.Int32());
            return;
        }
        throw Refusal{Quoted(item) + " is not a loadout item"};
    }

    // The item ahead, up to the next separator, for messages.
    std::string ItemText() {
        std::string rest = in_.Rest();
        rest = rest.substr(0, rest.find_first_of(",;"));
        for (size_t blank = 0; (blank = BlankBefore(rest, rest.size())) > 0;)
            rest.resize(rest.size() - blank);
        return rest;
    }

    LineReader in_;
    FleetSlot slot_;
    unsigned given_ = 0;
};

// Where a bare name holds what reads as a loadout item, or npos: at the start of a word, an item
// as the reader reads it ("10 marines", "Fast", "Type I"), or a word the reader counts ("marines",
// "bays"...) or names missiles by, whatever is glued to it or to a count before it ("10
// marines.", "+10 marines", "10x marines", "ten marines", "Type 4 missiles"). A comma forgotten
// before an item, or an item in the name's place, is never swallowed into a name.
size_t HiddenItemAt(const std::string& name) {
    size_t previous = std::string::npos;  // the word before, when it holds a digit
    for (size_t at = 0; at < name.size();) {
        if (const size_t blank = BlankAt(name, at)) {
            at += blank;
            continue;
        }
        size_t end = at;
        while (end < name.size() && BlankAt(name, end) == 0)
            ++end;
        if (ShipLineReader(name.substr(at)).StartsWithItem())
            return at;
        if (IsItemWord(name.substr(at, end - at)))
            return previous != std::string::npos ? previous : at;
        const std::string word = name.substr(at, end - at);
        previous = std::any_of(word.begin(), word.end(), IsDigit) ? at : std::string::npos;
        at = end;
    }
    return std::string::npos;
}

std::string WithoutQuotingMarks(const std::string& line) {
    size_t start = 0;
    for (size_t blank = 0; (blank = BlankAt(line, start)) > 0 || start < line.size();) {
        if (blank > 0)
            start += blank;
        else if (line[start] == '>')
            ++start;
        else
            break;
    }
    return line.substr(start);
}

struct Reading {
    bool titled = false;
    bool counted = false;
    int countLine = 0;
    int32_t count = 0;
    int ships = 0;
    bool totalled = false;
    FleetFileContents contents;
};

void ReadLine(const std::string& raw, int lineNumber, Reading& reading) {
    for (char c : raw) {
        if (IsControl(c) && c != '\t')
            throw Refusal{"control character 0x" + HexByte(c) +
                          "; in a name in double quotes, write it as \\x" + HexByte(c)};
    }
    std::string line = WithoutQuotingMarks(raw);
    // A post's list marks in front of a line go as its quoting marks do.
    if (reading.titled)
        line.erase(0, ListMarkLength(line));
    LineReader in(line);
    if (in.AtEnd())
        return;
    if (!reading.titled) {
        if (!in.Word("Kestrivar") || !in.Word("fleet") || !in.AtEnd())
            throw Refusal{"not a fleet: its text starts with " + Quoted(kTitle)};
        reading.titled = true;
        return;
    }
    if (reading.totalled)
        throw Refusal{"nothing may follow the total"};

    // Only ship lines hold a parenthesis: every name that holds one is quoted.
    if (line.find('(') == std::string::npos) {
        LineReader countLine = in;
        LineReader totalLine = in;
        if (countLine.Word("Ship") && countLine.Word("count")) {
            in = countLine;
            if (reading.counted)
                throw Refusal{"the ship count is given twice"};
            if (reading.ships > 0)
                throw Refusal{"the ship count comes before the ships"};
            reading.count = in.Int32();
            reading.counted = true;
            reading.countLine = lineNumber;
        } else if (totalLine.Word("Total") && totalLine.Word("BPV")) {
            in = totalLine;
            // Three ships may add up to more than 32 bits hold.
            const int64_t limit = int64_t{3} << 31;
            const int64_t total = in.Number(-limit, limit);
            int64_t sum = 0;
            for (int i = 0; i < reading.ships; ++i)
                sum += reading.contents.records[static_cast<size_t>(i)].adjustedBpv;
            if (in.AtEnd() && total != sum) {
                throw Refusal{"the total is " + std::to_string(total) +
                              ", but the ships add up to " + std::to_string(sum)};
            }
            reading.totalled = true;
        } else {
            throw Refusal{Quoted(in.Rest()) + " is not a ship line: NAME (BPV n, adjusted n)"};
        }
        if (!in.AtEnd())
            throw Refusal{"unexpected " + Quoted(in.Rest()) + " at the end of the line"};
        return;
    }

    if (reading.ships == kMaxShipLines)
        throw Refusal{"a fleet holds at most three ships"};
    FleetSlot& record = reading.contents.records[static_cast<size_t>(reading.ships)];
    if (in.Char('(') && in.Word("empty") && in.Char(')') && in.AtEnd()) {
        record = FleetSlot{};
    } else {
        record = ShipLineReader(line).Read();
    }
    ++reading.ships;
}

}  // namespace

bool IsUtf16Text(const std::string& text) {
    if (text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0)
        return true;
    if (text.size() < 4)
        return false;
    const size_t checked = std::min<size_t>(text.size() & ~size_t{1}, 64);
    for (size_t parity = 0; parity < 2; ++parity) {
        bool zeros = true;
        for (size_t i = parity; i < checked && zeros; i += 2)
            zeros = text[i] == '\0';
        if (zeros)
            return true;
    }
    return false;
}

std::string FormatFleetText(const FleetFileContents& contents, const std::string& lineEnd) {
    const int listed = SlotsFilledByCount(contents.count);
    std::string text = std::string(kTitle) + lineEnd;
    if (contents.count != listed)
        text += "Ship count " + std::to_string(contents.count) + lineEnd;
    int64_t total = 0;
    for (int i = 0; i < listed; ++i) {
        const FleetSlot& record = contents.records[static_cast<size_t>(i)];
        text += RecordText(record) + lineEnd;
        total += record.adjustedBpv;
    }
    return text + "Total BPV " + std::to_string(total) + lineEnd;
}

std::string TooLongForFleetText(size_t size) {
    return "too long to be a fleet (" + std::to_string(size) + " bytes)";
}

std::string TooLongForFleetText() {
    return "too long to be a fleet (more than " + std::to_string(kMaxFleetTextSize) + " bytes)";
}

bool ParseFleetText(const std::string& text, FleetFileContents& contents, std::string& error) {
    if (text.size() > kMaxFleetTextSize) {
        error = TooLongForFleetText(text.size());
        return false;
    }
    if (IsUtf16Text(text)) {
        error = kFleetTextIsUtf16;
        return false;
    }
    Reading reading;
    int lineNumber = 0;
    try {
        // Line by line, CR LF, LF or CR alone, after an editor's UTF-8 mark if there is one.
        size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        while (start <= text.size()) {
            size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            ReadLine(text.substr(start, end - start), ++lineNumber, reading);
            start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        if (!reading.titled) {
            lineNumber = 1;
            throw Refusal{"the text is empty; a fleet's text starts with " + Quoted(kTitle)};
        }
        if (reading.counted) {
            const int wanted = SlotsFilledByCount(reading.count);
            if (reading.ships != wanted) {
                lineNumber = reading.countLine;
                throw Refusal{"ship count " + std::to_string(reading.count) + " fills " +
                              std::to_string(wanted) + " slots, so " + std::to_string(wanted) +
                              " ship lines must follow, not " + std::to_string(reading.ships)};
            }
        } else {
            reading.count = reading.ships;
        }
    } catch (const Refusal& refusal) {
        error = "line " + std::to_string(lineNumber) + ": " + refusal.reason;
        return false;
    }
    reading.contents.count = reading.count;
    contents = reading.contents;
    return true;
}
