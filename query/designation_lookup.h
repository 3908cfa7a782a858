#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace lz::catalogue {
class CatalogueDatabase;
}
namespace lz::designation {
class CanonicalIndex;
}
namespace lz::ui {
class Window;
}

namespace lz::query {

// "互换型号": fills the bearing list with the selected row's bearing in every maker's
// spelling (the row itself first, then every row of the same canonical designation, so
// that "NU 205 E" and "NU205E" come together) and then the rows that differ from it only in
// clearance, tolerance, cage, internal design or other codes, fewest differences first.
// Nothing without a selected row; the no-match message for a row the catalogue does not
// hold; the read-failed message, with the list emptied, when the catalogue's rows cannot
// be read whole for the index.
void showInterchangeableBearings(ui::Window& mainWindow);

// Shows the bearing page and fills its list with the rows `bh` names, in that order,
// through the bearing list's fill (its no-match and read-failed messages included).
void listBearingsInOrder(ui::Window& mainWindow, std::span<const std::int32_t> bh);

// The canonical index (and key index) of the catalogue that `database` is connected to:
// built on first use and kept until the database is connected anew. None while not
// connected or when the bearing table cannot be read whole; a failed build is not kept,
// so the next call tries again.
const designation::CanonicalIndex* canonicalIndexOf(catalogue::CatalogueDatabase& database);

// The bearing number (bh) a list's ID cell shows; none for any other text.
std::optional<std::int32_t> bearingNumberOf(std::string_view text);

}  // namespace lz::query
