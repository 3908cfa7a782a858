#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "shop/quote/quote_messages.h"
#include "shop/shop_messages.h"
#include "shop/store/backups.h"
#include "shop/store/quote_store.h"
#include "tests/shop/fixture_files.h"
#include "tests/shop/shop_file_fixture.h"

namespace lz::shop {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using test::fileBytes;
using test::queryInteger;

constexpr year_month_day kDec8{year{2026}, month{12}, day{8}};
constexpr year_month_day kDec9{year{2026}, month{12}, day{9}};

QuoteLine line(const char* asked, const char* offered, std::optional<std::int64_t> quantity,
               std::optional<Fen> price) {
    QuoteLine l;
    l.askedModel = asked;
    l.offeredModel = offered;
    l.brand = "NSK";
    l.quantity = quantity;
    l.unitPrice = price;
    return l;
}

// A quote with every field set away from its default.
Quote fullQuote() {
    Quote quote;
    quote.customer = "华东机电设备有限公司";
    quote.contact = "王工";
    quote.quotedBy = "李明";
    quote.date = kDec8;
    quote.validDays = 15;
    quote.taxBasis = TaxBasis::IncludingTax;
    quote.taxRateBasisPoints = 900;
    quote.freight = 1500;
    quote.adjustment = -4;
    quote.note = "款到发货";
    quote.lines.push_back(line("6205 2rs", "6205DDU", 10, 3250));
    quote.lines[0].priceSource = PriceSource::Shop;
    quote.lines[0].delivery = "现货";
    quote.lines[0].note = "原装";
    quote.lines[0].bh = 10542;
    quote.lines.push_back(line("6206", "6206", 4, 1));
    quote.lines[1].unit = "个";
    quote.lines[1].priceSource = PriceSource::Reference;
    quote.lines[1].check = OfferCheck::SeveralMatches;
    quote.lines.push_back(line("XYZ-1", "", std::nullopt, std::nullopt));
    quote.lines[2].check = OfferCheck::NoMatch;
    return quote;
}

class QuoteStoreTest : public test::ShopFileFixture {};

TEST_F(QuoteStoreTest, AQuoteSurvivesClosingAndReopeningTheFile) {
    Quote quote = fullQuote();
    {
        auto file = openReady();
        const auto saved = saveQuote(*file, quote);
        ASSERT_TRUE(saved.ok) << saved.message;
        // The first number of the day.
        EXPECT_EQ(saved.number, "20261208-001");
        quote.number = "20261208-001";
    }
    auto file = openReady();
    const auto loaded = loadQuote(*file, " 20261208-001 ");
    ASSERT_EQ(loaded.status, QuoteLookup::Found);
    EXPECT_EQ(loaded.quote, quote);
    // 10 × 32.50 + 4 × 0.01 = 325.04; + 15.00 freight − 0.04 = 340.00.
    const auto list = listQuotes(*file);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 1u);
    EXPECT_EQ(list->front(),
              (QuoteSummary{"20261208-001", kDec8, "华东机电设备有限公司", 3, 34000}));
    EXPECT_EQ(loadQuote(*file, "20261208-002").status, QuoteLookup::NotFound);
}

