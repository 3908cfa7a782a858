#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "shop/import/cleaning.h"
#include "shop/import/read_limits.h"
#include "shop/quote/quote.h"

namespace lz::shop {

class StockMatcher;
class MatchAnswers;
class PriceProposer;
class ShopStock;

// What a quote made from an enquiry list is matched and priced with: the catalogue (through
// the designation model), the user's earlier answers for texts the catalogue did not settle
// (may be null), the shop's stock (to offer what is on the shelf first) and the price
// proposer. All must outlive the call.
struct EnquiryMatching {
    const StockMatcher& matcher;
    const MatchAnswers* answers = nullptr;
    const ShopStock& stock;
    const PriceProposer& prices;
};

// One line of an enquiry list: the customer's text as written in the designation cell
// (blanks around it dropped), and the line as the stock-list cleaning reads it (the
// designation half-width, a brand glued on split off, the quantity, the note).
struct EnquiryLine {
    QString asked;
    ImportedLine cleaned;
};

// The quote line for one enquiry line. The line keeps the customer's text as 询价型号, its
// quantity and note; the bearing offered and its unit price (PriceProposer, with the
// quote's tax basis) are chosen by how the text matched:
// - "已匹配" (one catalogue row): that row; its maker's designation (ckxh) and brand;
// - several rows fit (several makers have it and the customer named none, or the text
//   reads two ways): the shop's stocked row first, then a row of the brand the customer
//   named, then the matcher's likeliest; the line is marked OfferCheck::SeveralMatches.
//   When the customer named a brand none of the rows has, the text is offered as asked,
//   with that brand (a domestic maker's price list may price it), marked the same;
// - no row fits: the text offered as asked with the brand asked, priced by the shop's own
//   line or the price lists if they have it, marked OfferCheck::NoMatch.
// The counter settles a marked line by choosing the bearing; the window shows
// offerCheckText ("多个匹配", "未匹配") beside it, and the printed quote leaves it out.
QuoteLine quoteLineForEnquiry(const EnquiryLine& line, const EnquiryMatching& matching,
                              TaxBasis basis);

struct EnquiryReading {
    QString error;  // the user's message; empty when lines were read
    std::vector<EnquiryLine> lines;
    int skippedRows = 0;  // rows below the header that are no line
};

// Reads an enquiry list with the stock-list readers: any format they read, told by content;
// the header found by the same headings (型号/规格型号/询价型号, 品牌/厂家, 数量/需求数量,
// 备注 ...); the first sheet of a workbook, or `sheetName`. The errors are theirs ("文件是
// 空的", "找不到表头（型号、数量……）", "表头下面没有库存行" ...).
EnquiryReading readEnquiry(const QString& path, const QStringList& knownBrands,
                           const QString& sheetName = {}, const ReadLimits& limits = {});

// The lines of a quote for the enquiry's lines, in order, counted by their marks.
struct EnquiryQuote {
    QString error;  // the model's message when the quote cannot be kept (too many lines ...)
    std::vector<QuoteLine> lines;
    int noMatch = 0;
    int severalMatches = 0;
};
EnquiryQuote quoteFromEnquiry(const std::vector<EnquiryLine>& lines,
                              const EnquiryMatching& matching, TaxBasis basis);

}  // namespace lz::shop
