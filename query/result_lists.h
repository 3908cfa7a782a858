#pragma once

#include <array>
#include <span>
#include <string_view>

namespace lz::query {

// The main window's catalogue connection, on which every query runs.
inline constexpr std::string_view kCatalogueConnection = "外部数据库1";

// A result list: the list view and, for each of its columns from 0 on, the field it shows.
struct ResultList {
    std::string_view listName;
    std::span<const std::string_view> fields;
};

inline constexpr std::array<std::string_view, 10> kBearingFields = {
    "bh", "zhch", "newno", "oldno", "njin", "wjin", "gdu", "ppai", "btype", "tt"};
inline constexpr std::array<std::string_view, 5> kImportedPriceFields = {"ID", "ppai", "newno",
                                                                         "nonprice", "price"};
inline constexpr std::array<std::string_view, 6> kDomesticPriceFields = {
    "id", "oldno", "newno", "nonprice", "price", "ppai"};

inline constexpr ResultList kBearingList{"超级列表框_主窗口", kBearingFields};
inline constexpr ResultList kImportedPriceList{"超级列表框_主窗口1", kImportedPriceFields};
inline constexpr ResultList kDomesticPriceList{"超级列表框_主窗口2", kDomesticPriceFields};

}  // namespace lz::query