TEST_F(QuoteStoreTest, MoneyRoundTripsToTheFenAndTheTotalIsListed) {
    auto file = openReady();
    Quote quote;
    quote.date = kDec8;
    quote.taxBasis = TaxBasis::ExcludingTax;
    quote.freight = 1;
    quote.adjustment = -99;
    for (const Fen price : {Fen{0}, Fen{1}, Fen{12345}, Fen{10'000'000'000}}) {
        quote.lines.push_back(line("6205", "6205", 1, price));
    }
    quote.lines.push_back(line("6205", "6205", 0, 999));
    const auto saved = saveQuote(*file, quote);
    ASSERT_TRUE(saved.ok) << saved.message;
    const auto loaded = loadQuote(*file, saved.number);
    ASSERT_EQ(loaded.status, QuoteLookup::Found);
    std::vector<std::optional<Fen>> prices;
    for (const auto& l : loaded.quote.lines) {
        prices.push_back(l.unitPrice);
    }
    EXPECT_EQ(prices, (std::vector<std::optional<Fen>>{0, 1, 12345, 10'000'000'000, 999}));
    EXPECT_EQ(loaded.quote.lines[4].quantity, std::optional<std::int64_t>(0));
    EXPECT_EQ(loaded.quote.freight, 1);
    EXPECT_EQ(loaded.quote.adjustment, -99);
    // 合计 100,000,123.46; 13 % tax 13,000,016.0498 → 13,000,016.05; + 0.01 − 0.99.
    EXPECT_EQ(listQuotes(*file)->front().total, 11'300'013'853);
}

TEST_F(QuoteStoreTest, ACopyIsIndependentOfItsOriginal) {
    auto file = openReady();
    const auto original = saveQuote(*file, fullQuote());
    ASSERT_TRUE(original.ok);
    const auto copied = copyQuote(*file, original.number, kDec9);
    ASSERT_TRUE(copied.ok) << copied.message;
    EXPECT_EQ(copied.number, "20261209-001");
    EXPECT_EQ(copied.quote.date, kDec9);
    EXPECT_EQ(copied.quote.customer, "华东机电设备有限公司");
    EXPECT_EQ(copied.quote.lines, fullQuote().lines);

    // Change the copy: the original stays.
    Quote copy = loadQuote(*file, "20261209-001").quote;
    copy.lines[0].quantity = 99;
    copy.lines.pop_back();
    copy.customer = "另一家";
    ASSERT_TRUE(saveQuote(*file, copy).ok);
    Quote again = loadQuote(*file, "20261208-001").quote;
    EXPECT_EQ(again.lines, fullQuote().lines);
    EXPECT_EQ(again.customer, "华东机电设备有限公司");

    // Change the original: the copy stays.
    again.lines[1].unitPrice = 777;
    ASSERT_TRUE(saveQuote(*file, again).ok);
    const Quote copyNow = loadQuote(*file, "20261209-001").quote;
    EXPECT_EQ(copyNow, copy);

    EXPECT_EQ(copyQuote(*file, "20261208-404", kDec9).message, messages::kQuoteNotFound);
}

TEST_F(QuoteStoreTest, DeleteRemovesTheLinesTooAndTheNumberIsNotHandedOutAgain) {
    auto file = openReady();
    ASSERT_EQ(saveQuote(*file, fullQuote()).number, "20261208-001");
    ASSERT_EQ(saveQuote(*file, fullQuote()).number, "20261208-002");
    ASSERT_EQ(queryInteger(path(), "SELECT count(*) FROM quote_line"), 6);

    const auto removed = deleteQuote(*file, "20261208-002");
    ASSERT_TRUE(removed.ok) << removed.message;
    EXPECT_EQ(queryInteger(path(), "SELECT count(*) FROM quote_line"), 3);
    EXPECT_EQ(queryInteger(path(), "SELECT count(*) FROM quote"), 1);
    EXPECT_EQ(loadQuote(*file, "20261208-002").status, QuoteLookup::NotFound);
    EXPECT_EQ(listQuotes(*file)->size(), 1u);
    EXPECT_EQ(deleteQuote(*file, "20261208-002").message, messages::kQuoteNotFound);

    EXPECT_EQ(nextQuoteNumber(*file, kDec8).number, "20261208-003");
}

TEST_F(QuoteStoreTest, NumbersNeverRepeat) {
    std::vector<std::string> handedOut;
    {
        auto file = openReady();
        handedOut.push_back(nextQuoteNumber(*file, kDec8).number);
        handedOut.push_back(saveQuote(*file, fullQuote()).number);
        // A quote kept under a number typed by hand: later numbers go past it.
        Quote typed = fullQuote();
        typed.number = "20261208-050";
        handedOut.push_back(saveQuote(*file, typed).number);
        handedOut.push_back(nextQuoteNumber(*file, kDec8).number);
        handedOut.push_back(nextQuoteNumber(*file, kDec9).number);
        ASSERT_TRUE(deleteQuote(*file, "20261208-050").ok);
        ASSERT_TRUE(deleteQuote(*file, "20261208-002").ok);
    }
    auto file = openReady();
    handedOut.push_back(nextQuoteNumber(*file, kDec8).number);
    handedOut.push_back(copyQuote(*file, "20261208-051", kDec9).number);  // 051 was never saved
    EXPECT_EQ(handedOut,
              (std::vector<std::string>{"20261208-001", "20261208-002", "20261208-050",
                                        "20261208-051", "20261209-001", "20261208-052", ""}));

    // The day's last number taken: no more that day, the next day is free.
    Quote last = fullQuote();
    last.number = "20261208-9999";
    ASSERT_TRUE(saveQuote(*file, last).ok);
    const auto usedUp = nextQuoteNumber(*file, kDec8);
    EXPECT_EQ(usedUp.number, "");
    EXPECT_EQ(usedUp.message, messages::kQuoteNumbersUsedUp);
    EXPECT_EQ(nextQuoteNumber(*file, kDec9).number, "20261209-002");
}

TEST_F(QuoteStoreTest, QuotesAreListedNewestFirst) {
    auto file = openReady();
    const char* numbers[] = {"20261208-999", "20261207-001", "20261208-1000", "20261208-002"};
    for (const char* number : numbers) {
        Quote quote = fullQuote();
        quote.number = number;
        ASSERT_TRUE(saveQuote(*file, quote).ok);
    }
    // A quote dated later than its number's day counts by its date.
    Quote redated = fullQuote();
    redated.number = "20261207-002";
    redated.date = kDec9;
    ASSERT_TRUE(saveQuote(*file, redated).ok);
    const auto summaries = listQuotes(*file);
    ASSERT_TRUE(summaries);
    std::vector<std::string> listed;
    for (const auto& summary : *summaries) {
        listed.push_back(summary.number);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"20261207-002", "20261208-1000", "20261208-999",
                                                "20261208-002", "20261207-001"}));
}

// The model's limits, each refused with its message; nothing is kept.
TEST_F(QuoteStoreTest, AQuoteTheModelRefusesIsNotKept) {
    struct Case {
        const char* what;
        void (*change)(Quote&);
        std::string message;
    };
    const Case cases[] = {
        {"negative quantity", [](Quote& q) { q.lines[1].quantity = -1; },
         "第 2 行：数量不能为负数"},
        {"huge quantity", [](Quote& q) { q.lines[0].quantity = 1'000'001; },
         "第 1 行：数量过大（最多 1000000）"},
        {"negative price", [](Quote& q) { q.lines[0].unitPrice = -1; }, "第 1 行：单价不能为负数"},
        {"huge price", [](Quote& q) { q.lines[0].unitPrice = 10'000'000'001; },
         "第 1 行：单价过大（最多 100000000 元）"},
        {"negative freight", [](Quote& q) { q.freight = -1; }, "运费不能为负数"},
        {"negative total", [](Quote& q) { q.adjustment = -40'000; },
         "总额不能为负数，请检查调整金额"},
        {"long customer", [](Quote& q) { q.customer = std::string(201, 'x'); },
         "文字过长（最多 200 字）"},
        {"too many lines", [](Quote& q) { q.lines.resize(1001); }, "一张报价单最多 1000 行"},
        {"no date",
         [](Quote& q) {
             q.date = year_month_day{year{2026}, month{2}, day{30}};
         },
         "日期无效"},
        {"number of another form", [](Quote& q) { q.number = "2026-12-08-1"; },
         "单号无效（应为日期加序号，如 20261208-001）"},
    };
    auto file = openReady();
    for (const Case& c : cases) {
        Quote quote = fullQuote();
        c.change(quote);
        const auto write = saveQuote(*file, quote);
        EXPECT_FALSE(write.ok) << c.what;
        EXPECT_EQ(write.message, c.message) << c.what;
    }
    EXPECT_TRUE(listQuotes(*file)->empty());
    EXPECT_EQ(queryInteger(path(), "SELECT count(*) FROM quote_line"), 0);
    // No number was taken by a refused quote.
    EXPECT_EQ(nextQuoteNumber(*file, kDec8).number, "20261208-001");
}

TEST_F(QuoteStoreTest, TheShopHeaderIsSetOnceAndKept) {
    const ShopHeader header{"翎轴轴承商行", "0571-8888 6666", "杭州市拱墅区轴承路 8 号",
                            "工商银行拱墅支行 6222 0000 1111"};
    {
        auto file = openReady();
        EXPECT_EQ(loadShopHeader(*file), ShopHeader{});
        ASSERT_TRUE(saveShopHeader(*file, header).ok);
        ShopHeader tooLong = header;
        tooLong.address = std::string(201, 'x');
        const auto refused = saveShopHeader(*file, tooLong);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.message, "文字过长（最多 200 字）");
    }
    auto file = openReady();
    EXPECT_EQ(loadShopHeader(*file), header);
}

TEST_F(QuoteStoreTest, AFileOfTheFirstSchemaIsUpgradedKeepingItsStockAfterABackup) {
    {
        auto first = ShopFile::open(path(), shopMigrations().first(1));
        ASSERT_EQ(first.status, ShopFileStatus::Ready);
        StockLine stock;
        stock.sourceLine = 2;
        stock.designation = "6205-2RS";
        stock.brand = "NSK";
        stock.quantity = 12;
        stock.priceFen = 3250;
        ASSERT_TRUE(first.file->importLines({stock}, "库存.csv").ok);
    }
    fs::remove_all(dir_.path() / "backups");
    ASSERT_EQ(queryInteger(path(), "PRAGMA user_version"), 1);

    auto opening = ShopFile::open(path());
    ASSERT_EQ(opening.status, ShopFileStatus::Ready);
    EXPECT_TRUE(opening.upgraded);
    ASSERT_TRUE(opening.file->lines());
    ASSERT_EQ(opening.file->lines()->size(), 1u);
    EXPECT_EQ(opening.file->lines()->front().designation, "6205-2RS");
    EXPECT_EQ(opening.file->lines()->front().priceFen, std::optional<std::int64_t>(3250));
    EXPECT_TRUE(saveQuote(*opening.file, fullQuote()).ok);
    opening.file.reset();
    EXPECT_EQ(queryInteger(path(), "PRAGMA user_version"), 2);

    const auto backups = listBackups(dir_.path() / "backups");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(queryInteger(backups.front(), "PRAGMA user_version"), 1);
    EXPECT_EQ(queryInteger(backups.front(), "SELECT count(*) FROM stock_line"), 1);
}

TEST_F(QuoteStoreTest, AFileOpenedForReadingIsNeverWritten) {
    {
        auto file = openReady();
        ASSERT_TRUE(saveQuote(*file, fullQuote()).ok);
    }
    const std::string before = fileBytes(path());
    auto opening = ShopFile::openForReading(path());
    ASSERT_EQ(opening.status, ShopFileStatus::Ready);
    ShopFile& file = *opening.file;
    EXPECT_EQ(listQuotes(file)->size(), 1u);
    EXPECT_EQ(saveQuote(file, fullQuote()).message, messages::kSaveFailed);
    EXPECT_EQ(nextQuoteNumber(file, kDec8).message, messages::kSaveFailed);
    EXPECT_FALSE(copyQuote(file, "20261208-001", kDec9).ok);
    EXPECT_FALSE(deleteQuote(file, "20261208-001").ok);
    EXPECT_FALSE(saveShopHeader(file, ShopHeader{"店", "", "", ""}).ok);
    EXPECT_EQ(loadQuote(file, "20261208-001").status, QuoteLookup::Found);
    opening.file.reset();
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_FALSE(fs::exists(dir_.path() / "backups"));
}

}  // namespace
}  // namespace lz::shop
