#include "designation/old_codes.h"

#include <algorithm>

#include "designation/written_text.h"

namespace lz::designation {
namespace {

// The digits of an old code, by position from the right.
struct OldDigits {
    std::string_view bore;   // digits 1-2
    char diameter = '0';     // digit 3
    char type = '0';         // digit 4
    std::string variant;     // digits 5-6, leading zeros dropped
    char width = '0';        // digit 7
    bool miniature = false;  // bore under 10 mm: digits 1-2 are diameter series and bore
};

std::optional<OldDigits> splitDigits(std::string_view digits) {
    const std::size_t n = digits.size();
    if (n < 2 || n > 7) {
        return std::nullopt;
    }
    OldDigits old;
    old.bore = digits.substr(n - 2);
    if (n >= 3) {
        old.diameter = digits[n - 3];
    }
    if (n >= 4) {
        old.type = digits[n - 4];
    }
    std::string_view rest = digits.substr(0, n >= 4 ? n - 4 : 0);
    if (n == 7) {
        old.width = rest[0];
        rest.remove_prefix(1);
    }
    while (!rest.empty() && rest.front() == '0') {
        rest.remove_prefix(1);
    }
    old.variant = std::string(rest);
    old.miniature = old.diameter == '0';
    return old;
}

// The new diameter series of an old one, for types that have only width series 0 (and 2,
// which the old codes fold into digit 3: 5 = 22, 6 = 23).
std::string_view radialSeries(char diameter) {
    switch (diameter) {
        case '1':
            return "0";
        case '2':
            return "2";
        case '3':
            return "3";
        case '4':
            return "4";
        case '5':
            return "22";
        case '6':
            return "23";
        default:
            return {};
    }
}

std::optional<std::string> deepGroove(const OldDigits& old) {
    std::string suffix;
    if (old.variant.empty()) {
    } else if (old.variant == "5") {
        suffix = " N";
    } else if (old.variant == "15") {
        suffix = " NR";
    } else if (old.variant == "6") {
        suffix = "-Z";
    } else if (old.variant == "8") {
        suffix = "-2Z";
    } else if (old.variant == "16") {
        suffix = "-RS";
    } else if (old.variant == "18") {
        suffix = "-2RS";
    } else {
        return std::nullopt;
    }
    if (old.miniature) {
        const char diameter = old.bore[0] == '1' ? '0' : old.bore[0];
        if (old.bore[1] == '0' || (old.width != '0' && old.width != '1')) {
            return std::nullopt;
        }
        if (old.width == '1' && diameter != '8' && diameter != '9') {
            return std::nullopt;
        }
        return std::string("6") + diameter + old.bore[1] + suffix;
    }
    std::string series;
    if (old.width == '0') {
        series = std::string("6") + std::string(radialSeries(old.diameter));
    } else if (old.width == '1' && old.diameter >= '7' && old.diameter <= '9') {
        series = std::string("61") + old.diameter;
    } else if (old.width == '7' && old.diameter == '1') {
        series = "160";
    }
    if (series.size() < 2) {
        return std::nullopt;
    }
    return series + std::string(old.bore) + suffix;
}

std::optional<std::string> angularContact(const OldDigits& old) {
    std::string angle;
    if (old.variant == "3") {
        angle = " C";
    } else if (old.variant == "4") {
        angle = " AC";
    } else if (old.variant == "6") {
        angle = " B";
    } else {
        return std::nullopt;
    }
    std::string series;
    if (old.width == '0' && old.diameter >= '1' && old.diameter <= '4') {
        series = std::string("7") + std::string(radialSeries(old.diameter));
    } else if (old.width == '1' && (old.diameter == '8' || old.diameter == '9')) {
        series = std::string("71") + old.diameter;
    } else {
        return std::nullopt;
    }
    return series + std::string(old.bore) + angle;
}

std::optional<std::string> cylindricalRoller(const OldDigits& old, bool reinforced) {
    std::string type;
    std::string series;
    if (old.width == '3' && old.variant == "18" && old.diameter == '1') {
        type = "NN";
        series = "30";
    } else if (old.width == '0') {
        if (old.variant.empty()) {
            type = "N";
        } else if (old.variant == "3") {
            type = "NU";
        } else if (old.variant == "4") {
            type = "NJ";
        } else if (old.variant == "9") {
            type = "NUP";
        } else if (old.variant == "1") {
            type = "NF";
        } else {
            return std::nullopt;
        }
        series = old.diameter == '1' ? "10" : std::string(radialSeries(old.diameter));
    }
    if (type.empty() || series.empty()) {
        return std::nullopt;
    }
    return type + series + std::string(old.bore) + (reinforced ? "E" : "");
}

std::optional<std::string> selfAligningBall(const OldDigits& old) {
    if (!old.variant.empty() || old.width != '0') {
        return std::nullopt;
    }
    switch (old.diameter) {
        case '2':
            return "12" + std::string(old.bore);
        case '3':
            return "13" + std::string(old.bore);
        case '5':
            return "22" + std::string(old.bore);
        case '6':
            return "23" + std::string(old.bore);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> sphericalRoller(const OldDigits& old) {
    if (old.width != '0' || (!old.variant.empty() && old.variant != "5")) {
        return std::nullopt;
    }
    std::string series;
    if (old.diameter == '5') {
        series = "222";
    } else if (old.diameter == '6') {
        series = "223";
    } else {
        return std::nullopt;
    }
    return series + std::string(old.bore) + (old.variant == "5" ? "/W33" : "");
}

std::optional<std::string> needleRoller(const OldDigits& old) {
    if (old.width == '4' && old.variant == "54" && (old.diameter == '8' || old.diameter == '9')) {
        return std::string("NA4") + old.diameter + std::string(old.bore);
    }
    return std::nullopt;
}

std::optional<std::string> taperedRoller(const OldDigits& old) {
    std::string series;
    if (old.width == '0' && old.variant.empty()) {
        switch (old.diameter) {
            case '2':
                series = "302";
                break;
            case '3':
                series = "303";
                break;
            case '5':
                series = "322";
                break;
            case '6':
                series = "323";
                break;
            default:
                return std::nullopt;
        }
    } else if (old.width == '0' && old.variant == "2" && old.diameter == '3') {
        series = "313";
    } else if (old.width == '2' && old.variant.empty() && old.diameter == '1') {
        series = "320";
    } else {
        return std::nullopt;
    }
    return series + std::string(old.bore);
}

std::optional<std::string> thrustBall(const OldDigits& old) {
    if (old.width != '0' || old.diameter < '1' || old.diameter > '4') {
        return std::nullopt;
    }
    if (old.variant.empty()) {
        return std::string("51") + old.diameter + std::string(old.bore);
    }
    if (old.variant == "3" && old.diameter >= '2') {
        return std::string("52") + old.diameter + std::string(old.bore);
    }
    return std::nullopt;
}

// The suffix a prefix of tolerance class (and clearance group) stands for: "6-" = /P6,
// "76-" = /P6C3 on deep groove ball bearings.
std::optional<std::string> suffixOfPrefix(std::string_view prefix, char type) {
    if (prefix.empty()) {
        return std::string();
    }
    std::string suffix;
    switch (prefix.back()) {
        case '0':
            break;
        case '6':
            suffix = "P6";
            break;
        case '5':
            suffix = "P5";
            break;
        case '4':
            suffix = "P4";
            break;
        case '2':
            suffix = "P2";
            break;
        default:
            return std::nullopt;
    }
    if (prefix.size() == 2) {
        if (type != '0' || prefix[0] < '6' || prefix[0] > '9') {
            return std::nullopt;
        }
        suffix += std::string("C") + static_cast<char>(prefix[0] - '6' + '2');
    }
    return suffix.empty() ? std::string() : "/" + suffix;
}

}  // namespace

bool looksLikeOldCode(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash != std::string_view::npos) {
        if (dash == 0 || dash > 2 || !std::all_of(text.begin(), text.begin() + dash, isDigit)) {
            return false;
        }
        text.remove_prefix(dash + 1);
    }
    if (text.ends_with('E')) {
        text.remove_suffix(1);
    }
    return text.size() >= 2 && text.size() <= 7 && std::all_of(text.begin(), text.end(), isDigit) &&
           text[0] != '0';
}

std::optional<std::string> newDesignationOfOldCode(std::string_view code) {
    if (!looksLikeOldCode(code)) {
        return std::nullopt;
    }
    std::string_view prefix;
    if (const std::size_t dash = code.find('-'); dash != std::string_view::npos) {
        prefix = code.substr(0, dash);
        code.remove_prefix(dash + 1);
    }
    const bool trailingE = code.ends_with('E');
    if (trailingE) {
        code.remove_suffix(1);
    }
    const std::optional<OldDigits> old = splitDigits(code);
    if (!old) {
        return std::nullopt;
    }
    std::optional<std::string> designation;
    if (old->miniature && old->type != '0') {
        return std::nullopt;
    }
    switch (old->type) {
        case '0':
            designation = deepGroove(*old);
            break;
        case '1':
            designation = selfAligningBall(*old);
            break;
        case '2':
            designation = cylindricalRoller(*old, trailingE);
            break;
        case '3':
            designation = sphericalRoller(*old);
            break;
        case '4':
            designation = needleRoller(*old);
            break;
        case '6':
            designation = angularContact(*old);
            break;
        case '7':
            designation = taperedRoller(*old);
            break;
        case '8':
            designation = thrustBall(*old);
            break;
        default:
            break;
    }
    // The trailing E marks cylindrical designs and the new tapered series only.
    if (!designation || (trailingE && old->type != '2' && old->type != '7')) {
        return std::nullopt;
    }
    const std::optional<std::string> suffix = suffixOfPrefix(prefix, old->type);
    if (!suffix) {
        return std::nullopt;
    }
    return *designation + *suffix;
}

namespace {

std::string withoutLeadingZeros(std::string code) {
    const std::size_t first = code.find_first_not_of('0');
    return first == std::string::npos ? std::string() : code.substr(first);
}

char oldDiameterOf(std::string_view series) {
    if (series == "10") {
        return '1';
    }
    if (series == "02") {
        return '2';
    }
    if (series == "03") {
        return '3';
    }
    if (series == "04") {
        return '4';
    }
    if (series == "22") {
        return '5';
    }
    if (series == "23") {
        return '6';
    }
    return 0;
}

std::string deepGrooveOld(const Reading& reading) {
    const BasicDesignation& basic = reading.basic;
    std::string variant;
    const auto& s = reading.sealing;
    const SnapRing ring = reading.snapRing;
    if (s[0] == SideSealing::Open && ring == SnapRing::None) {
    } else if (s[0] == SideSealing::Open && ring == SnapRing::Groove) {
        variant = "5";
    } else if (s[0] == SideSealing::Open && ring == SnapRing::GrooveAndRing) {
        variant = "15";
    } else if (ring != SnapRing::None) {
        return {};
    } else if (s[0] == SideSealing::Shield) {
        variant = s[1] == SideSealing::Shield ? "8" : s[1] == SideSealing::Open ? "6" : "";
    } else if (s[0] == SideSealing::ContactSeal) {
        variant = s[1] == SideSealing::ContactSeal ? "18" : s[1] == SideSealing::Open ? "16" : "";
    }
    if (variant.empty() && (s[0] != SideSealing::Open || ring != SnapRing::None)) {
        return {};
    }
    char width = '0';
    char diameter = oldDiameterOf(basic.series);
    if (basic.type == "16" && basic.series == "00") {
        width = '7';
        diameter = '1';
    } else if (basic.series.size() == 2 && basic.series[0] == '1' && basic.series[1] >= '7') {
        width = '1';
        diameter = basic.series[1];
    }
    if (diameter == 0 || basic.boreCode.empty() || basic.boreCode[0] == '/') {
        return {};
    }
    std::string bore = basic.boreCode;
    if (bore.size() == 1) {
        bore = std::string(1, diameter == '1' ? '1' : diameter) + bore;
        diameter = '0';
    }
    if (width != '0') {
        while (variant.size() < 2) {
            variant.insert(variant.begin(), '0');
        }
        return std::string(1, width) + variant + "0" + diameter + bore;
    }
    return withoutLeadingZeros(variant + "0" + diameter + bore);
}

}  // namespace

std::string oldCodeOfReading(const Reading& reading) {
    const BasicDesignation& basic = reading.basic;
    if (!reading.prefix.empty() || basic.boreCode.size() != 2 || basic.boreCode[0] == '/') {
        if (!(basic.kind == BearingKind::DeepGrooveBall && basic.boreCode.size() == 1 &&
              reading.prefix.empty())) {
            return {};
        }
    }
    std::string code;
    switch (basic.kind) {
        case BearingKind::DeepGrooveBall:
            if (basic.type == "6" || basic.type == "16") {
                code = deepGrooveOld(reading);
            }
            break;
        case BearingKind::AngularContactBall: {
            const char variant = reading.design == "C"    ? '3'
                                 : reading.design == "AC" ? '4'
                                 : reading.design == "B"  ? '6'
                                                          : 0;
            if (basic.type != "7" || variant == 0) {
                break;
            }
            if (basic.series == "18" || basic.series == "19") {
                code = std::string("10") + variant + "6" + basic.series[1] + basic.boreCode;
            } else if (const char d = oldDiameterOf(basic.series); d != 0 && d <= '4') {
                code = std::string(1, variant) + "6" + d + basic.boreCode;
            }
            break;
        }
        case BearingKind::CylindricalRoller: {
            const std::string_view type = basic.type;
            std::string variant = type == "N"     ? ""
                                  : type == "NU"  ? "3"
                                  : type == "NJ"  ? "4"
                                  : type == "NUP" ? "9"
                                  : type == "NF"  ? "1"
                                                  : "-";
            if (type == "NN" && basic.series == "30") {
                code = "31821" + basic.boreCode;
            } else if (const char d = oldDiameterOf(basic.series); variant != "-" && d != 0) {
                code = variant + "2" + d + basic.boreCode;
            }
            if (!code.empty() && reading.design == "E") {
                code += "E";
            }
            break;
        }
        case BearingKind::SelfAligningBall:
            if (const char d = oldDiameterOf(basic.series); d >= '2' && d != '4') {
                code = std::string("1") + d + basic.boreCode;
            }
            break;
        case BearingKind::SphericalRoller:
            if (basic.series == "22" || basic.series == "23") {
                code = std::string(reading.lubricationGroove ? "5" : "") + "3" +
                       (basic.series == "22" ? '5' : '6') + basic.boreCode;
            }
            break;
        case BearingKind::TaperedRoller:
            if (basic.series == "02" || basic.series == "03") {
                code = std::string("7") + basic.series[1] + basic.boreCode + "E";
            } else if (basic.series == "22" || basic.series == "23") {
                code = std::string("7") + (basic.series == "22" ? '5' : '6') + basic.boreCode + "E";
            } else if (basic.series == "13") {
                code = "273" + basic.boreCode + "E";
            } else if (basic.series == "20") {
                code = "20071" + basic.boreCode + "E";
            }
            break;
        case BearingKind::ThrustBall:
            if (basic.series.size() == 2 && basic.series[1] >= '1' && basic.series[1] <= '4') {
                if (basic.series[0] == '1') {
                    code = std::string("8") + basic.series[1] + basic.boreCode;
                } else if (basic.series[0] == '2' && basic.series[1] >= '2') {
                    code = std::string("38") + basic.series[1] + basic.boreCode;
                }
            }
            break;
        case BearingKind::NeedleRoller:
            if (basic.type == "NA" && (basic.series == "48" || basic.series == "49")) {
                code = "4544" + std::string(1, basic.series[1]) + basic.boreCode;
            }
            break;
        default:
            break;
    }
    if (code.empty()) {
        return {};
    }
    // Tolerance class and, before it, the clearance group of deep groove ball bearings.
    char accuracy = 0;
    switch (reading.tolerance) {
        case Tolerance::P6:
            accuracy = '6';
            break;
        case Tolerance::P5:
            accuracy = '5';
            break;
        case Tolerance::P4:
            accuracy = '4';
            break;
        case Tolerance::P2:
            accuracy = '2';
            break;
        default:
            break;
    }
    char clearance = 0;
    if (basic.kind == BearingKind::DeepGrooveBall) {
        switch (reading.clearance) {
            case Clearance::C2:
                clearance = '6';
                break;
            case Clearance::C3:
                clearance = '7';
                break;
            case Clearance::C4:
                clearance = '8';
                break;
            case Clearance::C5:
                clearance = '9';
                break;
            default:
                break;
        }
    }
    if (clearance != 0) {
        return std::string(1, clearance) + (accuracy != 0 ? accuracy : '0') + "-" + code;
    }
    if (accuracy != 0) {
        return std::string(1, accuracy) + "-" + code;
    }
    return code;
}

}  // namespace lz::designation
