// The 报价单 window: the open quote's fields, its lines with the boxes of the selected
// line, and the amounts, each change taken into the quote as it is typed.
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "shop/actions/open_quote.h"
#include "shop/actions/quote_line_cells.h"
#include "shop/actions/quote_windows.h"
#include "shop/quote/quote_text.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/quote_window_template.h"

namespace lz::shop::actions {
namespace {

using namespace windows;

ui::Window* quoteWindow() {
    return ui::WindowManager::instance().find(kQuoteWindowName);
}

void showProblem(ui::Window& window, const std::string& problem) {
    window.setText(kQuoteProblem, problem);
}

void showAmounts(ui::Window& window) {
    const QuoteAmounts& amounts = OpenQuote::instance().amounts();
    window.setText(kQuoteSubtotal, "合计：" + formatYuan(amounts.subtotal, Grouping::Thousands));
    window.setText(kQuoteTax, "税额：" + formatYuan(amounts.tax, Grouping::Thousands));
    window.setText(kQuoteTotal, "总额：" + formatYuan(amounts.total, Grouping::Thousands));
}

void showRow(ui::Window& window, int row) {
    const OpenQuote& open = OpenQuote::instance();
    const auto k = static_cast<std::size_t>(row);
    const std::vector<std::string> cells =
        quoteLineCells(open.quote().lines[k], open.amounts().lineAmounts[k]);
    for (int column = 0; column < kLineColumnCount; ++column) {
        window.setCellText(kQuoteLines, row, column, cells[static_cast<std::size_t>(column)]);
    }
}

void fillLines(ui::Window& window) {
    const OpenQuote& open = OpenQuote::instance();
    window.clearRows(kQuoteLines);
    for (std::size_t k = 0; k < open.quote().lines.size(); ++k) {
        window.appendRow(kQuoteLines,
                         quoteLineCells(open.quote().lines[k], open.amounts().lineAmounts[k]));
    }
    window.showRowsNow(kQuoteLines);
}

std::string quantityText(const std::optional<std::int64_t>& quantity) {
    return quantity ? std::to_string(*quantity) : std::string();
}

std::string priceText(const std::optional<Fen>& price) {
    return price ? formatYuan(*price) : std::string();
}

// The boxes below the list: the selected line's fields, or empty and disabled.
void showLineBoxes(ui::Window& window) {
    const int row = window.selectedRow(kQuoteLines);
    const auto& lines = OpenQuote::instance().quote().lines;
    const bool selected = row >= 0 && static_cast<std::size_t>(row) < lines.size();
    for (const std::string_view box : kLineEditBoxes) {
        window.setEnabled(box, selected);
    }
    window.setEnabled(kDeleteLineButton, selected);
    if (!selected) {
        for (const std::string_view box : kLineEditBoxes) {
            window.setText(box, "");
        }
        return;
    }
    const QuoteLine& line = lines[static_cast<std::size_t>(row)];
    window.setText(kLineAskedModel, line.askedModel);
    window.setText(kLineOfferedModel, line.offeredModel);
    window.setText(kLineBrand, line.brand);
    window.setText(kLineQuantity, quantityText(line.quantity));
    window.setText(kLineUnit, line.unit);
    window.setText(kLineUnitPrice, priceText(line.unitPrice));
    window.setText(kLineDelivery, line.delivery);
    window.setText(kLineNote, line.note);
}

void showFields(ui::Window& window) {
    const Quote& quote = OpenQuote::instance().quote();
    window.setText(kQuoteCustomer, quote.customer);
    window.setText(kQuoteContact, quote.contact);
    window.setText(kQuoteQuotedBy, quote.quotedBy);
    window.setText(kQuoteNumber, quote.number);
    window.setText(kQuoteDate, formatDate(quote.date));
    window.setText(kQuoteValidDays, std::to_string(quote.validDays));
    window.setCurrentIndex(kQuoteTaxBasis, quote.taxBasis == TaxBasis::IncludingTax
                                               ? kIncludingTaxItem
                                               : kExcludingTaxItem);
    // "13", as typed: the box stands before its "%".
    std::string rate = formatTaxRate(quote.taxRateBasisPoints);
    rate.pop_back();
    window.setText(kQuoteTaxRate, rate);
    window.setText(kQuoteFreight, quote.freight == 0 ? std::string() : formatYuan(quote.freight));
    window.setText(kQuoteAdjustment,
                   quote.adjustment == 0 ? std::string() : formatYuan(quote.adjustment));
    window.setText(kQuoteNote, quote.note);
}

// The whole window from the open quote.
void showQuote(ui::Window& window) {
    showFields(window);
    fillLines(window);
    showAmounts(window);
    showLineBoxes(window);
    showProblem(window, "");
}

// "2026-12-08" (also with "/" or "."), a date that exists.
std::optional<std::chrono::year_month_day> parseDate(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    std::array<int, 3> parts{};
    std::size_t at = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) {
            if (at >= text.size() || (text[at] != '-' && text[at] != '/' && text[at] != '.')) {
                return std::nullopt;
            }
            ++at;
        }
        const char* begin = text.data() + at;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(begin, end, parts[k]);
        if (error != std::errc{} || stop == begin || stop - begin > (k == 0 ? 4 : 2)) {
            return std::nullopt;
        }
        at += static_cast<std::size_t>(stop - begin);
    }
    if (at != text.size() || parts[0] < 1900) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{parts[0]},
                                           std::chrono::month{static_cast<unsigned>(parts[1])},
                                           std::chrono::day{static_cast<unsigned>(parts[2])}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

// The first problem of the boxes, to show when nothing else went wrong.
void noteProblem(std::string& first, const std::string& problem) {
    if (first.empty()) {
        first = problem;
    }
}

}  // namespace

