#include "query/result_list_fill.h"

#include <string>

#include "catalogue/catalogue_database.h"
#include "query/record_row.h"
#include "ui/message_boxes.h"
#include "ui/message_pump.h"
#include "ui/window.h"
#include "ui/window_manager.h"

namespace lz::query {
namespace {

// Handling messages may close the main window, and the connection and lists with it; the
// window is then no longer to be touched, so it is looked up by its name.
bool stillOpen(const std::string& windowName, const ui::Window* mainWindow) {
    return ui::WindowManager::instance().find(windowName) == mainWindow;
}

}  // namespace

void fillResultList(ui::Window& mainWindow, const ResultList& list, std::string_view sql) {
    const std::string windowName(mainWindow.name());
    mainWindow.clearRows(list.listName);
    const auto generation = mainWindow.listGeneration(list.listName);
    auto& database = mainWindow.database(kCatalogueConnection);

    const catalogue::RecordSetHandle handle = database.OpenTable(sql);
    if (database.IsEOF(handle)) {
        // A first row that could not be read is a failure, not an empty result.
        const bool readFailed = database.HasFailed(handle);
        // Closing with 0 would close every record set of the connection, cutting short a
        // fill that this one interrupted; a missing record set needs no closing.
        if (handle != 0) {
            database.CloseTable(handle);
        }
        if (readFailed) {
            ui::MessageBoxes::show(kReadFailedMessage, kReadFailedCaption);
        } else {
            ui::MessageBoxes::show(kNoMatchMessage, kNoMatchCaption);
        }
        return;
    }

    database.MoveFirst(handle);
    while (!database.IsEOF(handle)) {
        appendRecordRow(mainWindow, list, database, handle);
        database.MoveNext(handle);

        ui::processPendingMessages();
        if (!stillOpen(windowName, &mainWindow)) {
            // The window may be gone already; its connection closes the record set
            // when the window is destroyed.
            return;
        }
        if (mainWindow.listGeneration(list.listName) != generation) {
            database.CloseTable(handle);
            return;  // a newer fill of this list has taken it over
        }
    }
    const bool readFailed = database.HasFailed(handle);
    database.CloseTable(handle);
    if (readFailed) {
        ui::MessageBoxes::show(kReadFailedMessage, kReadFailedCaption);
    }
}

void showListReadFailed(ui::Window& mainWindow, const ResultList& list) {
    mainWindow.clearRows(list.listName);
    ui::MessageBoxes::show(kReadFailedMessage, kReadFailedCaption);
}

void fillBearingList(ui::Window& mainWindow, std::string_view sql) {
    fillResultList(mainWindow, kBearingList, sql);
}

void fillImportedPriceList(ui::Window& mainWindow, std::string_view sql) {
    fillResultList(mainWindow, kImportedPriceList, sql);
}

void fillDomesticPriceList(ui::Window& mainWindow, std::string_view sql) {
    fillResultList(mainWindow, kDomesticPriceList, sql);
}

}  // namespace lz::query
