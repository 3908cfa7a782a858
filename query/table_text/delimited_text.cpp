#include "query/table_text/delimited_text.h"

namespace lz::query::text {
namespace {

void appendQuoted(std::string& out, std::string_view cell) {
    out += '"';
    for (const char c : cell) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

template <typename Cell>
void appendRecord(std::string& out, std::span<const Cell> cells, char separator,
                  std::string_view mustQuote, std::string_view lineEnd) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        const std::string_view cell = cells[i];
        if (cell.find_first_of(mustQuote) != std::string_view::npos) {
            appendQuoted(out, cell);
        } else {
            out += cell;
        }
    }
    out += lineEnd;
}

constexpr std::string_view kCsvSpecials = ",\"\r\n";
constexpr std::string_view kTabSpecials = "\t\"\r\n";

}  // namespace

void appendCsvRecord(std::string& out, std::span<const std::string> cells) {
    appendRecord(out, cells, ',', kCsvSpecials, "\r\n");
}

void appendCsvRecord(std::string& out, std::span<const std::string_view> cells) {
    appendRecord(out, cells, ',', kCsvSpecials, "\r\n");
}

std::string csvDocument(std::span<const std::string_view> headings,
                        std::span<const std::vector<std::string>> rows) {
    std::string out(kUtf8ByteOrderMark);
    appendCsvRecord(out, headings);
    for (const std::vector<std::string>& row : rows) {
        appendCsvRecord(out, row);
    }
    return out;
}

void appendTabSeparatedLine(std::string& out, std::span<const std::string> cells) {
    appendRecord(out, cells, '\t', kTabSpecials, "\n");
}

void appendTabSeparatedLine(std::string& out, std::span<const std::string_view> cells) {
    appendRecord(out, cells, '\t', kTabSpecials, "\n");
}

}  // namespace lz::query::text
