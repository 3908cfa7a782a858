#include "query/initial_listing.h"

#include "catalogue/catalogue_database.h"
#include "query/record_row.h"
#include "query/result_lists.h"
#include "ui/window.h"

namespace lz::query {

void listInitialBearings(ui::Window& mainWindow) {
    const auto& list = kBearingList;
    mainWindow.clearRows(list.listName);
    auto& database = mainWindow.database(kCatalogueConnection);

    const catalogue::RecordSetHandle handle = database.OpenTable(kInitialListingSql);
    database.MoveFirst(handle);
    for (int listed = 0; !database.IsEOF(handle) && listed < kInitialListingRows; ++listed) {
        appendRecordRow(mainWindow, list, database, handle);
        database.MoveNext(handle);
    }
    // Closing with 0 would close every record set of the connection.
    if (handle != 0) {
        database.CloseTable(handle);
    }
}

}  // namespace lz::query
