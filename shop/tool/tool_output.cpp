#include "shop/tool/tool_output.h"

#include "cli/output_formats.h"
#include "query/table_text/delimited_text.h"

namespace lz::shop_tool {

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
