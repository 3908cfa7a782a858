#include "designation/catalogue_knowledge.h"

#include <algorithm>
#include <numeric>

#include "designation/canonical_designation.h"
#include "designation/old_codes.h"

namespace lz::designation {

std::uint32_t CatalogueKnowledge::hold(const Reading& reading, std::string_view canonical) {
    const std::uint32_t id = designations_.idOf(canonical);
    if (id == rowsOfDesignation_.size()) {
        rowsOfDesignation_.push_back(0);
        basics_.idOf(basicKey(reading));
        basicSealings_.idOf(basicAndSealingKey(reading));
    }
    return id;
}

void CatalogueKnowledge::pairOldCode(std::string_view oldCode, std::string_view newDesignation,
                                     std::string_view canonical) {
    if (oldCode.empty() || oldCode == newDesignation || !looksLikeOldCode(oldCode) ||
        oldCode.find('-') != std::string_view::npos) {
        return;
    }
    Paired& paired = newByOld_[std::string(oldCode)];
    bool counted = false;
    for (std::size_t i = 0; i < paired.designations.size(); ++i) {
        if (paired.designations[i] == canonical) {
            ++paired.rows[i];
            counted = true;
            break;
        }
    }
    if (!counted) {
        paired.designations.emplace_back(canonical);
        paired.rows.push_back(1);
    }
    std::vector<OldCount>& olds = oldByNew_[std::string(canonical)];
    const auto known = std::find_if(olds.begin(), olds.end(),
                                    [&](const OldCount& old) { return old.code == oldCode; });
    if (known != olds.end()) {
        ++known->rows;
    } else {
        olds.push_back({std::string(oldCode), 1});
    }
}

void CatalogueKnowledge::finish() {
    for (auto& [old, paired] : newByOld_) {
        std::vector<std::size_t> order(paired.designations.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return paired.rows[a] > paired.rows[b];
        });
        Paired sorted;
        for (const std::size_t i : order) {
            sorted.designations.push_back(std::move(paired.designations[i]));
            sorted.rows.push_back(paired.rows[i]);
        }
        paired = std::move(sorted);
    }
    for (auto& [canonical, olds] : oldByNew_) {
        const auto best = std::max_element(
            olds.begin(), olds.end(), [](const auto& a, const auto& b) { return a.rows < b.rows; });
        bestOldByNew_.emplace(canonical, best->code);
    }
    oldByNew_.clear();
}

CatalogueKnowledge::HeldBy CatalogueKnowledge::held(const Reading& reading) const {
    if (const std::uint32_t id = designations_.find(canonicalDesignation(reading));
        id != TextIds::kNone) {
        return {Held::Designation, rowsOfDesignation_[id]};
    }
    if (basicSealings_.find(basicAndSealingKey(reading)) != TextIds::kNone) {
        return {Held::BasicAndSealing, 0};
    }
    if (basics_.find(basicKey(reading)) != TextIds::kNone) {
        return {Held::Basic, 0};
    }
    return {};
}

std::span<const std::string> CatalogueKnowledge::newDesignationsOf(std::string_view oldCode) const {
    const auto found = newByOld_.find(std::string(oldCode));
    if (found == newByOld_.end()) {
        return {};
    }
    return found->second.designations;
}

std::string_view CatalogueKnowledge::oldCodeOf(std::string_view canonical) const {
    const auto found = bestOldByNew_.find(std::string(canonical));
    return found == bestOldByNew_.end() ? std::string_view() : std::string_view(found->second);
}

}  // namespace lz::designation
