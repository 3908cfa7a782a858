#include "query/sizes/size_texts.h"

#include <array>
#include <numeric>
#include <string_view>

#include "query/sizes/measurement.h"

namespace lz::sizes {
namespace {

constexpr std::string_view kTimes = " × ";

// `value` / 10^decimals with exactly `decimals` digits after the point; a sign when asked.
std::string fixedText(Length value, int decimals, bool sign) {
    const bool negative = value < 0;
    const Length magnitude = negative ? -value : value;
    Length scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    std::string digits = std::to_string(magnitude % scale);
    digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
    std::string text = std::to_string(magnitude / scale);
    if (decimals > 0) {
        text += '.' + digits;
    }
    if (sign && magnitude != 0) {
        text.insert(0, 1, negative ? '-' : '+');
    }
    return text;
}

// `value` / `divisor` rounded to the nearest whole number, halves away from zero.
Length roundedQuotient(Length value, Length divisor) {
    const Length half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

std::string_view unitName(LengthUnit unit) {
    return unit == LengthUnit::Inch ? "in" : "mm";
}

// One deviation in `unit`: thousandths of a millimetre or ten-thousandths of an inch.
std::string deviationValue(Length deviation, LengthUnit unit) {
    if (unit == LengthUnit::Inch) {
        // An inch is 254,000 lengths, a ten-thousandth of one 25.4.
        return fixedText(roundedQuotient(deviation * 10, 254), 4, true);
    }
    return fixedText(roundedQuotient(deviation, kPerMillimetre / 1000), 3, true);
}

}  // namespace

std::string millimetreText(Length length) {
    std::string text = fixedText(length, 4, false);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string inchFractionText(Length length) {
    // A 64th of an inch is 3968.75 lengths: four times the length counts 15875 per 64th.
    constexpr Length kFourfoldSixtyFourth = kPerInch * 4 / 64;
    const Length sixtyFourths = roundedQuotient(length * 4, kFourfoldSixtyFourth);
    const Length whole = sixtyFourths / 64;
    Length numerator = sixtyFourths % 64;
    Length denominator = 64;
    const Length common = std::gcd(numerator, denominator);
    if (numerator == 0) {
        return std::to_string(whole);
    }
    numerator /= common;
    denominator /= common;
    const std::string fraction = std::to_string(numerator) + '/' + std::to_string(denominator);
    return whole == 0 ? fraction : std::to_string(whole) + '-' + fraction;
}

std::string nominalHeading(const SizeGroup& group) {
    const NominalSize& n = group.nominal;
    std::string heading = millimetreText(n.inner);
    heading += kTimes;
    heading += millimetreText(n.outer);
    heading += kTimes;
    heading += millimetreText(n.width);
    heading += " mm";
    if (group.inch) {
        heading += "（英制 ";
        heading += inchFractionText(n.inner);
        heading += kTimes;
        heading += inchFractionText(n.outer);
        heading += kTimes;
        heading += inchFractionText(n.width);
        heading += " in）";
    }
    return heading;
}

std::string deviationText(const Measurement& m, const SizeGroup& group) {
    struct Part {
        std::string_view name;
        Length deviation;
        LengthUnit unit;
    };
    std::array<Part, 3> parts{
        {{"d", group.deviation.inner, m.inner.unit},
         {"D", group.deviation.outer, m.outer.unit},
         {"B", group.deviation.width.value_or(0), m.width ? m.width->unit : m.inner.unit}}};
    const std::size_t count = group.deviation.width && m.width ? 3 : 2;
    bool oneUnit = true;
    for (std::size_t i = 1; i < count; ++i) {
        oneUnit = oneUnit && parts[i].unit == parts[0].unit;
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += ", ";
        }
        text += parts[i].name;
        text += ' ';
        text += deviationValue(parts[i].deviation, parts[i].unit);
        if (!oneUnit) {
            text += ' ';
            text += unitName(parts[i].unit);
        }
    }
    if (oneUnit) {
        text += ' ';
        text += unitName(parts[0].unit);
    }
    if (group.inch) {
        text += "，英制";
    }
    return text;
}

}  // namespace lz::sizes
