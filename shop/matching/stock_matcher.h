#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "designation/canonical_index.h"
#include "shop/matching/catalogue_rows.h"
#include "shop/store/stock_line.h"

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::shop {

// How one line of a shop's list stands against the catalogue.
struct LineMatch {
    MatchState state = MatchState::Unmatched;
    std::optional<std::int32_t> bh;  // Matched: the row
    // Matched: the row's common designation (or the one the user chose). Pending: the one
    // every candidate shares, or empty when they are not one bearing.
    std::string newno;
    // Pending: the rows to choose among, the likeliest first.
    std::vector<std::int32_t> candidates;
    bool answered = false;  // the user's earlier answer settled it

    bool operator==(const LineMatch&) const = default;
};

// Matches the designation and brand of a shop's line (as cleaned by the import) against
// the catalogue through the designation model. The candidates are the rows of the same
// bearing: rows whose common designation has the canonical designation of a reading of
// the text, and rows whose own designation is the text. Then:
// - a brand given, and the candidates of that brand are one bearing → "已匹配";
// - no brand given, and the candidates are one bearing of one brand → "已匹配"; so are
//   the rows whose own designation is the text when they are (a maker's own spelling,
//   "6205DDU", names its maker);
// - candidates otherwise (several brands, several bearings, or none of the brand
//   given) → "待确认", the user chooses;
// - no candidate → "未匹配".
// The matched row is the first candidate: its own designation the text, then by the
// reading that found it, then by bh. Built once; a line takes microseconds.
class StockMatcher {
public:
    // Reads the bearing table through the access layer; none when it cannot be read whole.
    static std::optional<StockMatcher> build(catalogue::CatalogueDatabase& database);
    explicit StockMatcher(CatalogueTables tables);

    LineMatch match(std::string_view designation, std::string_view brand) const;

    const CatalogueRows& rows() const { return rows_; }
    const designation::CanonicalIndex& index() const { return index_; }

private:
    designation::CanonicalIndex index_;
    CatalogueRows rows_;
};

// The user's answers for lines the catalogue did not settle, by the designation and brand
// as imported (compared exactly, as the shop file keeps them).
class MatchAnswers {
public:
    MatchAnswers() = default;
    explicit MatchAnswers(const std::vector<MatchOverride>& answers);

    const MatchOverride* find(std::string_view text, std::string_view brand) const;
    // Adds an answer, replacing one for the same text and brand.
    void set(const MatchOverride& answer);
    std::vector<MatchOverride> all() const;
    bool empty() const { return answers_.empty(); }

private:
    // By text, then brand; asked with views, without copying them.
    struct Before {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return std::pair<std::string_view, std::string_view>(a.first, a.second) <
                   std::pair<std::string_view, std::string_view>(b.first, b.second);
        }
    };
    std::map<std::pair<std::string, std::string>, MatchOverride, Before> answers_;
};

// A line matched as the import matches it: the user's answer for its text and brand when
// there is one (an answer naming a row the catalogue lacks is passed over), the matcher's
// otherwise.
LineMatch matchLine(const StockMatcher& matcher, const MatchAnswers& answers,
                    std::string_view designation, std::string_view brand);

// The shop file's fields of a line from its match.
void applyMatch(const LineMatch& match, StockLine& line);

// How many lines stand in each state.
struct MatchCounts {
    int matched = 0;
    int pending = 0;
    int unmatched = 0;
    void add(MatchState state);
};

// "已匹配 N，待确认 N，未匹配 N".
std::string matchCountsText(const MatchCounts& counts);

}  // namespace lz::shop
