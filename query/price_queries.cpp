#include "query/price_queries.h"

#include <string>

#include "query/button_lock.h"
#include "query/result_list_fill.h"
#include "query/search_messages.h"
#include "query/search_text.h"
#include "query/sql/price_query_sql.h"
#include "ui/message_boxes.h"
#include "ui/window.h"

namespace lz::query {

void runImportedPriceQuery(ui::Window& mainWindow) {
    const std::string model = searchText(mainWindow, "编辑框2");
    const std::string brand = searchText(mainWindow, "组合框3");
    const sql::SearchSql statement = sql::composeImportedPriceQuery(model, brand);
    if (!statement) {
        ui::MessageBoxes::show(kEmptyPriceQueryMessage);
        return;
    }
    const ButtonLock lock(mainWindow, "按钮12");
    fillImportedPriceList(mainWindow, *statement);
}

void runDomesticPriceQuery(ui::Window& mainWindow) {
    const std::string model = searchText(mainWindow, "编辑框3");
    const std::string maker = searchText(mainWindow, "组合框4");
    const auto column = mainWindow.isChecked("单选框6")   ? sql::DomesticModelColumn::New
                        : mainWindow.isChecked("单选框7") ? sql::DomesticModelColumn::Old
                                                          : sql::DomesticModelColumn::Neither;
    const sql::SearchSql statement = sql::composeDomesticPriceQuery(model, column, maker);
    if (!statement) {
        ui::MessageBoxes::show(kEmptyPriceQueryMessage);
        return;
    }
    const ButtonLock lock(mainWindow, "按钮_查询国产");
    fillDomesticPriceList(mainWindow, *statement);
}

}  // namespace lz::query
