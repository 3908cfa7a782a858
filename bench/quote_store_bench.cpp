// Quotes in the shop file and quotes from an enquiry list: keeping and reading a 200-line
// quote, listing 500 kept quotes, building the price lists' index over the catalogue, and
// turning a 200-line enquiry into priced quote lines. Plain figures: the median of several
// rounds, in milliseconds.
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "catalogue/image/catalogue_image.h"
#include "shop/enquiry/enquiry_quote.h"
#include "shop/matching/stock_matcher.h"
#include "shop/pricing/proposed_price.h"
#include "shop/pricing/reference_prices.h"
#include "shop/store/quote_store.h"
#include "shop/store/shop_stock.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 200;
constexpr int kKeptQuotes = 500;

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(int rounds, const std::function<void()>& work) {
    std::vector<double> times;
    for (int k = 0; k < rounds; ++k) {
        const auto start = Clock::now();
        work();
        times.push_back(milliseconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

const char* const kModels[] = {"6205-2RS", "6206 2RS", "NSK6206DDU", "6208",    "XYZ-123",
                               "6207ZZ",   "NU2210E",  "32212",      "6305-2Z", "22220CAK/W33"};

lz::shop::Quote benchQuote() {
    lz::shop::Quote quote;
    quote.customer = "华北重工机械有限公司";
    quote.date = std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::month{12},
                                             std::chrono::day{8}};
    for (int i = 0; i < kLines; ++i) {
        lz::shop::QuoteLine line;
        line.askedModel = kModels[i % 10];
        line.offeredModel = kModels[i % 10];
        line.brand = i % 2 ? "SKF" : "NSK";
        line.quantity = 1 + i % 50;
        line.unitPrice = 1000 + 37 * i;
        line.delivery = "现货";
        quote.lines.push_back(line);
    }
    return quote;
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "lingzhou-quote-store-bench";
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto opening = lz::shop::ShopFile::open(dir / "shop.sqlite");
    if (!opening.file) {
        std::fprintf(stderr, "cannot open the shop file: %s\n", opening.message.c_str());
        return 1;
    }
    lz::shop::ShopFile& file = *opening.file;
    lz::shop::Quote quote = benchQuote();
    quote.number = lz::shop::saveQuote(file, quote).number;
    const double save = median(9, [&] { lz::shop::saveQuote(file, quote); });
    const double load = median(9, [&] { (void)lz::shop::loadQuote(file, quote.number); });
    for (int k = 1; k < kKeptQuotes; ++k) {
        lz::shop::Quote small = quote;
        small.number.clear();
        small.lines.resize(5);
        lz::shop::saveQuote(file, small);
    }
    const double list = median(9, [&] { (void)lz::shop::listQuotes(file); });

    lz::catalogue::CatalogueDatabase database;
    if (!database.openImage(lz::catalogue::catalogueImage())) {
        std::fprintf(stderr, "cannot open the catalogue\n");
        return 1;
    }
    auto start = Clock::now();
    auto matcher = lz::shop::StockMatcher::build(database);
    const double matcherBuild = milliseconds(Clock::now() - start);
    start = Clock::now();
    auto prices = lz::shop::ReferencePrices::build(database, *matcher);
    const double pricesBuild = milliseconds(Clock::now() - start);
    if (!matcher || !prices) {
        std::fprintf(stderr, "cannot read the catalogue\n");
        return 1;
    }
    const lz::shop::ShopStock stock;
    const lz::shop::PriceProposer proposer(*matcher, *prices, {});
    const lz::shop::EnquiryMatching matching{*matcher, nullptr, stock, proposer};
    std::vector<lz::shop::EnquiryLine> enquiry(kLines);
    for (int i = 0; i < kLines; ++i) {
        enquiry[i].asked = QString::fromUtf8(kModels[i % 10]);
        enquiry[i].cleaned.designation = enquiry[i].asked;
        enquiry[i].cleaned.quantity = 1 + i;
    }
    const double made = median(5, [&] {
        (void)lz::shop::quoteFromEnquiry(enquiry, matching, lz::shop::TaxBasis::IncludingTax);
    });

    std::printf("save a %d-line quote (one transaction)   %8.2f ms\n", kLines, save);
    std::printf("load a %d-line quote                     %8.2f ms\n", kLines, load);
    std::printf("list %d kept quotes                      %8.2f ms\n", kKeptQuotes, list);
    std::printf("build the matcher over the catalogue      %8.2f ms\n", matcherBuild);
    std::printf("build the price lists' index (%zu rows)  %8.2f ms\n", prices->rowCount(),
                pricesBuild);
    std::printf("quote lines from a %d-line enquiry       %8.2f ms\n", kLines, made);
    fs::remove_all(dir);
    return 0;
}
