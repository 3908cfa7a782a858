#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "shop/quote/quote.h"

class QPrintPreviewDialog;

namespace lz::ui {
class Window;
struct EventArgs;
}  // namespace lz::ui

namespace lz::shop::actions {

// ---- The 报价单 window ----------------------------------------------------------------

// Opens the window on the open quote, or brings it to the front.
void openQuoteWindow(ui::Window& window);
ui::Window* openQuoteWindow();
// Its created event: shows the open quote.
void initQuoteWindow(ui::Window& quoteWindow);
// A field of the quote changed (客户 … 备注, 含税/不含税): taken into the quote when it can
// be, else the reason is shown in red and the quote keeps what it had.
void changeQuoteField(ui::Window& quoteWindow);
// Another line selected: its fields into the boxes below the list.
void showSelectedQuoteLine(ui::Window& quoteWindow);
// A box of the selected line changed: written back to the line.
void changeQuoteLine(ui::Window& quoteWindow);
// "删除行".
void deleteQuoteLine(ui::Window& quoteWindow);
// "新建": the open quote is kept and a new one begins.
void startNewQuote(ui::Window& quoteWindow);
// Shows the open quote after it was replaced (opened, copied, imported), opening the
// window when it is closed.
void showOpenQuote();

// ---- Adding lines ---------------------------------------------------------------------

// Adds `line` to the open quote, opening the 报价单 window when it is closed, and selects
// it there. False when the quote cannot take it (the reason was shown).
bool addLineToQuote(QuoteLine line);

// "加入报价单" (Ctrl+Q) of the main window: the selected row of the list of the page shown
// (轴承, 进口价格 or 国产价格). Nothing without a selected row.
void addMainWindowRowToQuote(ui::Window& mainWindow);
// Of the 型号助手: the selected bearing (`bh`, as the assistant's list gives it).
void addBearingToQuote(std::optional<std::int32_t> bh);
// Of the 本店库存 window: the selected stock line.
void addStockRowToQuote(ui::Window& stockWindow);

// ---- 历史报价单 and 本店信息 --------------------------------------------------------------

void openQuoteHistory(ui::Window& quoteWindow);
void initQuoteHistory(ui::Window& historyWindow);
void openKeptQuote(ui::Window& historyWindow);
void copyKeptQuote(ui::Window& historyWindow);
// Asks first; "否" keeps the quote.
void deleteKeptQuote(ui::Window& historyWindow);
void closeQuoteHistory(ui::Window& historyWindow);

void openShopHeader(ui::Window& quoteWindow);
void initShopHeader(ui::Window& headerWindow);
void saveShopHeaderFields(ui::Window& headerWindow);
void closeShopHeader(ui::Window& headerWindow);

// ---- Out of the window ----------------------------------------------------------------

// "打印预览…": Qt's print preview of the quote, printing from there.
void previewQuote(ui::Window& quoteWindow);
// "保存为 PDF…": a file name, then the PDF.
void saveQuoteAsPdf(ui::Window& quoteWindow);
// "导出…": the quote as CSV with the result lists' export rules.
void exportQuote(ui::Window& quoteWindow);
// "从询价单导入…": an enquiry list, read and matched, becomes a new quote.
void importEnquiry(ui::Window& quoteWindow);

// Tests and screenshots see the print preview here instead of it being run: while set, it
// gets the dialog, shown, and the preview ends when it returns. Empty: run as a dialog.
using PreviewResponder = std::function<void(QPrintPreviewDialog&)>;
void setQuotePreviewResponder(PreviewResponder responder);

}  // namespace lz::shop::actions