ui::Window* openQuoteWindow() {
    return ui::WindowManager::instance().open(quoteWindowTemplate());
}

void openQuoteWindow(ui::Window&) {
    openQuoteWindow();
}

void initQuoteWindow(ui::Window& window) {
    OpenQuote::instance().setKeptHandler([] {
        if (ui::Window* open = quoteWindow()) {
            open->setText(kQuoteNumber, OpenQuote::instance().quote().number);
        }
    });
    showQuote(window);
}

void changeQuoteField(ui::Window& window) {
    std::string problem;
    const auto validDays = parseValidDays(window.text(kQuoteValidDays));
    const auto taxRate = parseTaxRate(window.text(kQuoteTaxRate));
    const auto freight = parseFreight(window.text(kQuoteFreight));
    const auto adjustment = parseAdjustment(window.text(kQuoteAdjustment));
    const auto date = parseDate(window.text(kQuoteDate));
    for (const std::string* each :
         {&validDays.problem, &taxRate.problem, &freight.problem, &adjustment.problem}) {
        noteProblem(problem, *each);
    }
    if (!date) {
        noteProblem(problem, "日期无效（例如 2026-12-08）");
    }
    const std::optional<std::string> refused = OpenQuote::instance().change([&](Quote& quote) {
        quote.customer = window.text(kQuoteCustomer);
        quote.contact = window.text(kQuoteContact);
        quote.quotedBy = window.text(kQuoteQuotedBy);
        quote.note = window.text(kQuoteNote);
        quote.taxBasis = window.currentIndex(kQuoteTaxBasis) == kExcludingTaxItem
                             ? TaxBasis::ExcludingTax
                             : TaxBasis::IncludingTax;
        if (validDays.ok() && validDays.value) {
            quote.validDays = *validDays.value;
        }
        if (taxRate.ok() && taxRate.value) {
            quote.taxRateBasisPoints = *taxRate.value;
        }
        if (freight.ok()) {
            quote.freight = freight.value.value_or(0);
        }
        if (adjustment.ok()) {
            quote.adjustment = adjustment.value.value_or(0);
        }
        if (date) {
            quote.date = *date;
        }
    });
    showProblem(window, refused.value_or(problem));
    showAmounts(window);
}

