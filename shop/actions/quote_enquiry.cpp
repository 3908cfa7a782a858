// "从询价单导入…": an enquiry list read with the stock-list readers becomes a new quote.
#include "shop/actions/quote_windows.h"
#include "ui/window.h"

namespace lz::shop::actions {

void importEnquiry(ui::Window&) {}

}  // namespace lz::shop::actions
