#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "designation/canonical_index.h"

namespace lz::catalogue {
class CatalogueDatabase;
}
namespace lz::shop {
class ShopStock;
}
namespace lz::ui {
class Window;
}

namespace lz::query {

// What the 型号助手's result list came to.
struct AssistantListing {
    int bearings = 0;                     // rows listed, headings not counted
    std::array<int, 3> inGroup{0, 0, 0};  // of them, in groups 1, 2 and 3
    bool readFailed = false;              // the rows stopped coming; the list is short
    // Per reading of the text: the catalogue's bore (njin) of the first bearing listed
    // for it in group 1; none where none was.
    std::vector<std::optional<std::string>> boreOfReading;
};

// Fills the 型号助手's result list with the rows `found` names, in its order, from the
// catalogue `database` (the main window's connection): a heading row above each group
// ("同一轴承（各厂写法）", "同基本型号、同密封，仅代号不同", "同尺寸，密封不同", each with its
// count), then one row per bearing with the cells kAssistantColumns names, the bearing's
// number as the row's key. The shop's columns come from `stock` (empty cells for a row it
// has no line for, and for every row when it is empty); a row the shop holds is marked.
// All rows are read at once (a lookup names at most a few hundred) and shown together.
// Rows the catalogue no longer holds are left out; a read that fails part way keeps the
// rows read before.
AssistantListing fillAssistantList(ui::Window& assistant, catalogue::CatalogueDatabase& database,
                                   const designation::GroupedLookup& found,
                                   const shop::ShopStock& stock);

}  // namespace lz::query
