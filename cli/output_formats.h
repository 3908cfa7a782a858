#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/argument_cursor.h"
#include "cli/invocation.h"
#include "cli/result_rows.h"

namespace lz::query_cli {

// The format --format names: "table", "csv" or "json"; nothing for any other name.
std::optional<OutputFormat> outputFormatNamed(std::string_view name);

// Reads --format's value into `format`, reporting a name that is none of the formats. Both
// programs take the option alike.
void readFormatOption(ArgumentCursor& arguments, std::string_view name,
                      std::optional<std::string_view> attached, OutputFormat& format);

// For reading on a terminal: the headings, a rule of "-" under each, then the rows, the
// columns two spaces apart and aligned by the columns the texts take on screen (a Chinese
// character takes two). No line ends in spaces. Line breaks, tabs and other control
// characters inside a cell would break the alignment and show as one space each; the other
// formats keep every text exactly.
std::string tableText(std::span<const std::string_view> headings, const Rows& rows);

// A JSON array with one object per row, its members named by the headings in column order,
// every value the cell's text as a string. One object per line.
std::string jsonText(std::span<const std::string_view> headings, const Rows& rows);

// The rows in `format`: tableText, jsonText, or the window's CSV export.
std::string formattedRows(OutputFormat format, std::span<const std::string_view> headings,
                          const Rows& rows);

// A JSON string literal of `text`: '"' and '\' escaped, control characters as escapes, bytes
// that are no UTF-8 as U+FFFD, everything else as it stands.
std::string jsonString(std::string_view text);

}  // namespace lz::query_cli
