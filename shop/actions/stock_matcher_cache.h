#pragma once

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::shop {
class StockMatcher;
}

namespace lz::shop::actions {

// The matcher over the catalogue `database` is connected to: built on first use (a few
// tenths of a second) and kept until the database is connected anew. None while not
// connected or when the bearing table cannot be read whole; a failed build is not kept.
const StockMatcher* stockMatcherOf(catalogue::CatalogueDatabase& database);

// The main window's catalogue's matcher; none without a main window.
const StockMatcher* mainCatalogueMatcher();

}  // namespace lz::shop::actions
