#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lz::designation {

// The kinds of bearing a basic designation names. They decide how the codes after it
// read: "E" is a 25° contact angle on an angular contact ball bearing and a reinforced
// design on a cylindrical roller bearing.
enum class BearingKind : std::uint8_t {
    DeepGrooveBall,
    AngularContactBall,
    SelfAligningBall,
    CylindricalRoller,
    SphericalRoller,
    TaperedRoller,
    ThrustBall,
    ThrustCylindricalRoller,
    ThrustSphericalRoller,
    ThrustAngularContactBall,
    NeedleRoller,
    InsertBall,
    SphericalPlain,
    LinearBushing,
    TrackRoller,
    kCount,
};

// What closes one side of a bearing, weakest first.
enum class SideSealing : std::uint8_t { Open, Shield, NonContactSeal, ContactSeal };
enum class SnapRing : std::uint8_t { None, Groove, GrooveAndRing };
// Radial clearance groups; Normal (CN) is not written.
enum class Clearance : std::uint8_t { Normal, C1, C2, C3, C4, C5, CM };
// Tolerance classes; Normal (P0) is not written.
enum class Tolerance : std::uint8_t { Normal, P6, P6X, P5, P4, P2 };
enum class CageKind : std::uint8_t {
    Unspecified,
    MachinedBrass,
    PressedSteel,
    Polyamide,
    PressedBrass
};

// How a reading came about.
enum class ReadingSource : std::uint8_t {
    AsWritten,         // the text is a designation of today's kind
    SeparatorAssumed,  // a missing separator was put in
    OldCodeCatalogue,  // an old Chinese code the catalogue pairs with a new designation
    OldCodeByRule,     // an old Chinese code converted by the rules ("按规则推算")
};

// The basic designation: type, dimension series and bore code.
struct BasicDesignation {
    BearingKind kind = BearingKind::DeepGrooveBall;
    std::string written;   // as the text has it: "62", "NU2", "68" (the part before the bore)
    std::string type;      // type code of the common writing: "6", "NU", "1" (2205 drops it)
    std::string series;    // dimension series, two digits where it has them: "02", "18", "22"
    std::string boreCode;  // "05", "/22", "8", "/500"; for needle and similar kinds the size part
    std::optional<double> boreMm;  // the bore the code implies, where it implies one
    std::string text;              // the common writing: "6205", "NU205", "62/22", "685", "LM11949"
    std::string maker;             // whose own writing it is ("68xx" for "618xx", NMB's "R-1450")
};

// One piece of the written text and the feature it stands for, in the order written.
struct WrittenPart {
    enum class Role : std::uint8_t { Prefix, Series, Type, Bore, Code, OldCode, Unknown };
    Role role = Role::Code;
    std::string text;            // as written (upper case, separators dropped)
    std::int16_t spelling = -1;  // index into the spelling table, -1 for none
};

// One plausible reading of a written designation.
struct Reading {
    std::string prefix;  // common prefix code, written before the basic designation ("S")
    BasicDesignation basic;
    // Per side; the closer side first, so "-RS" is {ContactSeal, Open}.
    std::array<SideSealing, 2> sealing{SideSealing::Open, SideSealing::Open};
    SnapRing snapRing = SnapRing::None;
    std::string design;  // internal design and contact angle, common codes: "E", "CA", "AC"
    CageKind cage = CageKind::Unspecified;
    std::string cageCode;  // the cage in common codes: "M", "MA", "MB", "J", "TN", "Y"
    Clearance clearance = Clearance::Normal;
    Tolerance tolerance = Tolerance::Normal;
    std::string taperedBore;         // "K" (1:12) or "K30" (1:30)
    bool lubricationGroove = false;  // W33 and its spellings
    bool adapterSleeve = false;      // "+H"
    std::string arrangement;         // paired sets: "DB", "DF", "DT"
    std::string material;            // "HQ1" for ceramic rolling elements
    // Codes the common writing keeps as they are written: grease, noise, heat ... and
    // codes no table knows.
    std::vector<std::string> otherCodes;
    // Codes of makers that the common writing leaves out (a polyamide cage, X-life ...).
    std::vector<std::string> unwrittenCodes;

    ReadingSource source = ReadingSource::AsWritten;
    std::string label;    // why this reading, for a list of several ("按规则推算" ...)
    std::string oldCode;  // the old Chinese code this reading came from, if it did
    std::vector<WrittenPart> parts;
};

// Every plausible reading of a text, the most likely first; or none and the message.
struct DesignationReadings {
    std::vector<Reading> readings;
    std::string message;  // "无法识别的型号" when there is no reading
    bool recognized() const { return !readings.empty(); }
};

inline constexpr std::string_view kUnrecognizedDesignation = "无法识别的型号";

}  // namespace lz::designation
