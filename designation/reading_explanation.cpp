#include "designation/reading_explanation.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "designation/basic_designations.h"
#include "designation/canonical_designation.h"
#include "designation/maker_spellings.h"
#include "designation/old_codes.h"

namespace lz::designation {
namespace {

using Role = WrittenPart::Role;

// The makers whose spellings an explanation of seals quotes, in this order.
constexpr std::string_view kQuotedMakers[] = {"SKF", "NSK", "NTN", "FAG"};

bool madeBy(std::string_view makers, std::string_view maker) {
    for (std::size_t at = 0; at < makers.size();) {
        std::size_t end = makers.find("、", at);
        if (end == std::string_view::npos) {
            end = makers.size();
        }
        if (makers.substr(at, end - at) == maker) {
            return true;
        }
        at = end + std::string_view("、").size();
    }
    return false;
}

std::string sidesMeaning(SideSealing first, SideSealing second) {
    auto name = [](SideSealing side) -> std::string_view {
        switch (side) {
            case SideSealing::Shield:
                return "防尘盖";
            case SideSealing::NonContactSeal:
                return "非接触式密封圈";
            case SideSealing::ContactSeal:
                return "接触式密封圈";
            case SideSealing::Open:
                break;
        }
        return {};
    };
    if (first == SideSealing::Open) {
        return {};
    }
    if (first == second) {
        return "两面" + std::string(name(first));
    }
    if (second == SideSealing::Open) {
        return "一面" + std::string(name(first));
    }
    return "一面" + std::string(name(first)) + "、一面" + std::string(name(second));
}

std::string sealingMeaning(std::string_view value) {
    const SealingValue sealing = sealingValueOf(value);
    std::string meaning = sidesMeaning(sealing.first, sealing.second);
    std::string_view ring;
    if (sealing.snapRing == SnapRing::Groove) {
        ring = "外圈带止动槽";
    } else if (sealing.snapRing == SnapRing::GrooveAndRing) {
        ring = "外圈带止动槽和止动环";
    }
    if (!ring.empty()) {
        meaning += meaning.empty() ? "" : "，";
        meaning += ring;
    }
    return meaning;
}

// How the common writing puts a feature value: "-2RS", "NR", "AC", "/C3".
std::string commonWriting(const Spelling& spelling) {
    switch (spelling.feature) {
        case Feature::Sealing:
            return sealingValueOf(spelling.value).first != SideSealing::Open
                       ? "-" + std::string(spelling.value)
                       : std::string(spelling.value);
        case Feature::Clearance:
        case Feature::Tolerance:
        case Feature::LubricationGroove:
        case Feature::Arrangement:
        case Feature::Material:
            return spelling.value.empty() ? std::string() : "/" + std::string(spelling.value);
        default:
            return std::string(spelling.value);
    }
}

std::string designMeaning(BearingKind kind, std::string_view value) {
    if (kind == BearingKind::AngularContactBall) {
        if (value == "C") {
            return "接触角 15°";
        }
        if (value == "AC") {
            return "接触角 25°";
        }
        if (value == "B") {
            return "接触角 40°";
        }
    }
    if (kind == BearingKind::SphericalPlain) {
        return value == "ES" ? "E 系列，外圈剖分，钢/钢滑动面" : "E 系列，钢/钢滑动面";
    }
    if (value == "E") {
        return kind == BearingKind::DeepGrooveBall ? "内部结构改进（国内用法：多装球）"
                                                   : "加强型（内部结构改进）";
    }
    return std::string(value) + " 型内部结构";
}

std::string cageMeaning(CageKind kind) {
    switch (kind) {
        case CageKind::MachinedBrass:
            return "实体黄铜保持架";
        case CageKind::PressedSteel:
            return "冲压钢板保持架";
        case CageKind::Polyamide:
            return "玻璃纤维增强聚酰胺保持架";
        case CageKind::PressedBrass:
            return "冲压黄铜保持架";
        case CageKind::Unspecified:
            break;
    }
    return "保持架";
}

std::string clearanceMeaning(std::string_view value) {
    if (value == "C1") {
        return "径向游隙小于 C2 组";
    }
    if (value == "C2") {
        return "径向游隙小于普通组";
    }
    if (value == "C3") {
        return "径向游隙大于普通组";
    }
    if (value == "C4") {
        return "径向游隙大于 C3 组";
    }
    if (value == "C5") {
        return "径向游隙大于 C4 组";
    }
    if (value == "CM") {
        return "电机用窄范围径向游隙";
    }
    return "普通组径向游隙";
}

std::string toleranceMeaning(std::string_view value) {
    if (value.empty()) {
        return "公差等级普通级";
    }
    return "公差等级 " + std::string(value.substr(1)) + " 级";
}

std::string spellingMeaning(const Spelling& spelling, BearingKind kind) {
    switch (spelling.feature) {
        case Feature::Prefix:
            return std::string(spelling.note);
        case Feature::Sealing:
            return sealingMeaning(spelling.value);
        case Feature::Design:
            return designMeaning(kind, spelling.value);
        case Feature::Cage:
            return cageMeaning(spelling.cageKind);
        case Feature::Clearance:
            return clearanceMeaning(spelling.value);
        case Feature::Tolerance:
            return toleranceMeaning(spelling.value);
        case Feature::TaperedBore:
            return spelling.value == "K30" ? "内孔为 1:30 锥孔" : "内孔为 1:12 锥孔";
        case Feature::LubricationGroove:
            return "外圈有润滑油槽和油孔";
        case Feature::AdapterSleeve:
            return "带紧定套";
        case Feature::Arrangement:
            return spelling.value == "DB"   ? "背对背配对"
                   : spelling.value == "DF" ? "面对面配对"
                                            : "串联配对";
        case Feature::Material:
            return "陶瓷滚动体（混合轴承）";
        case Feature::Other:
            return std::string(spelling.note);
        case Feature::Unwritten:
            return spelling.note.empty() ? "厂家代号" : std::string(spelling.note);
    }
    return {};
}

// The first spelling `maker` has for the same feature value, or none.
const Spelling* makersSpelling(const Spelling& of, std::string_view maker) {
    for (const Spelling& spelling : makerSpellings()) {
        if (spelling.feature == of.feature && spelling.value == of.value && !spelling.beforeBasic &&
            madeBy(spelling.maker, maker)) {
            return &spelling;
        }
    }
    return nullptr;
}

std::string codeLine(const Spelling& spelling, BearingKind kind) {
    std::string meaning = spellingMeaning(spelling, kind);
    if (spelling.feature == Feature::Unwritten) {
        if (!spelling.maker.empty()) {
            meaning += "（" + std::string(spelling.maker) + " 写法）";
        }
        return meaning + "；通用型号不写";
    }
    if (!spelling.maker.empty()) {
        meaning += "（" + std::string(spelling.maker) + " 写法）";
    }
    const std::string common = commonWriting(spelling);
    std::string others;
    if (!spelling.maker.empty() && !common.empty() && common != spelling.text) {
        others = "通用写法 " + common;
    } else if (spelling.maker.empty() && spelling.feature == Feature::Sealing) {
        meaning += "（通用写法）";
    }
    if (spelling.feature == Feature::Sealing) {
        for (const std::string_view maker : kQuotedMakers) {
            if (madeBy(spelling.maker, maker)) {
                continue;
            }
            if (const Spelling* theirs = makersSpelling(spelling, maker)) {
                others += others.empty() ? "" : "，";
                others += std::string(maker) + " 写 " + std::string(theirs->text);
            }
        }
    }
    if (!others.empty()) {
        meaning += "；" + others;
    }
    if (!spelling.note.empty() && spelling.feature != Feature::Other &&
        spelling.feature != Feature::Prefix) {
        meaning += "；" + std::string(spelling.note);
    }
    return meaning;
}

std::string prefixLine(const Spelling& spelling) {
    std::string meaning = spelling.feature == Feature::Material ? "陶瓷滚动体（混合轴承）"
                                                                : std::string(spelling.note);
    if (!spelling.maker.empty()) {
        meaning += "（" + std::string(spelling.maker) + " 写法）";
    }
    if (spelling.feature == Feature::Material) {
        meaning += "；通用写法 /HQ1";
    } else if (spelling.feature == Feature::Unwritten) {
        meaning += "；通用型号不写";
    } else {
        meaning += "；目录把它与不带前缀的型号归为一组";
    }
    return meaning;
}

std::string seriesLine(const BasicDesignation& basic, std::string_view written) {
    std::string meaning = "尺寸系列 " + basic.series;
    const std::string_view name = diameterSeriesName(basic.series);
    if (!name.empty()) {
        meaning += "（" + std::string(name) + "系列）";
    }
    if (!basic.maker.empty() && !written.ends_with('/')) {
        meaning += "；" + basic.maker + " 的写法，通用写法 " +
                   basic.text.substr(0, basic.text.size() - basic.boreCode.size());
    } else if (written.ends_with('/')) {
        meaning += "；通用写法 " + basic.text;
    }
    return meaning;
}

std::string boreLine(const BasicDesignation& basic, std::string_view written) {
    const std::optional<double> mm = basic.boreMm;
    switch (basic.kind) {
        case BearingKind::NeedleRoller:
            if (basic.type == "K") {
                return "滚针组内径×外径×宽度（mm）";
            }
            if (basic.type == "NK" || basic.type == "NKI" || basic.type == "NKS") {
                return "内径/宽度（mm）";
            }
            if (basic.type == "HK" || basic.type == "BK") {
                return "滚针组内径 " + std::string(written.substr(0, 2)) + " mm，宽度 " +
                       std::string(written.substr(2)) + " mm";
            }
            break;
        case BearingKind::TrackRoller:
            if (!mm) {
                return "外径 " + std::string(written) + " mm";
            }
            break;
        default:
            break;
    }
    if (!mm) {
        return {};
    }
    const std::string value = formatMillimetres(*mm);
    if (basic.boreCode.size() == 2 && written == basic.boreCode) {
        const int code = (basic.boreCode[0] - '0') * 10 + (basic.boreCode[1] - '0');
        if (code >= 4) {
            return "内径代号：" + basic.boreCode + "×5 = " + value + " mm";
        }
        return "内径代号：" + basic.boreCode + " = " + value + " mm";
    }
    if (!basic.boreCode.empty() && basic.boreCode[0] == '/') {
        return "内径代号：" + basic.boreCode + " = " + value + " mm";
    }
    return "内径 " + value + " mm";
}

std::string typeLine(const BasicDesignation& basic, std::string_view written) {
    if (basic.kind == BearingKind::TaperedRoller && basic.series.empty()) {
        return "英制圆锥滚子轴承的零件号，不能从中读出内径";
    }
    if (basic.maker == "NMB") {
        return "NMB 写法：外径、内径（0.1 mm）；即 " + basic.text;
    }
    std::string meaning(typeCodeMeaning(basic.type));
    if (written == "F") {
        meaning = std::string(typeCodeMeaning("F"));
    }
    if (basic.kind == BearingKind::ThrustAngularContactBall || basic.type == "BD") {
        meaning = basic.type == "BD" ? "双列角接触球轴承（空调压缩机用），内径 BD 外径宽度"
                                     : std::string(typeCodeMeaning("TAC"));
    }
    if (!basic.maker.empty() && written != basic.type && written != "F") {
        meaning =
            basic.type + "（" + basic.maker + " 写法）" + (meaning.empty() ? "" : "：" + meaning);
    }
    return meaning;
}

}  // namespace

std::string formatMillimetres(double mm) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", mm);
    return buffer;
}

