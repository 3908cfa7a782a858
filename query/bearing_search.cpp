#include "query/bearing_search.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "query/button_lock.h"
#include "query/result_list_fill.h"
#include "query/search_messages.h"
#include "query/search_text.h"
#include "query/sql/bearing_search_sql.h"
#include "ui/message_boxes.h"
#include "ui/window.h"

namespace lz::query {
namespace {

using sql::SingleField;

constexpr std::string_view kCombinedSearchButton = "按钮搜索";

// The radio buttons of the single-field search, asked in this order.
constexpr std::array<std::pair<std::string_view, SingleField>, 5> kFieldButtons = {{
    {"单选框1", SingleField::NewDesignation},
    {"单选框2", SingleField::OldDesignation},
    {"单选框3", SingleField::InnerDiameter},
    {"单选框4", SingleField::OuterDiameter},
    {"单选框5", SingleField::Width},
}};

std::optional<SingleField> checkedField(const ui::Window& mainWindow) {
    for (const auto& [button, field] : kFieldButtons) {
        if (mainWindow.isChecked(button)) {
            return field;
        }
    }
    return std::nullopt;
}

// The page's dimension boxes and combo boxes, read (full width folded) when the search runs.
struct SearchControls {
    std::string innerDiameter, outerDiameter, width, brand, type;

    explicit SearchControls(const ui::Window& mainWindow)
        : innerDiameter(searchText(mainWindow, "编辑框_内径")),
          outerDiameter(searchText(mainWindow, "编辑框_外径")),
          width(searchText(mainWindow, "编辑框_厚度")),
          brand(searchText(mainWindow, "组合框_品牌")),
          type(searchText(mainWindow, "组合框_类型")) {}

    sql::BearingSearchValues values() const {
        return {innerDiameter, outerDiameter, width, brand, type};
    }
};

void refuseEmptyInput() {
    ui::MessageBoxes::show(kEmptySearchMessage, kEmptySearchCaption);
}

void fillOrRefuse(ui::Window& mainWindow, const sql::SearchSql& statement) {
    if (!statement) {
        refuseEmptyInput();
        return;
    }
    fillBearingList(mainWindow, *statement);
}

}  // namespace

void searchSingleField(ui::Window& mainWindow) {
    const bool exact = mainWindow.isChecked("选择框1");
    const std::string text = searchText(mainWindow, "编辑框1");
    const std::optional<SingleField> field = checkedField(mainWindow);
    if (!field) {
        // Without a chosen field there is nothing to search in; empty input is still
        // refused as such.
        if (text.empty()) {
            refuseEmptyInput();
        }
        return;
    }
    fillOrRefuse(mainWindow, sql::composeSingleFieldSearch(text, *field, exact));
}

void searchCombined(ui::Window& mainWindow) {
    const SearchControls controls(mainWindow);
    const sql::SearchSql statement = sql::composeCombinedSearch(controls.values());
    if (!statement) {
        refuseEmptyInput();
        return;
    }
    const ButtonLock lock(mainWindow, kCombinedSearchButton);
    fillBearingList(mainWindow, *statement);
}

void searchByBrand(ui::Window& mainWindow) {
    fillOrRefuse(mainWindow, sql::composeBrandSearch(SearchControls(mainWindow).values()));
}

void searchByType(ui::Window& mainWindow) {
    fillOrRefuse(mainWindow, sql::composeTypeSearch(SearchControls(mainWindow).values()));
}

void searchByDimensions(ui::Window& mainWindow) {
    fillOrRefuse(mainWindow, sql::composeDimensionSearch(SearchControls(mainWindow).values()));
}

}  // namespace lz::query
