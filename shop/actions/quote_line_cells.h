#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shop/quote/quote.h"

namespace lz::shop::actions {

// The cells of a line in the 报价单 window's list, in the order of its columns
// (windows/quote_window_template.h): 询价型号, 型号, 品牌, 数量, 单位, 单价, 价格来源 ("本店价",
// "参考价"), 金额, 货期, 备注, 匹配 ("未匹配", "多个匹配"). Money as "1234.50"; a line without
// a quantity or a price has an empty 金额.
std::vector<std::string> quoteLineCells(const QuoteLine& line, const std::optional<Fen>& amount);

}  // namespace lz::shop::actions
