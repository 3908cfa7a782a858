#pragma once

#include <array>
#include <string_view>

namespace lz::catalogue {

// The headings under which the main window's three result lists show the catalogue's
// columns, column 0 first. Plain texts kept beside the tables they name, so that the window
// templates and the command-line look-up both take them from here and name their columns
// alike, neither including the other's headers.
inline constexpr std::array<std::string_view, 10> kBearingListHeadings = {
    "ID", "轴承名称", "新型号", "旧型号", "内径", "外径", "厚度", "品牌", "轴承类型", "详细说明"};
inline constexpr std::array<std::string_view, 5> kImportedPriceListHeadings = {
    "编号", "品牌", "型号", "不含税价格（元）", "含税价格（元）"};
inline constexpr std::array<std::string_view, 6> kDomesticPriceListHeadings = {
    "编号", "旧型号", "新型号", "不含税价格（元）", "含税价格（元）", "厂家"};

// A lookup by designation says of each bearing found how it differs from the designation
// looked up ("游隙 C3 → 普通"), under this heading: in the 型号助手 window's list and as the
// last column of the command line's lookup.
inline constexpr std::string_view kDifferenceHeading = "差异";

}  // namespace lz::catalogue
