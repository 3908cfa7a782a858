#pragma once

#include <string_view>

namespace lz::query {

// The bearing searches refuse empty input with their own caption; the price queries with
// a shorter text under the message box's default caption.
inline constexpr std::string_view kEmptySearchMessage = "查询内容不能为空！";
inline constexpr std::string_view kEmptySearchCaption = "提示信息";
inline constexpr std::string_view kEmptyPriceQueryMessage = "查询内容不能为空";

// Every search and query that finds nothing says so with this text and caption.
inline constexpr std::string_view kNoMatchMessage = "对不起，没有符合你查询条件的型号记录";
inline constexpr std::string_view kNoMatchCaption = "提示信息";
// A search whose rows stop coming part way (a damaged file, a query over its limits).
inline constexpr std::string_view kReadFailedMessage = "读取数据出错，列表可能不完整";
inline constexpr std::string_view kReadFailedCaption = "提示信息";

}  // namespace lz::query
