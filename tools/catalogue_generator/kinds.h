#pragma once

#include <array>
#include <string>
#include <vector>

namespace catgen {

// The bearing types of the catalogue (`btype`), in the order a brand's rows are listed.
enum class Kind {
    DeepGroove,
    Miniature,
    ThinSection,
    AngularContact,
    SelfAligning,
    Cylindrical,
    SphericalRoller,
    Tapered,
    Untyped,  // btype NULL: mostly inch tapered sets entered without a type
    Other,
    ThrustBall,
    ThrustAngular,
    ThrustCylindrical,
    ThrustRoller,
    Needle,
    NeedleCage,
    NeedleCombined,
    TrackRoller,
    PlainSpherical,
    Linear,
    Insert,
    HousedUnit,
    Housing,
    NonStandard,
};
inline constexpr int kKindCount = 24;

// A type's sub-type: its full name and type code, from which `tt` is written.
struct Subtype {
    const char* name;
    const char* code;
    bool verbatim = false;  // the name is the whole description, written as it stands
};

struct KindInfo {
    const char* btype;  // nullptr for Untyped
    int rows;           // rows of this type in the catalogue
    std::vector<Subtype> subtypes;
};

const KindInfo& kindInfo(Kind kind);
inline Kind kindAt(int index) {
    return static_cast<Kind>(index);
}

// The ways the catalogue's sources wrote a type's full name and code; which one a row gets
// depends on its brand.
inline constexpr int kTitleStyles = 6;
std::string titleText(const Subtype& subtype, int style, const std::string& series);

}  // namespace catgen
