#include "shop/enquiry/enquiry_quote.h"

#include <algorithm>
#include <unordered_map>

#include "shop/import/stock_import.h"
#include "shop/matching/stock_matcher.h"
#include "shop/pricing/proposed_price.h"
#include "shop/quote/quote_amounts.h"
#include "shop/quote/quote_messages.h"
#include "shop/store/shop_stock.h"

namespace lz::shop {

namespace {

bool stocked(const EnquiryMatching& matching, std::int32_t bh) {
    const CatalogueRow* row = matching.matcher.rows().find(bh);
    return row != nullptr && matching.stock.ofRow(bh, row->newno).has_value();
}

// The candidate to offer: stocked first, then of the brand asked, then the matcher's order.
std::optional<std::int32_t> preferredCandidate(const std::vector<std::int32_t>& candidates,
                                               const EnquiryMatching& matching,
                                               const std::string& askedBrandKey,
                                               bool& brandAskedIsAmongThem) {
    const CatalogueRows& rows = matching.matcher.rows();
    auto rank = [&](std::int32_t bh) {
        const bool ofBrand = !askedBrandKey.empty() && rows.brandKeyOf(bh) == askedBrandKey;
        return (stocked(matching, bh) ? 0 : 2) + (ofBrand ? 0 : 1);
    };
    brandAskedIsAmongThem = askedBrandKey.empty();
    std::optional<std::int32_t> best;
    int bestRank = 4;
    for (const std::int32_t bh : candidates) {
        if (rows.find(bh) == nullptr) {
            continue;
        }
        if (!askedBrandKey.empty() && rows.brandKeyOf(bh) == askedBrandKey) {
            brandAskedIsAmongThem = true;
        }
        const int r = rank(bh);
        if (r < bestRank) {
            best = bh;
            bestRank = r;
        }
    }
    return best;
}

void offerRow(QuoteLine& quote, std::int32_t bh, const EnquiryMatching& matching, TaxBasis basis) {
    const CatalogueRow* row = matching.matcher.rows().find(bh);
    quote.bh = bh;
    quote.offeredModel = row->ckxh.empty() ? row->newno : row->ckxh;
    quote.brand = row->brand;
    const ProposedPrice price = matching.prices.forRow(bh, basis);
    quote.unitPrice = price.unitPrice;
    quote.priceSource = price.source;
}

void offerAsAsked(QuoteLine& quote, const std::string& designation, const std::string& brand,
                  const EnquiryMatching& matching, TaxBasis basis) {
    quote.offeredModel = designation;
    quote.brand = brand;
    const ProposedPrice price = matching.prices.forDesignation(designation, brand, basis);
    quote.unitPrice = price.unitPrice;
    quote.priceSource = price.source;
}

}  // namespace

QuoteLine quoteLineForEnquiry(const EnquiryLine& line, const EnquiryMatching& matching,
                              TaxBasis basis) {
    QuoteLine quote;
    quote.askedModel = line.asked.toStdString();
    quote.quantity = line.cleaned.quantity;
    quote.note = line.cleaned.note.toStdString();
    const std::string designation = line.cleaned.designation.toStdString();
    const std::string brand = line.cleaned.brand.toStdString();

    static const MatchAnswers kNoAnswers;
    const LineMatch match = matchLine(
        matching.matcher, matching.answers ? *matching.answers : kNoAnswers, designation, brand);
    if (match.state == MatchState::Matched && match.bh &&
        matching.matcher.rows().find(*match.bh) != nullptr) {
        offerRow(quote, *match.bh, matching, basis);
        return quote;
    }
    if (match.state == MatchState::Unmatched) {
        offerAsAsked(quote, designation, brand, matching, basis);
        quote.check = OfferCheck::NoMatch;
        return quote;
    }
    // Several rows fit, or a common designation was chosen once without a row.
    quote.check = OfferCheck::SeveralMatches;
    bool brandAmongThem = false;
    const auto candidate =
        preferredCandidate(match.candidates, matching, brandKey(brand), brandAmongThem);
    if (candidate && brandAmongThem) {
        offerRow(quote, *candidate, matching, basis);
    } else if (!match.newno.empty() && brandKey(brand).empty()) {
        offerAsAsked(quote, match.newno, brand, matching, basis);
    } else {
        offerAsAsked(quote, designation, brand, matching, basis);
    }
    return quote;
}

EnquiryReading readEnquiry(const QString& path, const QStringList& knownBrands,
                           const QString& sheetName, const ReadLimits& limits) {
    StockImportOptions options;
    options.sheetName = sheetName;
    options.knownBrands = knownBrands;
    options.limits = limits;
    StockFileReading reading = readStockFile(path, options);
    EnquiryReading enquiry;
    if (!reading.error.isEmpty()) {
        enquiry.error = reading.error;
        return enquiry;
    }
    std::unordered_map<int, const SheetRow*> rowsByNumber;
    for (const SheetRow& row : reading.sheet.rows) {
        rowsByNumber.emplace(row.number, &row);
    }
    const int column = reading.mapping.column(StockField::Designation);
    enquiry.skippedRows = reading.cleaned.skippedRows;
    enquiry.lines.reserve(reading.cleaned.lines.size());
    for (ImportedLine& cleaned : reading.cleaned.lines) {
        const auto row = rowsByNumber.find(cleaned.sourceLine);
        QString asked = row == rowsByNumber.end() ? QString() : row->second->cell(column).trimmed();
        if (asked.isEmpty()) {
            // A merged cell, whose text stands in its first row only.
            asked = cleaned.designation;
        }
        enquiry.lines.push_back(EnquiryLine{std::move(asked), std::move(cleaned)});
    }
    return enquiry;
}

EnquiryQuote quoteFromEnquiry(const std::vector<EnquiryLine>& lines,
                              const EnquiryMatching& matching, TaxBasis basis) {
    EnquiryQuote made;
    if (lines.size() > kMaxLines) {
        made.error = QString::fromUtf8(quote_messages::kTooManyLines);
        return made;
    }
    Quote check;
    check.taxBasis = basis;
    check.date = std::chrono::year_month_day{std::chrono::year{2000}, std::chrono::month{1},
                                             std::chrono::day{1}};
    for (const EnquiryLine& line : lines) {
        check.lines.push_back(quoteLineForEnquiry(line, matching, basis));
        made.noMatch += check.lines.back().check == OfferCheck::NoMatch ? 1 : 0;
        made.severalMatches += check.lines.back().check == OfferCheck::SeveralMatches ? 1 : 0;
    }
    if (const auto problems = checkQuote(check); !problems.empty()) {
        made.error = QString::fromStdString(describeProblem(problems.front()));
        return made;
    }
    made.lines = std::move(check.lines);
    return made;
}

}  // namespace lz::shop
