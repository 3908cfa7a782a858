#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lz::query::csv {

// Spreadsheet programs take a file for UTF-8 only when it begins with this mark; without it
// they read the Chinese texts in the local code page.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One field as RFC 4180 writes it: as it stands, or between double quotes with every
// double quote doubled when it holds a comma, a double quote, a CR or an LF. Leading and
// trailing spaces are kept; an empty field stays empty.
std::string csvField(std::string_view text);

// One record: the fields separated by commas, ended by CRLF.
void appendCsvRecord(std::string& out, std::span<const std::string_view> fields);
void appendCsvRecord(std::string& out, std::span<const std::string> fields);

// A whole list as a file's contents: the byte-order mark, the headings, then one record per
// row, every line ended by CRLF.
std::string csvDocument(std::span<const std::string_view> headings,
                        std::span<const std::vector<std::string>> rows);

}  // namespace lz::query::csv
