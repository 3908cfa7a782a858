#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query/sizes/length.h"
#include "query/sizes/size_text.h"

namespace lz::sizes {

// The inputs of a search by measured size, as typed: the texts of the boxes (the command
// line's arguments), the unit chosen and the bearing type chosen.
struct MeasurementInput {
    std::string_view inner{};  // bore d
    std::string_view outer{};  // outer diameter D
    std::string_view width{};  // width B; empty when not measured
    LengthUnit unit = LengthUnit::Millimetre;
    // The tolerance on d and D, and on B. Read as sizes in millimetres (a written unit
    // wins: "0.004 in"). Empty: the default; an empty width tolerance is twice the
    // tolerance on d and D.
    std::string_view tolerance{};
    std::string_view widthTolerance{};
    // "全部" or empty for every type; otherwise one bearing type of the catalogue.
    std::string_view type{};
};

inline constexpr std::string_view kDefaultTolerance = "0.10";
inline constexpr std::string_view kDefaultWidthTolerance = "0.20";
inline constexpr Length kSmallestTolerance = kPerMillimetre / 1000;  // 0.001 mm
inline constexpr Length kLargestTolerance = 10 * kPerMillimetre;

// The input that a refusal is about, so that its message can stand beside it.
enum class MeasuredField { Inner, Outer, Width, Tolerance, WidthTolerance };

inline constexpr std::string_view kInnerMissing = "请输入内径，例如 25、24.98 或 1-3/8";
inline constexpr std::string_view kOuterMissing = "请输入外径，例如 52、52.02 或 2-1/16";
inline constexpr std::string_view kOuterNotAboveInner = "外径须大于内径";
inline constexpr std::string_view kToleranceOutOfRange = "请输入 0.001 到 10 mm 之间的公差";

struct FieldRefusal {
    MeasuredField field;
    std::string_view message;
    bool operator==(const FieldRefusal&) const = default;
};

// A measurement ready to be searched for.
struct Measurement {
    TypedSize inner;
    TypedSize outer;
    std::optional<TypedSize> width;
    Length tolerance = 0;       // on d and D
    Length widthTolerance = 0;  // on B
    std::string type;           // empty: every type
};

// Either a measurement or, for each input that cannot be taken, why; never both.
struct MeasurementReading {
    std::optional<Measurement> measurement;
    std::vector<FieldRefusal> refusals;  // in the order of MeasuredField
};

// Reads every input and refuses each bad one on its own: d and D must be given, each
// size must be a positive size (readTypedSize), D must be larger than d, and tolerances
// must lie between kSmallestTolerance and kLargestTolerance.
MeasurementReading readMeasurement(const MeasurementInput& input);

}  // namespace lz::sizes
