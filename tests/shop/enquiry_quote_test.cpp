// A quote started from a customer's enquiry list: the committed enquiries read with the
// stock-list readers, matched against the catalogue the program carries, priced from the
// shop's shelf and the price lists, and the lines to settle marked.
#include "shop/enquiry/enquiry_quote.h"

#include <gtest/gtest.h>

#include <vector>

#include "shop/import/matched_import.h"
#include "shop/pricing/proposed_price.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_stock.h"
#include "tests/shop/fixture_files.h"
#include "tests/shop/shipped_prices.h"

namespace lz::shop {
namespace {

StockLine onTheShelf(const char* designation, const char* brand, std::int64_t bh,
                     std::int64_t priceFen) {
    StockLine line;
    line.designation = designation;
    line.brand = brand;
    line.quantity = 8;
    line.priceFen = priceFen;
    line.bh = bh;
    line.match = MatchState::Matched;
    return line;
}

// The shop stocks NSK 6205DDU (row 466) at 35.00, NTN 6205LLU (row 8925) at 30.00 and
// NTN 6206LLU (row 8931) at 40.00.
const std::vector<StockLine> kShelf = {
    onTheShelf("6205DDU", "NSK", 466, 3500),
    onTheShelf("6205LLU", "NTN", 8925, 3000),
    onTheShelf("6206LLU", "NTN", 8931, 4000),
};

struct Expected {
    const char* asked;
    const char* offered;
    const char* brand;
    std::optional<std::int64_t> quantity;
    std::optional<Fen> price;
    PriceSource source;
    std::optional<std::int64_t> bh;
    OfferCheck check;
    const char* note;
};

void expectLines(const std::vector<QuoteLine>& lines, const std::vector<Expected>& expected) {
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const QuoteLine& line = lines[k];
        const Expected& e = expected[k];
        SCOPED_TRACE(e.asked);
        EXPECT_EQ(line.askedModel, e.asked);
        EXPECT_EQ(line.offeredModel, e.offered);
        EXPECT_EQ(line.brand, e.brand);
        EXPECT_EQ(line.quantity, e.quantity);
        EXPECT_EQ(line.unit, "套");
        EXPECT_EQ(line.unitPrice, e.price);
        EXPECT_EQ(line.priceSource, e.source);
        EXPECT_EQ(line.bh, e.bh);
        EXPECT_EQ(line.check, e.check);
        EXPECT_EQ(line.note, e.note);
    }
}

class EnquiryQuoteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::shippedPrices().prices) << "the catalogue cannot be read";
    }

    EnquiryQuote quoteOf(const char* fixture, TaxBasis basis) {
        const auto& shipped = test::shippedPrices();
        const EnquiryReading reading =
            readEnquiry(test::fixture(fixture), knownBrandsOf(*shipped.matcher));
        EXPECT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
        return quoteFromEnquiry(reading.lines, matching(), basis);
    }

    EnquiryMatching matching() const {
        return EnquiryMatching{*test::shippedPrices().matcher, nullptr, stock_, proposer_};
    }

    ShopStock stock_{kShelf};
    PriceProposer proposer_{*test::shippedPrices().matcher, *test::shippedPrices().prices, kShelf};
};

constexpr auto Shop = PriceSource::Shop;
constexpr auto Ref = PriceSource::Reference;
constexpr auto None = PriceSource::None;
constexpr auto Settled = OfferCheck::Settled;
constexpr auto Several = OfferCheck::SeveralMatches;
constexpr auto NoMatch = OfferCheck::NoMatch;

