#include "shop/quote/amount_in_capitals.h"

#include <array>
#include <cstdint>

namespace lz::shop {

namespace {

constexpr std::array<const char*, 10> kDigits = {"零", "壹", "贰", "叁", "肆",
                                                 "伍", "陆", "柒", "捌", "玖"};
// The units of the groups of four digits, from the lowest; enough for any int64 of fen.
constexpr std::array<const char*, 5> kGroupUnits = {"", "万", "亿", "万亿", "亿亿"};

// 1 … 9999 within its group: "壹仟零伍", "壹拾".
std::string groupInCapitals(unsigned value) {
    static constexpr std::array<const char*, 4> kPlaces = {"仟", "佰", "拾", ""};
    static constexpr std::array<unsigned, 4> kPowers = {1000, 100, 10, 1};
    std::string out;
    bool zeroPending = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const unsigned digit = value / kPowers[i] % 10;
        if (digit == 0) {
            zeroPending = !out.empty();
            continue;
        }
        if (zeroPending) {
            out += kDigits[0];
            zeroPending = false;
        }
        out += kDigits[digit];
        out += kPlaces[i];
    }
    return out;
}

std::string yuanInCapitals(std::uint64_t yuan) {
    std::array<unsigned, kGroupUnits.size()> groups{};
    for (auto& group : groups) {
        group = static_cast<unsigned>(yuan % 10'000);
        yuan /= 10'000;
    }
    std::string out;
    bool zeroPending = false;
    for (std::size_t g = groups.size(); g-- > 0;) {
        const unsigned value = groups[g];
        if (value == 0) {
            zeroPending = !out.empty();
            continue;
        }
        // A gap after a higher group is read as one 零: 壹亿零壹万, 贰仟万零贰.
        if (!out.empty() && (zeroPending || value < 1000)) {
            out += kDigits[0];
        }
        zeroPending = false;
        out += groupInCapitals(value);
        out += kGroupUnits[g];
    }
    return out;
}

}  // namespace

std::string amountInCapitals(Fen fen) {
    const bool negative = fen < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(fen) + 1 : static_cast<std::uint64_t>(fen);
    const std::uint64_t yuan = magnitude / 100;
    const unsigned jiao = static_cast<unsigned>(magnitude / 10 % 10);
    const unsigned fenDigit = static_cast<unsigned>(magnitude % 10);

    std::string out = negative ? "负" : "";
    if (yuan > 0) {
        out += yuanInCapitals(yuan);
        out += "元";
    }
    if (jiao == 0 && fenDigit == 0) {
        return out + (yuan > 0 ? "整" : "零元整");
    }
    if (jiao > 0) {
        if (yuan > 0 && yuan % 10 == 0) {
            out += kDigits[0];  // 壹仟陆佰捌拾元零叁角
        }
        out += kDigits[jiao];
        out += "角";
    } else if (yuan > 0) {
        out += kDigits[0];  // 叁佰贰拾伍元零肆分
    }
    if (fenDigit == 0) {
        return out + "整";
    }
    return out + kDigits[fenDigit] + "分";
}

}  // namespace lz::shop
