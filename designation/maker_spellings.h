#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "designation/reading.h"

namespace lz::designation {

// Which bearing kinds a spelling applies to: one bit per BearingKind.
using KindMask = std::uint32_t;

constexpr KindMask kindBit(BearingKind kind) {
    return KindMask{1} << static_cast<unsigned>(kind);
}

// What a code after (or before) the basic designation stands for.
enum class Feature : std::uint8_t {
    Prefix,             // a prefix the common writing keeps ("S" stainless)
    Sealing,            // seals and shields, with or without a snap ring ("2RS", "ZNR")
    Design,             // internal design and contact angle ("E", "CA", "AC")
    Cage,               // value: common cage code; cageKind says which kind
    Clearance,          // value: "C1" ... "C5", "CM", "" for normal
    Tolerance,          // value: "P6", "P6X", "P5", "P4", "P2", "" for normal
    TaperedBore,        // "K", "K30"
    LubricationGroove,  // value "W33"
    AdapterSleeve,      // "+H"
    Arrangement,        // "DB", "DF", "DT"
    Material,           // "HQ1"
    Other,              // grease, noise, heat treatment ...: kept as written
    Unwritten,          // a maker's code that the common writing leaves out
};

// One way of writing one feature: the code as makers write it (upper case, no
// separators), the bearing kinds it is read on, what it means in the common writing, and
// whose writing it is. Maker spellings are this data, not branches in the reader.
struct Spelling {
    std::string_view text;
    KindMask kinds;
    Feature feature;
    std::string_view value;  // the common code it stands for ("2RS", "AC", "M", "P4")
    std::string_view maker;  // "" for the common writing; several makers joined by "、"
    std::string_view note;   // what else to say about it ("低摩擦"; where the catalogue decided)
    CageKind cageKind = CageKind::Unspecified;
    bool beforeBasic = false;     // written before the basic designation
    bool standsAlone = false;     // only before a separator or at the end (SKF's "CD/P4A")
    bool afterSeparator = false;  // only after a separator (FAG's "7205-E-TVP")
};

// The whole table, in order of preference within one feature and maker (a maker's first
// spelling of a feature is the one an explanation quotes).
std::span<const Spelling> makerSpellings();

// The longest spelling that `text` starts with and that applies to `kind`; -1 for none.
// Prefix spellings are matched only when `prefixes` is true, the others only when it is
// false.
int longestSpellingAt(std::string_view text, BearingKind kind, bool prefixes = false);

// Every spelling after the basic designation that `text` starts with and that applies to
// `kind`, longest first, up to `capacity` of them; their number.
std::size_t spellingsAt(std::string_view text, BearingKind kind, int* found, std::size_t capacity);

// Whether a reading holds one value of the feature only, so that a second code of it
// cannot follow the first in one run of letters ("CD" then "B" is no reading of "CDB").
bool holdsOneValue(Feature feature);

// The sides and snap ring a Sealing value ("2RS", "ZNR", "NR") stands for.
struct SealingValue {
    SideSealing first = SideSealing::Open;
    SideSealing second = SideSealing::Open;
    SnapRing snapRing = SnapRing::None;
};
SealingValue sealingValueOf(std::string_view value);

// Makers whose maker names may stand before or after a designation and are dropped:
// "SKF 6205-2RS1", "6205DDU NSK".
bool isMakerName(std::string_view word);

// A bearing kind's name in Chinese.
std::string_view kindName(BearingKind kind);

}  // namespace lz::designation
