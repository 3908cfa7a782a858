#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lz::query::text {

// Put first in a CSV file, it tells spreadsheet programs that the text is UTF-8; without
// it some of them read the Chinese as another code page.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// What a CSV file is for, and so how its cells are written.
enum class CsvCells {
    // For programs that read the values: every cell exactly as stored.
    AsStored,
    // For spreadsheet programs, which take a cell beginning with "=", "+", "-", "@", TAB or
    // CR for a formula and show an error (or run it) instead of the text: such a cell gets
    // a leading apostrophe, which spreadsheets take as "this is text".
    ShownAsText,
};

// Appends one CSV record (RFC 4180) to `out`: the cells separated by ",", ended by CR LF.
// A cell holding ",", '"', CR or LF is put between double quotes with each '"' doubled;
// every other cell stands as it is. A whole file is kUtf8ByteOrderMark, the headings as
// the first record, then one record per row.
void appendCsvRecord(std::string& out, std::span<const std::string> cells,
                     CsvCells how = CsvCells::AsStored);
void appendCsvRecord(std::string& out, std::span<const std::string_view> cells,
                     CsvCells how = CsvCells::AsStored);

// A whole list as a CSV file's contents: kUtf8ByteOrderMark, the headings, then one record
// per row, every cell as stored (for programs, such as the command line's output).
std::string csvDocument(std::span<const std::string_view> headings,
                        std::span<const std::vector<std::string>> rows);

// Appends one line of tab-separated text to `out`, as spreadsheets paste it: the cells
// separated by TAB, ended by LF. A cell holding TAB, CR, LF or '"' is put between double
// quotes with each '"' doubled, so that it pastes as one cell.
void appendTabSeparatedLine(std::string& out, std::span<const std::string> cells);
void appendTabSeparatedLine(std::string& out, std::span<const std::string_view> cells);

}  // namespace lz::query::text
