#pragma once

#include "catalogue/catalogue_database.h"
#include "query/result_lists.h"

namespace lz::ui {
class Window;
}

namespace lz::query {

// Reads the list's fields from the record set's current record, all of them first, then
// appends one row at the end of the list and sets its cells from column 0 on.
void appendRecordRow(ui::Window& mainWindow, const ResultList& list,
                     catalogue::CatalogueDatabase& database, catalogue::RecordSetHandle handle);

}  // namespace lz::query
