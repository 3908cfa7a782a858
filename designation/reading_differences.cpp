#include "designation/reading_differences.h"

#include "designation/canonical_designation.h"

namespace lz::designation {
namespace {

using F = Difference::Feature;

constexpr std::string_view kNotGiven = "未注";
constexpr std::string_view kNormal = "普通";

std::string orElse(const std::string& value, std::string_view none) {
    return value.empty() ? std::string(none) : value;
}

// What of a reading its canonical designation shows.
struct Shown {
    std::string design;
    std::string cage;
    std::string clearance;
    std::string tolerance;
    std::string groove;
    std::string arrangement;
    std::string material;
    std::string others;
    std::string sealing;
    std::string snapRing;
    std::string taperedBore;
    std::string sleeve;
};

Shown shownOf(const Reading& reading) {
    Shown shown;
    const BearingKind kind = reading.basic.kind;
    if (writesDesign(kind)) {
        shown.design = orElse(reading.design, kNotGiven);
    }
    const std::string_view brass = writtenBrassCage(kind);
    shown.cage = !brass.empty() && reading.cage == CageKind::MachinedBrass ? std::string(brass)
                                                                           : std::string(kNotGiven);
    switch (reading.clearance) {
        case Clearance::C1:
            shown.clearance = "C1";
            break;
        case Clearance::C2:
            shown.clearance = "C2";
            break;
        case Clearance::C3:
            shown.clearance = "C3";
            break;
        case Clearance::C4:
            shown.clearance = "C4";
            break;
        case Clearance::C5:
            shown.clearance = "C5";
            break;
        default:
            shown.clearance = kNormal;
            break;
    }
    switch (reading.arrangement.empty() ? reading.tolerance : Tolerance::Normal) {
        case Tolerance::P6:
            shown.tolerance = "P6";
            break;
        case Tolerance::P6X:
            shown.tolerance = "P6X";
            break;
        case Tolerance::P5:
            shown.tolerance = "P5";
            break;
        case Tolerance::P4:
            shown.tolerance = "P4";
            break;
        case Tolerance::P2:
            shown.tolerance = "P2";
            break;
        case Tolerance::Normal:
            shown.tolerance = kNormal;
            break;
    }
    shown.groove = reading.lubricationGroove ? "W33" : "无";
    shown.arrangement = orElse(reading.arrangement, "单个");
    shown.material = orElse(reading.material, kNotGiven);
    for (const std::string& code : reading.otherCodes) {
        shown.others += shown.others.empty() ? "" : " ";
        shown.others += code;
    }
    shown.others = orElse(shown.others, kNotGiven);
    Reading sealingOnly;
    sealingOnly.sealing = reading.sealing;
    const std::string sealing = sealingCode(sealingOnly);
    shown.sealing = sealing.empty() ? "开式" : "-" + sealing;
    shown.snapRing = reading.snapRing == SnapRing::Groove          ? "N"
                     : reading.snapRing == SnapRing::GrooveAndRing ? "NR"
                                                                   : "无";
    shown.taperedBore = orElse(reading.taperedBore, "圆柱孔");
    shown.sleeve = reading.adapterSleeve ? "带紧定套" : "无";
    return shown;
}

std::string_view nameOf(F feature, BearingKind kind) {
    switch (feature) {
        case F::Design:
            return kind == BearingKind::AngularContactBall ? "接触角" : "内部结构";
        case F::Cage:
            return "保持架";
        case F::Clearance:
            return "游隙";
        case F::Tolerance:
            return "公差";
        case F::LubricationGroove:
            return "油槽";
        case F::Arrangement:
            return "配对";
        case F::Material:
            return "材料";
        case F::OtherCodes:
            return "其他代号";
        case F::Sealing:
            return "密封";
        case F::SnapRing:
            return "止动环";
        case F::TaperedBore:
            return "锥孔";
        case F::AdapterSleeve:
            return "紧定套";
    }
    return {};
}

}  // namespace

std::vector<Difference> differencesBetween(const Reading& wanted, const Reading& found) {
    const Shown a = shownOf(wanted);
    const Shown b = shownOf(found);
    std::vector<Difference> differences;
    auto compare = [&](F feature, const std::string& x, const std::string& y) {
        if (x != y) {
            differences.push_back({feature, nameOf(feature, wanted.basic.kind), x, y});
        }
    };
    compare(F::Design, a.design, b.design);
    compare(F::Cage, a.cage, b.cage);
    compare(F::Clearance, a.clearance, b.clearance);
    compare(F::Tolerance, a.tolerance, b.tolerance);
    compare(F::LubricationGroove, a.groove, b.groove);
    compare(F::Arrangement, a.arrangement, b.arrangement);
    compare(F::Material, a.material, b.material);
    compare(F::OtherCodes, a.others, b.others);
    compare(F::Sealing, a.sealing, b.sealing);
    compare(F::SnapRing, a.snapRing, b.snapRing);
    compare(F::TaperedBore, a.taperedBore, b.taperedBore);
    compare(F::AdapterSleeve, a.sleeve, b.sleeve);
    return differences;
}

bool changesSizeOrSealing(Difference::Feature feature) {
    return feature >= F::Sealing;
}

std::string differenceText(std::span<const Difference> differences) {
    std::string text;
    for (const Difference& difference : differences) {
        text += text.empty() ? "" : "；";
        text += difference.name;
        text += ' ';
        text += difference.wanted;
        text += " → ";
        text += difference.found;
    }
    return text;
}

}  // namespace lz::designation
