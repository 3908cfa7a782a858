#include "query/bearing_search.h"

namespace lz::query {

// The searches are wired already; their queries are not written yet, so a click does
// nothing for now.
void searchSingleField(ui::Window&) {}
void searchCombined(ui::Window&) {}
void searchByBrand(ui::Window&) {}
void searchByType(ui::Window&) {}
void searchByDimensions(ui::Window&) {}

}  // namespace lz::query
