// "加入报价单" (Ctrl+Q) from the main window's three lists, the 型号助手 and the 本店库存
// window: the selected row becomes a line of the open quote, priced as proposed.
#include <charconv>
#include <optional>
#include <string>

#include "shop/actions/open_quote.h"
#include "shop/actions/quote_price_proposal.h"
#include "shop/actions/quote_windows.h"
#include "shop/actions/shop_windows.h"
#include "shop/quote/quote_text.h"
#include "ui/window.h"
#include "windows/main_window_template.h"

namespace lz::shop::actions {
namespace {

// The main window's pages with a list, their lists and where each list holds the fields
// a line takes (-1: the list has none).
struct ListFields {
    int page;
    std::string_view list;
    int bh;
    int designation;
    int brand;
    int priceWithoutTax;
    int priceWithTax;
};

// The columns as catalogue/result_list_headings.h names them: the bearing list "ID, 轴承名称,
// 新型号, 旧型号, 内径, 外径, 厚度, 品牌 …"; the imported prices "编号, 品牌, 型号, 不含税价格,
// 含税价格"; the domestic prices "编号, 旧型号, 新型号, 不含税价格, 含税价格, 厂家".
constexpr ListFields kMainLists[] = {
    {0, "超级列表框_主窗口", 0, 2, 7, -1, -1},
    {1, "超级列表框_主窗口1", -1, 2, 1, 3, 4},
    {2, "超级列表框_主窗口2", -1, 2, 5, 3, 4},
};

std::optional<Fen> priceCell(const ui::Window& window, const ListFields& fields, int row,
                             int column) {
    if (column < 0) {
        return std::nullopt;
    }
    const Entry<Fen> price = parseUnitPrice(window.cellText(fields.list, row, column));
    return price.ok() ? price.value : std::nullopt;
}

}  // namespace

void addMainWindowRowToQuote(ui::Window& mainWindow) {
    const int page = mainWindow.currentPage(windows::kMainPages);
    for (const ListFields& fields : kMainLists) {
        if (fields.page != page) {
            continue;
        }
        const int row = mainWindow.selectedRow(fields.list);
        if (row < 0) {
            return;
        }
        OfferedBearing offered;
        if (fields.bh >= 0) {
            const std::string id = mainWindow.cellText(fields.list, row, fields.bh);
            std::int32_t bh = 0;
            const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), bh);
            if (error == std::errc{} && end == id.data() + id.size()) {
                offered.bh = bh;
            }
        }
        offered.designation = mainWindow.cellText(fields.list, row, fields.designation);
        offered.brand = mainWindow.cellText(fields.list, row, fields.brand);
        offered.listPriceWithoutTax = priceCell(mainWindow, fields, row, fields.priceWithoutTax);
        offered.listPriceWithTax = priceCell(mainWindow, fields, row, fields.priceWithTax);
        addLineToQuote(proposedLine(offered, OpenQuote::instance().quote().taxBasis));
        return;
    }
}

void addBearingToQuote(std::optional<std::int32_t> bh) {
    if (!bh) {
        return;
    }
    OfferedBearing offered;
    offered.bh = *bh;
    addLineToQuote(proposedLine(offered, OpenQuote::instance().quote().taxBasis));
}

void addStockRowToQuote(ui::Window& stockWindow) {
    const std::optional<StockLine> line = selectedStockLine(stockWindow);
    if (!line) {
        return;
    }
    addLineToQuote(stockQuoteLine(*line));
}

}  // namespace lz::shop::actions
