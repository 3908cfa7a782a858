#pragma once

#include <string_view>

#include "ui/window_template.h"

namespace lz::windows {

inline constexpr std::string_view kDesignationLookupWindowName = "designation_lookup";
// Its one edit box: the designation as it is stamped on the bearing.
inline constexpr std::string_view kDesignationLookupBox = "编辑框_型号";

// A small dialog asking for a designation in any brand's writing; its search fills the
// main window's bearing list.
const ui::WindowTemplate& designationLookupWindowTemplate();

}  // namespace lz::windows
