#include "shop/matching/stock_matcher.h"

#include <algorithm>

namespace lz::shop {
namespace {

using designation::kNoGroup;
using designation::SameBearingRow;

// Whether rows are one bearing: one common designation (a row without any is only itself).
bool oneBearing(const std::vector<const SameBearingRow*>& rows) {
    if (rows.empty()) {
        return false;
    }
    const SameBearingRow& first = *rows.front();
    return std::all_of(rows.begin(), rows.end(), [&](const SameBearingRow* row) {
        return first.group == kNoGroup ? row->bh == first.bh : row->group == first.group;
    });
}

}  // namespace

std::optional<StockMatcher> StockMatcher::build(catalogue::CatalogueDatabase& database) {
    std::optional<CatalogueTables> tables = readCatalogueTables(database);
    if (!tables) {
        return std::nullopt;
    }
    return StockMatcher(std::move(*tables));
}

StockMatcher::StockMatcher(CatalogueTables tables)
    : index_(tables.designations), rows_(std::move(tables.rows)) {}

LineMatch StockMatcher::match(std::string_view designation, std::string_view brand) const {
    LineMatch result;
    const designation::SameBearingRows same = index_.sameBearing(designation);
    if (same.rows.empty()) {
        return result;
    }
    auto brandOf = [&](const SameBearingRow* row) { return rows_.brandKeyOf(row->bh); };
    auto oneBrand = [&](const std::vector<const SameBearingRow*>& rows) {
        return std::all_of(rows.begin(), rows.end(), [&](const SameBearingRow* row) {
            return brandOf(row) == brandOf(rows.front());
        });
    };
    auto ownTextOf = [](const std::vector<const SameBearingRow*>& rows) {
        std::vector<const SameBearingRow*> own;
        for (const SameBearingRow* row : rows) {
            if (row->ownText) {
                own.push_back(row);
            }
        }
        return own;
    };

    std::vector<const SameBearingRow*> all;
    all.reserve(same.rows.size());
    for (const SameBearingRow& row : same.rows) {
        all.push_back(&row);
    }
    const SameBearingRow* matched = nullptr;
    std::vector<const SameBearingRow*> candidates;
    const std::string wanted = brandKey(brand);
    if (!wanted.empty()) {
        std::vector<const SameBearingRow*> ofBrand;
        for (const SameBearingRow* row : all) {
            if (brandOf(row) == wanted) {
                ofBrand.push_back(row);
            }
        }
        const std::vector<const SameBearingRow*> own = ownTextOf(ofBrand);
        if (oneBearing(ofBrand)) {
            matched = ofBrand.front();
        } else if (oneBearing(own)) {
            matched = own.front();
        }
        candidates = ofBrand.empty() ? all : ofBrand;
    } else {
        const std::vector<const SameBearingRow*> own = ownTextOf(all);
        if (oneBearing(own) && oneBrand(own)) {
            matched = own.front();
        } else if (oneBearing(all) && oneBrand(all)) {
            matched = all.front();
        }
        candidates = all;
    }

    if (matched != nullptr) {
        result.state = MatchState::Matched;
        result.bh = matched->bh;
        if (const CatalogueRow* row = rows_.find(matched->bh)) {
            result.newno = row->newno;
        }
        return result;
    }
    result.state = MatchState::Pending;
    if (oneBearing(candidates)) {
        if (const CatalogueRow* row = rows_.find(candidates.front()->bh)) {
            result.newno = row->newno;
        }
    }
    result.candidates.reserve(candidates.size());
    for (const SameBearingRow* row : candidates) {
        result.candidates.push_back(row->bh);
    }
    return result;
}

MatchAnswers::MatchAnswers(const std::vector<MatchOverride>& answers) {
    for (const MatchOverride& answer : answers) {
        set(answer);
    }
}

const MatchOverride* MatchAnswers::find(std::string_view text, std::string_view brand) const {
    const auto found = answers_.find(std::pair<std::string_view, std::string_view>(text, brand));
    return found != answers_.end() ? &found->second : nullptr;
}

void MatchAnswers::set(const MatchOverride& answer) {
    answers_.insert_or_assign({answer.importedText, answer.importedBrand}, answer);
}

std::vector<MatchOverride> MatchAnswers::all() const {
    std::vector<MatchOverride> all;
    all.reserve(answers_.size());
    for (const auto& [key, answer] : answers_) {
        all.push_back(answer);
    }
    return all;
}

LineMatch matchLine(const StockMatcher& matcher, const MatchAnswers& answers,
                    std::string_view designation, std::string_view brand) {
    if (const MatchOverride* answer = answers.find(designation, brand)) {
        LineMatch result;
        result.state = MatchState::Matched;
        result.answered = true;
        if (answer->bh) {
            if (const CatalogueRow* row =
                    matcher.rows().find(static_cast<std::int32_t>(*answer->bh))) {
                result.bh = row->bh;
                result.newno = row->newno;
                return result;
            }
        } else if (!answer->newno.empty()) {
            result.newno = answer->newno;
            return result;
        }
    }
    return matcher.match(designation, brand);
}

void applyMatch(const LineMatch& match, StockLine& line) {
    line.match = match.state;
    line.bh = match.bh;
    line.newno = match.newno;
}

void MatchCounts::add(MatchState state) {
    switch (state) {
        case MatchState::Matched:
            ++matched;
            break;
        case MatchState::Pending:
            ++pending;
            break;
        case MatchState::Unmatched:
            ++unmatched;
            break;
    }
}

std::string matchCountsText(const MatchCounts& counts) {
    return std::string(matchStateText(MatchState::Matched)) + " " + std::to_string(counts.matched) +
           "，" + matchStateText(MatchState::Pending) + " " + std::to_string(counts.pending) +
           "，" + matchStateText(MatchState::Unmatched) + " " + std::to_string(counts.unmatched);
}

}  // namespace lz::shop
