#include "shop/quote/quote_amounts.h"

#include <string_view>
#include <utility>

#include "shop/quote/quote_messages.h"

namespace lz::shop {

namespace msg = quote_messages;

namespace {

// Characters of UTF-8 text: every byte but the continuation bytes.
std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

class ProblemList {
public:
    void checkText(std::optional<std::size_t> line, QuoteField field, const std::string& text,
                   std::size_t limit = kMaxShortText) {
        if (characters(text) > limit) {
            add(line, field, limit == kMaxShortText ? msg::kTextTooLong : msg::kNoteTooLong);
        }
    }
    void add(std::optional<std::size_t> line, QuoteField field, const char* message) {
        problems_.push_back({line, field, message});
    }
    bool empty() const { return problems_.empty(); }
    std::vector<QuoteProblem> take() { return std::move(problems_); }

private:
    std::vector<QuoteProblem> problems_;
};

void checkHeader(const Quote& quote, ProblemList& problems) {
    problems.checkText(std::nullopt, QuoteField::Customer, quote.customer);
    problems.checkText(std::nullopt, QuoteField::Contact, quote.contact);
    problems.checkText(std::nullopt, QuoteField::QuotedBy, quote.quotedBy);
    problems.checkText(std::nullopt, QuoteField::Number, quote.number);
    if (!quote.date.ok()) {
        problems.add(std::nullopt, QuoteField::Date, msg::kBadDate);
    }
    if (quote.validDays < 1 || quote.validDays > kMaxValidDays) {
        problems.add(std::nullopt, QuoteField::ValidDays, msg::kValidDaysOutOfRange);
    }
    if (quote.taxRateBasisPoints < 0 || quote.taxRateBasisPoints > kMaxTaxRateBasisPoints) {
        problems.add(std::nullopt, QuoteField::TaxRate, msg::kTaxRateOutOfRange);
    }
    if (quote.freight < 0) {
        problems.add(std::nullopt, QuoteField::Freight, msg::kFreightNegative);
    } else if (quote.freight > kMaxAmount) {
        problems.add(std::nullopt, QuoteField::Freight, msg::kFreightTooLarge);
    }
    if (quote.adjustment < -kMaxAmount || quote.adjustment > kMaxAmount) {
        problems.add(std::nullopt, QuoteField::Adjustment, msg::kAdjustmentTooLarge);
    }
    problems.checkText(std::nullopt, QuoteField::Note, quote.note, kMaxNoteText);
}

void checkLine(std::size_t index, const QuoteLine& line, ProblemList& problems) {
    problems.checkText(index, QuoteField::AskedModel, line.askedModel);
    problems.checkText(index, QuoteField::OfferedModel, line.offeredModel);
    problems.checkText(index, QuoteField::Brand, line.brand);
    bool quantityFine = true;
    if (line.quantity && *line.quantity < 0) {
        problems.add(index, QuoteField::Quantity, msg::kQuantityNegative);
        quantityFine = false;
    } else if (line.quantity && *line.quantity > kMaxQuantity) {
        problems.add(index, QuoteField::Quantity, msg::kQuantityTooLarge);
        quantityFine = false;
    }
    problems.checkText(index, QuoteField::Unit, line.unit);
    bool priceFine = true;
    if (line.unitPrice && *line.unitPrice < 0) {
        problems.add(index, QuoteField::UnitPrice, msg::kPriceNegative);
        priceFine = false;
    } else if (line.unitPrice && *line.unitPrice > kMaxUnitPrice) {
        problems.add(index, QuoteField::UnitPrice, msg::kPriceTooLarge);
        priceFine = false;
    }
    // Both within their limits, the product stays below 10^16 and cannot overflow.
    if (quantityFine && priceFine) {
        const auto amount = lineAmount(line);
        if (amount && *amount > kMaxAmount) {
            problems.add(index, QuoteField::Amount, msg::kAmountTooLarge);
        }
    }
    problems.checkText(index, QuoteField::Delivery, line.delivery);
    problems.checkText(index, QuoteField::LineNote, line.note, kMaxNoteText);
}

// The sums of a quote whose fields are all within their limits: at most kMaxLines line
// amounts below 10^14 each, so nothing here can overflow.
QuoteAmounts sums(const Quote& quote) {
    QuoteAmounts amounts;
    amounts.lineAmounts.reserve(quote.lines.size());
    for (const QuoteLine& line : quote.lines) {
        const auto amount = lineAmount(line);
        amounts.lineAmounts.push_back(amount);
        if (amount) {
            amounts.subtotal += *amount;
        } else {
            ++amounts.linesWithoutAmount;
        }
    }
    if (amounts.subtotal <= kMaxAmount && quote.taxBasis == TaxBasis::ExcludingTax) {
        amounts.tax = taxOn(amounts.subtotal, quote.taxRateBasisPoints);
    }
    amounts.freight = quote.freight;
    amounts.adjustment = quote.adjustment;
    amounts.total = amounts.subtotal + amounts.tax + amounts.freight + amounts.adjustment;
    return amounts;
}

}  // namespace

std::optional<Fen> lineAmount(const QuoteLine& line) {
    if (!line.quantity || !line.unitPrice) {
        return std::nullopt;
    }
    return *line.quantity * *line.unitPrice;
}

Fen taxOn(Fen amount, int basisPoints) {
    // amount ≤ 10^14 and basisPoints ≤ 10^4: the product stays below 2^63.
    return (amount * basisPoints + 5'000) / 10'000;
}

std::string describeProblem(const QuoteProblem& problem) {
    if (!problem.line) {
        return problem.message;
    }
    return "第 " + std::to_string(*problem.line + 1) + " 行：" + problem.message;
}

std::vector<QuoteProblem> checkQuote(const Quote& quote) {
    ProblemList problems;
    checkHeader(quote, problems);
    if (quote.lines.size() > kMaxLines) {
        problems.add(std::nullopt, QuoteField::Lines, msg::kTooManyLines);
        return problems.take();
    }
    for (std::size_t i = 0; i < quote.lines.size(); ++i) {
        checkLine(i, quote.lines[i], problems);
    }
    if (!problems.empty()) {
        return problems.take();
    }
    const QuoteAmounts amounts = sums(quote);
    if (amounts.subtotal > kMaxAmount) {
        problems.add(std::nullopt, QuoteField::Subtotal, msg::kSubtotalTooLarge);
    } else if (amounts.total < 0) {
        problems.add(std::nullopt, QuoteField::Total, msg::kTotalNegative);
    } else if (amounts.total > kMaxAmount) {
        problems.add(std::nullopt, QuoteField::Total, msg::kTotalTooLarge);
    }
    return problems.take();
}

std::optional<QuoteAmounts> computeAmounts(const Quote& quote) {
    if (!checkQuote(quote).empty()) {
        return std::nullopt;
    }
    return sums(quote);
}

}  // namespace lz::shop
