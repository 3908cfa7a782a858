#pragma once

#include <cstddef>

namespace lz::sizes {
struct MeasuredListing;
}
namespace lz::ui {
class Window;
}

namespace lz::query {

// What the page's list came to.
struct MeasuredListCount {
    std::size_t bearings = 0;  // rows listed, headings not counted
    std::size_t sizes = 0;     // nominal sizes they have
};

// Fills the list of the page "按实测尺寸" with `listing`'s rows in its order: the line
// "容差内无匹配，以下为最接近的型号" first when the rows are only the nearest, a heading row
// above each nominal size ("25 × 52 × 15 mm　306 个"), then its rows with the cells
// kMeasuredColumns names, each keyed by its bearing number.
MeasuredListCount fillMeasuredList(ui::Window& assistant, const sizes::MeasuredListing& listing);

}  // namespace lz::query
