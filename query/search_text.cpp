#include "query/search_text.h"

#include "designation/width_folding.h"
#include "ui/window.h"

namespace lz::query {

std::string searchText(const ui::Window& window, std::string_view control) {
    return designation::foldToHalfWidth(window.text(control));
}

}  // namespace lz::query
