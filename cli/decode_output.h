#pragma once

#include <span>
#include <string>

#include "cli/invocation.h"
#include "designation/reading_explanation.h"

namespace lz::query_cli {

// What `decode` prints of the readings of a designation, in each output format:
// - table: per reading a line "读法 1：6205-2RS/C3　深沟球轴承" (its label in brackets when it
//   has one), a table of its parts and their meanings, then "旧型号：…" and "内径代号推得内径："
//   where known; readings apart by an empty line;
// - csv: one row per part, the reading's own values repeated on each (kDecodeHeadings);
// - json: an array of one object per reading, its values strings, its parts an array of
//   objects {"部分", "含义"}.
std::string decodingText(OutputFormat format,
                         std::span<const designation::ReadingExplanation> readings);

// The columns of the csv format, in order.
inline constexpr std::string_view kDecodeHeadings[] = {"读法",     "通用写法",   "轴承类型",
                                                       "读法说明", "部分",       "含义",
                                                       "旧型号",   "旧型号来源", "内径（mm）"};

}  // namespace lz::query_cli
