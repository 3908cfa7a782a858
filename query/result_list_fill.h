#pragma once

#include <string_view>

#include "query/result_lists.h"
#include "query/search_messages.h"

namespace lz::ui {
class Window;
}

namespace lz::query {

// Empties `list` on the main window, runs `sql` on the catalogue connection and appends
// one row per record, handling pending window messages after every row so the window
// stays usable. When nothing comes back (empty result, closed connection, rejected
// statement) it shows the no-match message once and leaves the list empty. When the
// record set fails (a damaged file, a query over its limits), on its first row or part
// way, the rows listed so far stay (none, on the first) and the read-failed message says
// once that the list may be incomplete.
//
// A fill that finds, after handling messages, that a newer fill of the same list has
// started meanwhile stops there and closes its record set, so the list shows only the
// newer result. Fills of different lists run side by side undisturbed.
void fillResultList(ui::Window& mainWindow, const ResultList& list, std::string_view sql);

// Empties `list` and shows the read-failed message, as a fill whose first row fails does:
// for a search that cannot even compose its statement because a read failed.
void showListReadFailed(ui::Window& mainWindow, const ResultList& list);

void fillBearingList(ui::Window& mainWindow, std::string_view sql);
void fillImportedPriceList(ui::Window& mainWindow, std::string_view sql);
void fillDomesticPriceList(ui::Window& mainWindow, std::string_view sql);

}  // namespace lz::query
