#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/invocation.h"

namespace lz::shop_tool {

// Rows under their headings in one of lingzhou-query's formats: an aligned table, CSV as the
// window exports it, or JSON.
std::string formattedRows(query_cli::OutputFormat format,
                          std::span<const std::string_view> headings,
                          const std::vector<std::vector<std::string>>& rows);

}  // namespace lz::shop_tool
