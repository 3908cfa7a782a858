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

// The first characters by which spreadsheet programs recognise a formula.
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

bool readAsFormula(std::string_view cell) {
    return !cell.empty() && kFormulaStarts.find(cell.front()) != std::string_view::npos;
}

template <typename Cell>
void appendRecord(std::string& out, std::span<const Cell> cells, char separator,
                  std::string_view mustQuote, std::string_view lineEnd,
                  CsvCells how = CsvCells::AsStored) {
    std::string shown;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        std::string_view cell = cells[i];
        if (how == CsvCells::ShownAsText && readAsFormula(cell)) {
            shown.assign(1, '\'');
            shown += cell;
            cell = shown;
        }
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

void appendCsvRecord(std::string& out, std::span<const std::string> cells, CsvCells how) {
    appendRecord(out, cells, ',', kCsvSpecials, "\r\n", how);
}

void appendCsvRecord(std::string& out, std::span<const std::string_view> cells, CsvCells how) {
    appendRecord(out, cells, ',', kCsvSpecials, "\r\n", how);
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
