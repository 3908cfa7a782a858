#include "cli/output_formats.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/utf8_text.h"
#include "query/table_text/delimited_text.h"

namespace lz::query_cli {
namespace {

constexpr std::string_view kColumnGap = "  ";

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

std::string tableCell(std::string_view text) {
    std::string cell(text);
    std::replace_if(cell.begin(), cell.end(), isControl, ' ');
    return cell;
}

void appendLine(std::string& out, std::span<const std::string> cells, std::span<const int> widths) {
    const std::size_t lineStart = out.size();
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (column > 0) {
            out += kColumnGap;
        }
        out += cells[column];
        const int padding = widths[column] - displayWidth(cells[column]);
        out.append(static_cast<std::size_t>(std::max(padding, 0)), ' ');
    }
    const std::size_t end = out.find_last_not_of(' ');
    out.resize(end == std::string::npos || end < lineStart ? lineStart : end + 1);
    out += '\n';
}

}  // namespace

std::string tableText(std::span<const std::string_view> headings, const Rows& rows) {
    std::vector<std::string> headingCells(headings.begin(), headings.end());
    std::vector<int> widths;
    for (const std::string& heading : headingCells) {
        widths.push_back(displayWidth(heading));
    }
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const std::vector<std::string>& row : rows) {
        std::vector<std::string>& line = cells.emplace_back();
        for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column) {
            line.push_back(tableCell(row[column]));
            widths[column] = std::max(widths[column], displayWidth(line.back()));
        }
        line.resize(widths.size());
    }

    std::string out;
    appendLine(out, headingCells, widths);
    std::vector<std::string> rule;
    for (const int width : widths) {
        rule.emplace_back(static_cast<std::size_t>(width), '-');
    }
    appendLine(out, rule, widths);
    for (const std::vector<std::string>& line : cells) {
        appendLine(out, line, widths);
    }
    return out;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter c = decodeUtf8(text, i);
        switch (c.point) {
            case U'"':
                out += "\\\"";
                break;
            case U'\\':
                out += "\\\\";
                break;
            case U'\b':
                out += "\\b";
                break;
            case U'\f':
                out += "\\f";
                break;
            case U'\n':
                out += "\\n";
                break;
            case U'\r':
                out += "\\r";
                break;
            case U'\t':
                out += "\\t";
                break;
            default:
                if (c.point < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c.point));
                    out += escape;
                } else if (c.valid) {
                    out.append(text.substr(i, c.length));
                } else {
                    appendUtf8(out, c.point);
                }
        }
        i += c.length;
    }
    out += '"';
    return out;
}

std::string jsonText(std::span<const std::string_view> headings, const Rows& rows) {
    std::vector<std::string> keys;
    for (const std::string_view heading : headings) {
        keys.push_back(jsonString(heading) + ": ");
    }
    std::string out = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? "\n  {" : ",\n  {";
        for (std::size_t column = 0; column < keys.size(); ++column) {
            if (column > 0) {
                out += ", ";
            }
            out += keys[column];
            out += jsonString(column < rows[r].size() ? rows[r][column] : std::string());
        }
        out += '}';
    }
    out += rows.empty() ? "]\n" : "\n]\n";
    return out;
}

std::optional<OutputFormat> outputFormatNamed(std::string_view name) {
    if (name == "table") {
        return OutputFormat::Table;
    }
    if (name == "csv") {
        return OutputFormat::Csv;
    }
    if (name == "json") {
        return OutputFormat::Json;
    }
    return std::nullopt;
}

void readFormatOption(ArgumentCursor& arguments, std::string_view name,
                      std::optional<std::string_view> attached, OutputFormat& format) {
    if (const auto text = arguments.value(name, attached)) {
        if (const auto named = outputFormatNamed(*text)) {
            format = *named;
        } else {
            arguments.fail("unknown format '" + *text + "': use table, csv or json");
        }
    }
}

std::string formattedRows(OutputFormat format, std::span<const std::string_view> headings,
                          const Rows& rows) {
    switch (format) {
        case OutputFormat::Csv:
            return query::text::csvDocument(headings, rows);
        case OutputFormat::Json:
            return jsonText(headings, rows);
        case OutputFormat::Table:
            break;
    }
    return tableText(headings, rows);
}

}  // namespace lz::query_cli
