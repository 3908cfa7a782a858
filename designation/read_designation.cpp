#include "designation/read_designation.h"

#include <algorithm>
#include <cstdio>

#include "designation/basic_designations.h"
#include "designation/canonical_designation.h"
#include "designation/maker_spellings.h"
#include "designation/old_codes.h"
#include "designation/written_text.h"

namespace lz::designation {
namespace {

using Role = WrittenPart::Role;

void addTo(std::vector<std::string>& list, std::string_view code) {
    list.emplace_back(code);
}

void apply(const Spelling& spelling, Reading& reading) {
    switch (spelling.feature) {
        case Feature::Sealing: {
            const SealingValue value = sealingValueOf(spelling.value);
            if (value.first != SideSealing::Open) {
                if (reading.sealing[0] == SideSealing::Open) {
                    reading.sealing = {value.first, value.second};
                } else if (reading.sealing[1] == SideSealing::Open &&
                           value.second == SideSealing::Open) {
                    reading.sealing[1] = value.first;
                } else {
                    reading.sealing = {value.first, value.second};
                }
                if (reading.sealing[1] > reading.sealing[0]) {
                    std::swap(reading.sealing[0], reading.sealing[1]);
                }
            }
            if (value.snapRing != SnapRing::None) {
                reading.snapRing = value.snapRing;
            }
            break;
        }
        case Feature::Design:
            if (reading.design.empty()) {
                reading.design = std::string(spelling.value);
            } else {
                addTo(reading.unwrittenCodes, spelling.text);
            }
            break;
        case Feature::Cage:
            if (reading.cage == CageKind::Unspecified) {
                reading.cage = spelling.cageKind;
                reading.cageCode = std::string(spelling.value);
            } else {
                addTo(reading.unwrittenCodes, spelling.text);
            }
            break;
        case Feature::Clearance: {
            const std::string_view v = spelling.value;
            reading.clearance = v == "C1"   ? Clearance::C1
                                : v == "C2" ? Clearance::C2
                                : v == "C3" ? Clearance::C3
                                : v == "C4" ? Clearance::C4
                                : v == "C5" ? Clearance::C5
                                : v == "CM" ? Clearance::CM
                                            : Clearance::Normal;
            break;
        }
        case Feature::Tolerance: {
            const std::string_view v = spelling.value;
            reading.tolerance = v == "P6"    ? Tolerance::P6
                                : v == "P6X" ? Tolerance::P6X
                                : v == "P5"  ? Tolerance::P5
                                : v == "P4"  ? Tolerance::P4
                                : v == "P2"  ? Tolerance::P2
                                             : Tolerance::Normal;
            break;
        }
        case Feature::TaperedBore:
            reading.taperedBore = std::string(spelling.value);
            break;
        case Feature::LubricationGroove:
            reading.lubricationGroove = true;
            break;
        case Feature::AdapterSleeve:
            reading.adapterSleeve = true;
            break;
        case Feature::Arrangement:
            reading.arrangement = std::string(spelling.value);
            break;
        case Feature::Material:
            reading.material = std::string(spelling.value);
            break;
        case Feature::Other:
            addTo(reading.otherCodes, spelling.text);
            break;
        case Feature::Prefix:
            reading.prefix = std::string(spelling.value);
            break;
        case Feature::Unwritten:
            addTo(reading.unwrittenCodes, spelling.text);
            break;
    }
}

// Whether a code that ends at `end` leaves a text that reads on: the end, a separator, or
// a code that does not give `feature` a second value ("JP5" is J and P5, not JP and 5;
// "CDB" is C and DB).
bool readsOn(std::string_view text, std::size_t end, BearingKind kind, Feature feature) {
    if (end >= text.size() || isSeparator(text[end]) || text[end] == '.') {
        return true;
    }
    const std::span<const Spelling> spellings = makerSpellings();
    int next[8];
    const std::size_t count = spellingsAt(text.substr(end), kind, next, std::size(next));
    for (std::size_t i = 0; i < count; ++i) {
        const Spelling& spelling = spellings[next[i]];
        const std::size_t after = end + spelling.text.size();
        if (isDigit(spelling.text.back()) && after < text.size() && isDigit(text[after])) {
            continue;
        }
        if (spelling.standsAlone && after < text.size() && !isSeparator(text[after])) {
            continue;
        }
        if (spelling.feature == feature && holdsOneValue(feature)) {
            continue;
        }
        return true;
    }
    return false;
}

// Reads the codes after the basic designation. Codes run together ("DDUC3", "ECML") are
// split so that each next one reads on, longest first; what no spelling matches is
// gathered, up to the next separator or known code of two letters or more, into one code
// kept as written ("GJN").
void readSuffixes(std::string_view text, std::size_t at, Reading& reading) {
    const std::span<const Spelling> spellings = makerSpellings();
    const BearingKind kind = reading.basic.kind;
    std::string unknown;
    auto keepUnknown = [&] {
        if (!unknown.empty()) {
            reading.parts.push_back({Role::Unknown, unknown, -1});
            reading.otherCodes.push_back(std::move(unknown));
            unknown.clear();
        }
    };
    while (at < text.size()) {
        const char c = text[at];
        if (isSeparator(c) || c == '.') {
            keepUnknown();
            ++at;
            continue;
        }
        const bool separated = isSeparator(text[at - 1]);
        int found[8];
        const std::size_t count = spellingsAt(text.substr(at), kind, found, std::size(found));
        int chosen = -1;
        int fallback = -1;
        for (std::size_t i = 0; i < count; ++i) {
            const Spelling& spelling = spellings[found[i]];
            const std::size_t end = at + spelling.text.size();
            if ((isDigit(spelling.text.back()) && end < text.size() && isDigit(text[end])) ||
                (!unknown.empty() && spelling.text.size() < 2) ||
                (spelling.standsAlone && end < text.size() && !isSeparator(text[end])) ||
                (spelling.afterSeparator && !separated)) {
                continue;
            }
            if (readsOn(text, end, kind, spelling.feature)) {
                chosen = found[i];
                break;
            }
            if (fallback < 0) {
                fallback = found[i];
            }
        }
        if (chosen < 0) {
            chosen = fallback;
        }
        if (chosen < 0) {
            unknown += c;
            ++at;
            continue;
        }
        keepUnknown();
        const Spelling& spelling = spellings[chosen];
        apply(spelling, reading);
        reading.parts.push_back(
            {Role::Code, std::string(spelling.text), static_cast<std::int16_t>(chosen)});
        at += spelling.text.size();
    }
    keepUnknown();
}

// Where a seal count may be glued to the digits before it ("62052RS", "619/6302RS",
// "NA69122RS"): the position of that 2, before the first letter that follows digits.
std::optional<std::size_t> gluedSealCount(std::string_view text) {
    for (std::size_t at = 1; at < text.size(); ++at) {
        if (!isLetter(text[at]) || !isDigit(text[at - 1])) {
            continue;
        }
        std::size_t run = at;
        while (run > 0 && isDigit(text[run - 1])) {
            --run;
        }
        if (at - run >= 2 && text[at - 1] == '2') {
            return at - 1;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// The reading whose basic designation begins at `at`, after the prefixes in `prefixes`.
// With `split`, the basic designation must end at the separator put in there and a seal
// code with its count must follow, taking the letters a code without the count takes.
bool readAt(std::string_view text, std::size_t at, std::span<const int> prefixes,
            std::optional<std::size_t> split, Reading& reading) {
    BasicRead read;
    if (!readBasic(text, at, read)) {
        return false;
    }
    BasicRead* basic = &read;
    const std::span<const Spelling> spellings = makerSpellings();
    for (const int prefix : prefixes) {
        if ((spellings[prefix].kinds & kindBit(basic->basic.kind)) == 0) {
            return false;
        }
    }
    if (split) {
        const BearingKind kind = basic->basic.kind;
        const std::size_t count = *split + 1;
        const int glued = longestSpellingAt(text.substr(count), kind);
        if (basic->end != *split || glued < 0 || spellings[glued].feature != Feature::Sealing ||
            spellings[glued].text[0] != '2') {
            return false;
        }
        const int alone = longestSpellingAt(text.substr(count + 1), kind);
        if (alone >= 0 && spellings[alone].text.size() + 1 != spellings[glued].text.size()) {
            return false;  // "6332ZZ" is no 633-2Z plus a Z
        }
    }
    reading.parts.reserve(8);
    for (const int prefix : prefixes) {
        apply(spellings[prefix], reading);
        reading.parts.push_back(
            {Role::Prefix, std::string(spellings[prefix].text), static_cast<std::int16_t>(prefix)});
    }
    reading.basic = std::move(basic->basic);
    for (WrittenPart& part : basic->parts) {
        reading.parts.push_back(std::move(part));
    }
    if (!basic->cup.empty()) {
        reading.unwrittenCodes.emplace_back(basic->cup);
    }
    readSuffixes(text, basic->end, reading);
    if (reading.tolerance == Tolerance::Normal && reading.arrangement.empty()) {
        reading.tolerance = basic->impliedTolerance;
    }
    return true;
}

// The reading of the whole text, with up to two prefixes before the basic designation
// ("HY S 71802 C", "SUCP205", "B71800").
bool readFrom(std::string_view text, std::optional<std::size_t> split, Reading& reading) {
    if (readAt(text, 0, {}, split, reading)) {
        return true;
    }
    const std::span<const Spelling> spellings = makerSpellings();
    int prefixes[2];
    auto tryAt = [&](std::size_t at, std::size_t count) {
        reading = Reading();
        return readAt(text, at, std::span(prefixes, count), split, reading);
    };
    for (std::size_t first = 0; first < spellings.size(); ++first) {
        if (!spellings[first].beforeBasic || !text.starts_with(spellings[first].text)) {
            continue;
        }
        std::size_t at = spellings[first].text.size();
        at += at < text.size() && isSeparator(text[at]) ? 1 : 0;
        prefixes[0] = static_cast<int>(first);
        if (tryAt(at, 1)) {
            return true;
        }
        const std::string_view rest = text.substr(at);
        for (std::size_t second = 0; second < spellings.size(); ++second) {
            if (!spellings[second].beforeBasic || !rest.starts_with(spellings[second].text)) {
                continue;
            }
            std::size_t next = at + spellings[second].text.size();
            next += next < text.size() && isSeparator(text[next]) ? 1 : 0;
            prefixes[1] = static_cast<int>(second);
            if (tryAt(next, 2)) {
                return true;
            }
        }
    }
    return false;
}

std::string describeSealing(const Reading& reading) {
    const std::string code = sealingCode(reading);
    if (code.empty()) {
        return "开式";
    }
    return code;
}

std::string splitLabel(const Reading& reading) {
    std::string label = "按 " + canonicalDesignation(reading) + " 读";
    if (reading.basic.boreMm) {
        char mm[32];
        std::snprintf(mm, sizeof mm, "%g", *reading.basic.boreMm);
        label += "（内径 ";
        label += mm;
        label += " mm，";
        label += describeSealing(reading);
        label += "）";
    }
    return label;
}

// Appends the readings of `text` as written to `readings`: as it stands and, where a seal
// count may be glued on, with the separator put in. Where both read, the catalogue (when
// given) keeps those whose basic designation it holds, the better held first, and each is
// labelled. `firstOnly` keeps the best one alone.
void readingsAsWritten(std::string_view text, const CatalogueKnowledge* catalogue, bool firstOnly,
                       std::vector<Reading>& readings) {
    const std::size_t first = readings.size();
    readings.emplace_back();
    if (!readFrom(text, std::nullopt, readings.back())) {
        readings.pop_back();
    }
    const std::optional<std::size_t> glued = gluedSealCount(text);
    if (!glued) {
        return;
    }
    // The same text with the separator put in before the seal count.
    WrittenText separated;
    separated.assign(text.substr(0, *glued));
    separated.push('-');
    for (const char c : text.substr(*glued)) {
        separated.push(c);
    }
    if (separated.size() != text.size() + 1) {
        return;
    }
    readings.emplace_back();
    if (!readFrom(separated.view(), *glued, readings.back())) {
        readings.pop_back();
        return;
    }
    readings.back().source = ReadingSource::SeparatorAssumed;
    if (readings.size() - first < 2) {
        return;
    }
    // Both read: the split is readings[first + 1].
    struct Ranked {
        CatalogueKnowledge::HeldBy held;
        bool split;
    };
    Ranked ranked[2] = {{{}, false}, {{}, true}};
    if (catalogue != nullptr) {
        ranked[0].held = catalogue->held(readings[first]);
        ranked[1].held = catalogue->held(readings[first + 1]);
    }
    using Held = CatalogueKnowledge::Held;
    const bool anyHeld =
        ranked[0].held.level != Held::Nothing || ranked[1].held.level != Held::Nothing;
    // The better held first, then the one of more rows; between equals the split, as
    // orders are typed ("62052RS").
    const bool splitFirst = ranked[1].held.level != ranked[0].held.level
                                ? ranked[1].held.level > ranked[0].held.level
                                : ranked[1].held.rows >= ranked[0].held.rows;
    if (splitFirst) {
        std::swap(readings[first], readings[first + 1]);
        std::swap(ranked[0], ranked[1]);
    }
    if (firstOnly || (anyHeld && ranked[1].held.level == Held::Nothing)) {
        readings.pop_back();
        return;
    }
    readings[first].label = splitLabel(readings[first]);
    readings[first + 1].label = splitLabel(readings[first + 1]);
}

void addOldCodeReadings(std::string_view text, const CatalogueKnowledge* catalogue,
                        std::vector<Reading>& readings) {
    if (!looksLikeOldCode(text)) {
        return;
    }
    const WrittenPart oldPart{Role::OldCode, std::string(text), -1};
    const std::span<const std::string> paired =
        catalogue != nullptr ? catalogue->newDesignationsOf(text) : std::span<const std::string>();
    for (const std::string& designation : paired) {
        WrittenText reducedPair;
        reduceWrittenText(designation, reducedPair);
        std::vector<Reading> read;
        readingsAsWritten(reducedPair.view(), catalogue, true, read);
        if (read.empty()) {
            continue;
        }
        Reading& reading = read.front();
        reading.source = ReadingSource::OldCodeCatalogue;
        reading.oldCode = std::string(text);
        reading.label =
            "旧型号 " + std::string(text) + "，目录对应 " + canonicalDesignation(reading);
        reading.parts.insert(reading.parts.begin(), oldPart);
        readings.push_back(std::move(reading));
    }
    if (!paired.empty()) {
        return;
    }
    const std::optional<std::string> designation = newDesignationOfOldCode(text);
    if (!designation) {
        return;
    }
    WrittenText reduced;
    reduceWrittenText(*designation, reduced);
    std::vector<Reading> read;
    readingsAsWritten(reduced.view(), nullptr, true, read);
    if (read.empty()) {
        return;
    }
    Reading& reading = read.front();
    reading.source = ReadingSource::OldCodeByRule;
    reading.oldCode = std::string(text);
    reading.label =
        "旧型号 " + std::string(text) + "，按规则推算为 " + canonicalDesignation(reading);
    reading.parts.insert(reading.parts.begin(), oldPart);
    readings.push_back(std::move(reading));
}

DesignationReadings readAll(std::string_view text, const CatalogueKnowledge* catalogue) {
    DesignationReadings result;
    WrittenText reduced;
    if (reduceWrittenText(text, reduced) != WrittenTextOutcome::Readable) {
        result.message = std::string(kUnrecognizedDesignation);
        return result;
    }
    std::vector<Reading> readings;
    readings.reserve(4);
    readingsAsWritten(reduced.view(), catalogue, false, readings);
    const std::size_t asWritten = readings.size();
    addOldCodeReadings(reduced.view(), catalogue, readings);
    // A code that is also a designation of today reads as one first, unless that reading
    // leaves codes unknown ("7205E": an old code of 30205, no angular contact bearing).
    if (asWritten > 0 && readings.size() > asWritten && !readings.front().otherCodes.empty()) {
        std::rotate(readings.begin(), readings.begin() + static_cast<std::ptrdiff_t>(asWritten),
                    readings.end());
    }
    std::vector<std::string> seen;
    for (Reading& reading : readings) {
        std::string canonical = canonicalDesignation(reading);
        if (std::find(seen.begin(), seen.end(), canonical) != seen.end()) {
            continue;
        }
        seen.push_back(std::move(canonical));
        result.readings.push_back(std::move(reading));
    }
    if (result.readings.empty()) {
        result.message = std::string(kUnrecognizedDesignation);
    }
    return result;
}

}  // namespace

DesignationReadings readDesignation(std::string_view text) {
    return readAll(text, nullptr);
}

DesignationReadings readDesignation(std::string_view text, const CatalogueKnowledge& catalogue) {
    return readAll(text, &catalogue);
}

std::optional<Reading> readAsWritten(std::string_view text, const CatalogueKnowledge* catalogue) {
    WrittenText reduced;
    if (reduceWrittenText(text, reduced) != WrittenTextOutcome::Readable) {
        return std::nullopt;
    }
    // Most texts have no seal count glued on: read them in place.
    if (!gluedSealCount(reduced.view())) {
        std::optional<Reading> reading(std::in_place);
        if (!readFrom(reduced.view(), std::nullopt, *reading)) {
            return std::nullopt;
        }
        return reading;
    }
    std::vector<Reading> readings;
    readings.reserve(2);
    readingsAsWritten(reduced.view(), catalogue, true, readings);
    if (readings.empty()) {
        return std::nullopt;
    }
    return std::move(readings.front());
}

}  // namespace lz::designation