TEST_F(EnquiryQuoteTest, AWorkbookBecomesQuoteLinesWithTheLinesToSettleMarked) {
    const EnquiryQuote made = quoteOf("enquiry.xlsx", TaxBasis::IncludingTax);
    ASSERT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    expectLines(made.lines,
                {
                    // Matched, on the shelf: the shop's price.
                    {"6205-2RS", "6205DDU", "NSK", 10, 3500, Shop, 466, Settled, ""},
                    // The brand glued on split off; matched, no price anywhere.
                    {"NSK6206DDU", "6206DDU", "NSK", 4, std::nullopt, None, 475, Settled, "加急"},
                    // Full-width, as the customer wrote it; matched.
                    {"６２０７ＺＺ", "6207-2Z", "SKF", 2, std::nullopt, None, 22484, Settled, ""},
                    // Several makers have it and none is named: the one on the shelf, marked.
                    {"6206 2RS", "6206LLU", "NTN", 20, 4000, Shop, 8931, Several, ""},
                    // Nothing fits.
                    {"XYZ-123", "XYZ-123", "", 1, std::nullopt, None, std::nullopt, NoMatch, ""},
                    // FAG has no plain 6208 row: offered as asked, the list's 81.5841 with tax.
                    {"6208", "6208", "FAG", 3, 8158, Ref, std::nullopt, Several, ""},
                });
    EXPECT_EQ(made.noMatch, 1);
    EXPECT_EQ(made.severalMatches, 2);
}

TEST_F(EnquiryQuoteTest, AGbkCsvWithOtherHeadingsAndANetQuote) {
    const EnquiryQuote made = quoteOf("enquiry_gbk.csv", TaxBasis::ExcludingTax);
    ASSERT_TRUE(made.error.isEmpty()) << made.error.toStdString();
    expectLines(made.lines,
                {
                    {"6205LLU", "6205LLU", "NTN", 5, 3000, Shop, 8925, Settled, "含税"},
                    {"6206-2RS1", "6206-2RS1", "SKF", 1000, std::nullopt, None, 22472, Settled, ""},
                });
    // The FAG line of a net quote takes the list's price without tax, 69.73.
    EnquiryLine fag{QStringLiteral("6208"), {}};
    fag.cleaned.designation = QStringLiteral("6208");
    fag.cleaned.brand = QStringLiteral("FAG");
    EXPECT_EQ(quoteLineForEnquiry(fag, matching(), TaxBasis::ExcludingTax).unitPrice,
              std::optional<Fen>(6973));
}

TEST_F(EnquiryQuoteTest, BadEnquiriesAndQuotesTheModelRefusesGetTheirMessages) {
    const auto& shipped = test::shippedPrices();
    const QStringList brands = knownBrandsOf(*shipped.matcher);
    struct Case {
        const char* fixture;
        const char* message;
    };
    const Case bad[] = {
        {"bad_empty.csv", messages::kEmptyFile},
        {"bad_no_header.csv", messages::kNoHeader},
        {"bad_encrypted.xlsx", messages::kEncrypted},
        {"bad_truncated.xlsx", messages::kDamaged},
    };
    for (const Case& c : bad) {
        const EnquiryReading reading = readEnquiry(test::fixture(c.fixture), brands);
        EXPECT_EQ(reading.error.toStdString(), c.message) << c.fixture;
        EXPECT_TRUE(reading.lines.empty()) << c.fixture;
    }

    std::vector<EnquiryLine> lines(1);
    lines[0].asked = QString(201, QLatin1Char('6'));
    lines[0].cleaned.designation = lines[0].asked;
    EXPECT_EQ(quoteFromEnquiry(lines, matching(), TaxBasis::IncludingTax).error.toStdString(),
              "第 1 行：文字过长（最多 200 字）");
    lines.assign(1001, lines[0]);
    for (EnquiryLine& line : lines) {
        line.asked = line.cleaned.designation = QStringLiteral("6205");
    }
    const EnquiryQuote tooMany = quoteFromEnquiry(lines, matching(), TaxBasis::IncludingTax);
    EXPECT_EQ(tooMany.error.toStdString(), "一张报价单最多 1000 行");
    EXPECT_TRUE(tooMany.lines.empty());
}

}  // namespace
}  // namespace lz::shop
