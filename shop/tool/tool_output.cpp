#include "shop/tool/tool_output.h"

#include "cli/output_formats.h"
#include "query/table_text/delimited_text.h"

namespace lz::shop_tool {

std::optional<query_cli::OutputFormat> outputFormatNamed(std::string_view name) {
    if (name == "table") {
        return query_cli::OutputFormat::Table;
    }
    if (name == "csv") {
        return query_cli::OutputFormat::Csv;
    }
    if (name == "json") {
        return query_cli::OutputFormat::Json;
    }
    return std::nullopt;
}

std::string formattedRows(query_cli::OutputFormat format,
                          std::span<const std::string_view> headings,
                          const std::vector<std::vector<std::string>>& rows) {
    switch (format) {
        case query_cli::OutputFormat::Csv:
            return query::text::csvDocument(headings, rows);
        case query_cli::OutputFormat::Json:
            return query_cli::jsonText(headings, rows);
        case query_cli::OutputFormat::Table:
            break;
    }
    return query_cli::tableText(headings, rows);
}

}  // namespace lz::shop_tool
