#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lz::query::sql {

// A composed statement, or none when the values hold nothing to search for: the caller
// then shows its empty-input message instead of searching.
using SearchSql = std::optional<std::string>;

// The combo texts that set no condition in the combined search.
inline constexpr std::string_view kAll = "全部";
inline constexpr std::string_view kBrandPrompt = "请选择品牌";
inline constexpr std::string_view kTypePrompt = "请选择类型";

// The column the single-field search looks in.
enum class SingleField { NewDesignation, OldDesignation, InnerDiameter, OuterDiameter, Width };

// The single-field search: `text` is looked for inside the field; with `exact`, the three
// dimension fields must equal it instead (the designations stay substring searches).
SearchSql composeSingleFieldSearch(std::string_view text, SingleField field, bool exact);

// The values of the bearing page's dimension boxes and combo boxes, exactly as shown.
struct BearingSearchValues {
    std::string_view innerDiameter;  // 编辑框_内径
    std::string_view outerDiameter;  // 编辑框_外径
    std::string_view width;          // 编辑框_厚度
    std::string_view brand;          // 组合框_品牌
    std::string_view type;           // 组合框_类型
};

// Every condition the values set, joined; the whole table when the combos show only
// "全部" or their prompts. None only when all three dimensions are empty and both combos
// show "全部".
SearchSql composeCombinedSearch(const BearingSearchValues& values);

// One brand (or type), narrowed by whichever dimensions are filled. The key is searched
// for as it stands, "全部" included; none when it is empty.
SearchSql composeBrandSearch(const BearingSearchValues& values);
SearchSql composeTypeSearch(const BearingSearchValues& values);

// Exactly one dimension, or all three; none for no dimension or two of them.
SearchSql composeDimensionSearch(const BearingSearchValues& values);

}  // namespace lz::query::sql
