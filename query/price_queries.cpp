#include "query/price_queries.h"

namespace lz::query {

// Wired already; the queries themselves are not written yet, so a click does nothing.
void runImportedPriceQuery(ui::Window&) {}
void runDomesticPriceQuery(ui::Window&) {}

}  // namespace lz::query