ReadingExplanation explainReading(const Reading& reading, const CatalogueKnowledge* catalogue) {
    ReadingExplanation explanation;
    explanation.canonical = canonicalDesignation(reading);
    explanation.kind = std::string(kindName(reading.basic.kind));
    explanation.label = reading.label;
    explanation.boreMm = reading.basic.boreMm;
    const std::span<const Spelling> spellings = makerSpellings();
    for (const WrittenPart& part : reading.parts) {
        std::string meaning;
        switch (part.role) {
            case Role::Prefix:
                meaning = part.spelling >= 0 ? prefixLine(spellings[part.spelling]) : std::string();
                break;
            case Role::Code:
                meaning = part.spelling >= 0
                              ? codeLine(spellings[part.spelling], reading.basic.kind)
                              : std::string();
                break;
            case Role::Series:
                meaning = seriesLine(reading.basic, part.text);
                break;
            case Role::Type:
                meaning = typeLine(reading.basic, part.text);
                break;
            case Role::Bore:
                meaning = boreLine(reading.basic, part.text);
                break;
            case Role::OldCode:
                meaning = reading.source == ReadingSource::OldCodeByRule
                              ? "旧型号，按规则推算为 " + explanation.canonical
                              : "旧型号，目录对应 " + explanation.canonical;
                break;
            case Role::Unknown:
                meaning = "其他代号（润滑脂、噪声、热处理等），保留原写法";
                break;
        }
        explanation.parts.push_back({part.text, std::move(meaning)});
    }
    if (!reading.oldCode.empty()) {
        explanation.oldCode = reading.oldCode;
        explanation.oldCodeSource =
            reading.source == ReadingSource::OldCodeByRule ? "按规则推算" : "目录";
    } else if (catalogue != nullptr && !catalogue->oldCodeOf(explanation.canonical).empty()) {
        explanation.oldCode = std::string(catalogue->oldCodeOf(explanation.canonical));
        explanation.oldCodeSource = "目录";
    } else {
        explanation.oldCode = oldCodeOfReading(reading);
        if (!explanation.oldCode.empty()) {
            explanation.oldCodeSource = "按规则推算";
        }
    }
    return explanation;
}

BoreComparison compareBore(const Reading& reading, std::string_view njin) {
    double listed = 0;
    const auto [end, error] = std::from_chars(njin.data(), njin.data() + njin.size(), listed);
    const bool hasListed = error == std::errc() && end == njin.data() + njin.size();
    BoreComparison comparison;
    if (!reading.basic.boreMm) {
        comparison.text = hasListed
                              ? "型号中没有内径代号；目录内径 " + formatMillimetres(listed) + " mm"
                              : "型号中没有内径代号";
        return comparison;
    }
    const std::string implied = "内径代号推得 " + formatMillimetres(*reading.basic.boreMm) + " mm";
    if (!hasListed) {
        comparison.text = implied + "；目录未列内径";
        return comparison;
    }
    if (std::abs(listed - *reading.basic.boreMm) < 0.005) {
        comparison.text = implied + "，与目录内径 " + formatMillimetres(listed) + " mm 相符";
    } else {
        comparison.text = implied + "，目录内径 " + formatMillimetres(listed) + " mm，不符";
        comparison.mismatch = true;
    }
    return comparison;
}

}  // namespace lz::designation
