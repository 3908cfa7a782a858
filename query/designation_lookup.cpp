#include "query/designation_lookup.h"

#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/catalogue_database.h"
#include "designation/designation_index.h"
#include "designation/designation_key.h"
#include "query/result_list_fill.h"
#include "query/result_lists.h"
#include "query/search_messages.h"
#include "query/sql/interchange_sql.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_lookup_template.h"
#include "windows/main_window_template.h"

namespace lz::query {
namespace {

constexpr int kNewDesignationColumn = 2;  // "新型号"
constexpr int kBearingPage = 0;

// Nothing to list still goes through the fill: an empty statement empties the list and
// shows the no-match message, as every fill that finds nothing does.
void fillOrShowNoMatch(ui::Window& mainWindow, const std::optional<std::string>& statement) {
    fillBearingList(mainWindow, statement.value_or(std::string()));
}

}  // namespace

const designation::DesignationIndex* designationIndexOf(catalogue::CatalogueDatabase& database) {
    struct Cached {
        std::uint64_t connection = 0;
        std::optional<designation::DesignationIndex> index;
    };
    static Cached cached;
    const std::uint64_t connection = database.connectionSerial();
    if (connection == 0) {
        return nullptr;
    }
    if (cached.connection != connection) {
        cached.index = designation::DesignationIndex::build(database);
        // A table that could not be read is tried again next time.
        cached.connection = cached.index ? connection : 0;
    }
    return cached.index ? &*cached.index : nullptr;
}

void showInterchangeableBearings(ui::Window& mainWindow) {
    const int row = mainWindow.selectedRow(kBearingList.listName);
    if (row < 0) {
        return;
    }
    const std::string newDesignation =
        mainWindow.cellText(kBearingList.listName, row, kNewDesignationColumn);
    fillOrShowNoMatch(mainWindow, sql::composeInterchangeSearch(newDesignation));
}

void openDesignationLookup(ui::Window&) {
    ui::WindowManager::instance().open(windows::designationLookupWindowTemplate(), true);
}

void lookUpDesignation(ui::Window& lookupWindow) {
    const std::string typed = lookupWindow.text(windows::kDesignationLookupBox);
    if (designation::designationKey(typed).empty()) {
        ui::MessageBoxes::show(kEmptySearchMessage, kEmptySearchCaption);
        return;
    }
    lookupWindow.close();
    ui::Window* mainWindow = ui::WindowManager::instance().find(windows::kMainWindowName);
    if (mainWindow == nullptr) {
        return;
    }
    mainWindow->setCurrentPage(windows::kMainPages, kBearingPage);
    catalogue::CatalogueDatabase& database = mainWindow->database(kCatalogueConnection);
    const designation::DesignationIndex* index = designationIndexOf(database);
    if (index == nullptr) {
        // Without a catalogue nothing matches, as in every search; a catalogue whose rows
        // could not all be read must not pass for one without the bearing.
        if (database.isConnected()) {
            showListReadFailed(*mainWindow, kBearingList);
        } else {
            fillOrShowNoMatch(*mainWindow, std::nullopt);
        }
        return;
    }
    fillOrShowNoMatch(*mainWindow, designation::composeBearingRowsSearch(index->lookup(typed)));
}

void closeDesignationLookup(ui::Window& lookupWindow) {
    lookupWindow.close();
}

}  // namespace lz::query
