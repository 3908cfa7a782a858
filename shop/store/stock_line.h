#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lz::shop {

// How a line of the shop's list stands against the catalogue.
enum class MatchState {
    Unmatched = 0,  // "未匹配": no catalogue bearing fits
    Matched = 1,    // "已匹配": one bearing (bh) or one common designation (newno)
    Pending = 2,    // "待确认": several candidates; the user chooses
};

// The word a list shows for the state.
const char* matchStateText(MatchState state);

// One line of the shop's stock as kept in the shop file. Texts are UTF-8, money is fen.
struct StockLine {
    int sourceLine = 0;                    // where the line stood in the imported file (1-based)
    std::string designation;               // 型号, cleaned; never empty
    std::string brand;                     // 品牌, empty when none was given
    std::optional<std::int64_t> quantity;  // 数量
    std::optional<std::int64_t> priceFen;  // 单价
    std::optional<std::int64_t> costFen;   // 进价
    std::string location;                  // 货位
    std::string note;                      // 备注
    MatchState match = MatchState::Unmatched;
    // What the line matched: a catalogue row, a common designation, or both. A matched
    // line has at least one of them.
    std::optional<std::int64_t> bh;
    std::string newno;

    bool operator==(const StockLine&) const = default;
};

// A user's answer for an imported text the catalogue did not settle ("待确认" or
// "未匹配"): the next import of the same designation and brand takes it. Exactly one of
// bh and newno is given.
struct MatchOverride {
    std::string importedText;   // the designation as imported, after cleaning
    std::string importedBrand;  // the brand as imported, after cleaning; empty when none
    std::optional<std::int64_t> bh;
    std::string newno;

    bool operator==(const MatchOverride&) const = default;
};

// The last import, as the undo command names it.
struct ImportRecord {
    std::string sourceName;  // the file's name as the user chose it
    std::string importedAt;  // local time, "YYYY-MM-DD HH:MM:SS"
    int lineCount = 0;
};

}  // namespace lz::shop