void showSelectedQuoteLine(ui::Window& window) {
    showLineBoxes(window);
}

void changeQuoteLine(ui::Window& window) {
    const int row = window.selectedRow(kQuoteLines);
    if (row < 0 || static_cast<std::size_t>(row) >= OpenQuote::instance().quote().lines.size()) {
        return;
    }
    std::string problem;
    const auto quantity = parseQuantity(window.text(kLineQuantity));
    const auto price = parseUnitPrice(window.text(kLineUnitPrice));
    noteProblem(problem, quantity.problem);
    noteProblem(problem, price.problem);
    const std::optional<std::string> refused = OpenQuote::instance().change([&](Quote& quote) {
        QuoteLine& line = quote.lines[static_cast<std::size_t>(row)];
        line.askedModel = window.text(kLineAskedModel);
        const std::string offered = window.text(kLineOfferedModel);
        const std::string brand = window.text(kLineBrand);
        if (offered != line.offeredModel || brand != line.brand) {
            // The counter names the bearing itself: settled, and no longer the row it was.
            line.offeredModel = offered;
            line.brand = brand;
            line.bh.reset();
            line.check = OfferCheck::Settled;
        }
        line.unit = window.text(kLineUnit);
        line.delivery = window.text(kLineDelivery);
        line.note = window.text(kLineNote);
        if (quantity.ok()) {
            line.quantity = quantity.value;
        }
        if (price.ok() && price.value != line.unitPrice) {
            line.unitPrice = price.value;
            line.priceSource = PriceSource::None;  // typed by the counter
        }
    });
    showProblem(window, refused.value_or(problem));
    showRow(window, row);
    showAmounts(window);
}

void deleteQuoteLine(ui::Window& window) {
    const int row = window.selectedRow(kQuoteLines);
    if (row < 0 || static_cast<std::size_t>(row) >= OpenQuote::instance().quote().lines.size()) {
        return;
    }
    // Refused when the rest would not sum: a discount larger than what is left.
    const std::optional<std::string> refused = OpenQuote::instance().change(
        [row](Quote& quote) { quote.lines.erase(quote.lines.begin() + row); });
    if (refused) {
        showProblem(window, *refused);
        return;
    }
    fillLines(window);
    const int rows = window.rowCount(kQuoteLines);
    if (rows > 0) {
        window.selectRow(kQuoteLines, std::min(row, rows - 1));
    }
    showLineBoxes(window);
    showAmounts(window);
    showProblem(window, "");
}

void startNewQuote(ui::Window& window) {
    OpenQuote::instance().startNew();
    showQuote(window);
}

bool addLineToQuote(QuoteLine line) {
    ui::Window* window = quoteWindow();
    if (window == nullptr) {
        window = openQuoteWindow();
        if (window == nullptr) {
            return false;
        }
    } else {
        window->activate();
    }
    const std::optional<std::string> refused =
        OpenQuote::instance().change([&](Quote& quote) { quote.lines.push_back(std::move(line)); });
    if (refused) {
        showProblem(*window, *refused);
        return false;
    }
    const OpenQuote& open = OpenQuote::instance();
    const std::size_t k = open.quote().lines.size() - 1;
    const int row = window->appendRow(
        kQuoteLines, quoteLineCells(open.quote().lines[k], open.amounts().lineAmounts[k]));
    window->showRowsNow(kQuoteLines);
    window->selectRow(kQuoteLines, row);
    showLineBoxes(*window);
    showAmounts(*window);
    showProblem(*window, "");
    return true;
}

void showOpenQuote() {
    if (ui::Window* window = quoteWindow()) {
        showQuote(*window);
        window->activate();
    } else {
        openQuoteWindow();
    }
}

}  // namespace lz::shop::actions
