#include "shop/actions/stock_list_order.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "shop/store/stock_list_text.h"

namespace lz::shop::actions {
namespace {

std::string lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::vector<std::string> wordsOf(std::string_view filter) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < filter.size()) {
        const std::size_t end = std::min(filter.find(' ', at), filter.size());
        if (end > at) {
            words.push_back(lowered(filter.substr(at, end - at)));
        }
        at = end + 1;
    }
    return words;
}

}  // namespace

StockListOrder StockListOrder::clicked(int heading) const {
    if (heading == column) {
        return {column, !ascending};
    }
    return {heading, true};
}

bool passesFilter(const StockLine& line, std::string_view filter) {
    const std::vector<std::string> words = wordsOf(filter);
    if (words.empty()) {
        return true;
    }
    const std::string haystack =
        lowered(line.designation + '\n' + line.brand + '\n' + line.location + '\n' + line.note +
                '\n' + line.newno + '\n' + matchStateText(line.match));
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return haystack.find(word) != std::string::npos;
    });
}

std::vector<std::size_t> shownLines(const std::vector<StockLine>& lines, std::string_view filter,
                                    const StockListOrder& order) {
    std::vector<std::size_t> shown;
    shown.reserve(lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (passesFilter(lines[k], filter)) {
            shown.push_back(k);
        }
    }
    if (order.column < 0) {
        return shown;
    }
    const auto number = [&](const StockLine& line) {
        return order.column == kQuantityColumn ? line.quantity : line.priceFen;
    };
    const auto text = [&](const StockLine& line) -> std::string {
        switch (order.column) {
            case kDesignationColumn:
                return line.designation;
            case kBrandColumn:
                return line.brand;
            case kLocationColumn:
                return line.location;
            case kNoteColumn:
                return line.note;
            case kMatchedColumn:
                return line.newno;
            case kStateColumn:
                return matchStateText(line.match);
            default:
                return {};
        }
    };
    const bool numeric = order.column == kQuantityColumn || order.column == kPriceColumn;
    std::stable_sort(shown.begin(), shown.end(), [&](std::size_t a, std::size_t b) {
        const StockLine& x = lines[a];
        const StockLine& y = lines[b];
        if (numeric) {
            const auto u = number(x);
            const auto v = number(y);
            if (u.has_value() != v.has_value()) {
                return u.has_value();  // lines without a value last, either way
            }
            if (!u) {
                return false;
            }
            return order.ascending ? *u < *v : *v < *u;
        }
        const std::string s = text(x);
        const std::string t = text(y);
        if (s.empty() != t.empty()) {
            return !s.empty();  // empty cells last, either way
        }
        return order.ascending ? s < t : t < s;
    });
    return shown;
}

}  // namespace lz::shop::actions
