#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lz::shop {

// Money is whole fen (1/100 yuan) in 64-bit integers, everywhere in a quote: unit prices,
// line amounts, freight, adjustment, tax and totals. Rounding happens once, where a price
// with more decimals enters a line (see quote_text.h), and for the tax (quote_amounts.h).
using Fen = std::int64_t;

// Where a line's unit price came from, so that the window can say so and the printed quote
// can mark a price the shop has not fixed itself.
enum class PriceSource {
    None,       // no price yet, or typed by hand
    Shop,       // the shop's own price of a bearing it stocks
    Reference,  // the price list's reference price: marked "参考价"
};

// How the unit prices are meant (see quote_amounts.h for the sums):
enum class TaxBasis {
    IncludingTax,  // 含税: the prices include VAT at the quote's rate; nothing is added
    ExcludingTax,  // 不含税: the prices are net; the tax on the subtotal is added
};

// The shop's own header, printed on top of every quote. Set once, kept in the shop file.
struct ShopHeader {
    std::string name;     // 店名
    std::string phone;    // 电话
    std::string address;  // 地址
    std::string bank;     // 开户行 (with the account, as the shop writes it)

    bool operator==(const ShopHeader&) const = default;
};

inline constexpr const char* kDefaultUnit = "套";
inline constexpr int kDefaultValidDays = 7;
// Tax rates are kept in basis points (1/100 of a percent): 1300 is 13 %.
inline constexpr int kDefaultTaxRateBasisPoints = 1300;

// Whether the counter still has to settle the bearing a line offers. A line made from an
// enquiry list (询价单) whose text matched no bearing of the catalogue, or several, says so
// until the counter chooses; the window shows the word beside the line, and the printed
// quote does not.
enum class OfferCheck {
    Settled,         // offered as chosen (or typed by hand)
    NoMatch,         // "未匹配": no bearing fits the customer's text
    SeveralMatches,  // "多个匹配": several bearings fit; the first proposed
};

// "", "未匹配", "多个匹配".
const char* offerCheckText(OfferCheck check);

struct QuoteLine {
    std::string askedModel;    // 询价型号: the customer's text, as asked
    std::string offeredModel;  // 报价型号: the designation offered
    std::string brand;         // 品牌
    // 数量, whole pieces or sets; empty until known. A line without a quantity or a unit
    // price has no amount and adds nothing to the sums.
    std::optional<std::int64_t> quantity;
    std::string unit = kDefaultUnit;  // 单位
    std::optional<Fen> unitPrice;     // 单价
    PriceSource priceSource = PriceSource::None;
    std::string delivery;  // 货期, free text ("现货", "7 天")
    std::string note;      // 备注
    // The catalogue row (bearing.bh) offered, when the line names one; kept so that a price
    // or the shop's stock can be looked up again.
    std::optional<std::int64_t> bh;
    OfferCheck check = OfferCheck::Settled;

    bool operator==(const QuoteLine&) const = default;
};

struct Quote {
    std::string customer;                // 客户
    std::string contact;                 // 联系人
    std::string quotedBy;                // 报价人
    std::string number;                  // 单号, see quote_number.h
    std::chrono::year_month_day date{};  // 日期
    int validDays = kDefaultValidDays;   // 有效期, in days from the date
    TaxBasis taxBasis = TaxBasis::IncludingTax;
    int taxRateBasisPoints = kDefaultTaxRateBasisPoints;
    Fen freight = 0;     // 运费, never negative
    Fen adjustment = 0;  // 调整: a discount (negative) or a surcharge (positive)
    std::string note;    // 备注
    std::vector<QuoteLine> lines;

    bool operator==(const Quote&) const = default;
};

// The last day on which the quote holds: its date plus its days of validity.
std::chrono::year_month_day validUntil(const Quote& quote);

// The limits of a quote, so that no product or sum can overflow and no field grows without
// bound. A quantity times a unit price stays below 10^16 fen; a line amount, the subtotal,
// the freight, the adjustment and the total stay below 10^14 fen (one trillion yuan, the
// largest amount written in capitals with 亿 as the highest unit).
inline constexpr std::int64_t kMaxQuantity = 1'000'000;
inline constexpr Fen kMaxUnitPrice = 10'000'000'000;   // 100,000,000.00 yuan
inline constexpr Fen kMaxAmount = 99'999'999'999'999;  // 999,999,999,999.99 yuan
inline constexpr int kMaxTaxRateBasisPoints = 10'000;  // 100 %
inline constexpr int kMaxValidDays = 365;
inline constexpr std::size_t kMaxLines = 1000;
inline constexpr std::size_t kMaxShortText = 200;  // characters of a name, model, unit …
inline constexpr std::size_t kMaxNoteText = 2000;  // characters of a note

}  // namespace lz::shop
