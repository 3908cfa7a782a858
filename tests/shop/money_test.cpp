#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "shop/store/money.h"

namespace lz::shop {
namespace {

TEST(Money, TextBecomesWholeFenRoundedHalfAwayFromZero) {
    const struct {
        const char* text;
        std::optional<std::int64_t> fen;
    } cases[] = {
        {"12", 1200},
        {"12.3", 1230},
        {"12.34", 1234},
        {"12.345", 1235},  // half goes up
        {"12.3449999", 1234},
        {"-12.345", -1235},  // and away from zero below it
        {"0.005", 1},
        {"0.004999", 0},
        {"-0.004", 0},
        {"+7.5", 750},
        {".5", 50},
        {"5.", 500},
        {"007.50", 750},
        {"1.2E3", 120000},
        {"1.5e-2", 2},
        {"5e-4", 0},
        {"0.28499999999999998", 28},  // exact decimal digits; readers take the float noise off
        {"999999999999999", 99999999999999900},
        {"1000000000000000", std::nullopt},  // beyond 10^15 yuan
        {"", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"12a", std::nullopt},
        {"1,234", std::nullopt},  // grouping is the cleaner's business
        {"1.2.3", std::nullopt},
        {"1e", std::nullopt},
        {" 12", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseFen(c.text), c.fen) << c.text;
    }
}

TEST(Money, FenShowWithTwoDecimals) {
    const struct {
        std::int64_t fen;
        const char* text;
    } cases[] = {
        {0, "0.00"},
        {5, "0.05"},
        {-5, "-0.05"},
        {1230, "12.30"},
        {-123456, "-1234.56"},
        {100, "1.00"},
        {INT64_MIN, "-92233720368547758.08"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFen(c.fen), c.text) << c.fen;
    }
}

}  // namespace
}  // namespace lz::shop
