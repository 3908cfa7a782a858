// The detailed description `tt`: each source wrote the type names its own way, so the
// catalogue holds a fixed number of distinct descriptions. The generator writes them from
// the rows' types and brands, then evens out the count by merging the rarest spellings into
// their type's usual one, or by splitting a common one into another source's spelling.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>

#include "bearing_table.h"

namespace catgen {

namespace {

constexpr std::size_t kDistinctTitles = 818;
constexpr std::size_t kLongestTitle = 106;  // characters, not bytes

std::size_t characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

void writeTitles(std::vector<BearingRow>& rows, Prng& rng) {
    (void)rng;
    std::map<std::string, std::vector<std::size_t>> byTitle;
    std::set<std::string> fixed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        BearingRow& r = rows[i];
        if (!r.btype) {
            r.tt = std::nullopt;
            continue;
        }
        const Subtype& subtype = kindInfo(r.kind).subtypes[static_cast<std::size_t>(r.subtype)];
        if (!r.pinned) {
            r.tt = titleText(subtype, r.titleStyle, r.titleSeries);
        }
        if (r.pinned || subtype.verbatim) {
            fixed.insert(*r.tt);
        }
        byTitle[*r.tt].push_back(i);
    }
    // Spellings of the same type and sub-type are interchangeable; others are not.
    auto kindOf = [&](const std::string& title) {
        const BearingRow& r = rows[byTitle.at(title).front()];
        return static_cast<int>(r.kind) * 100 + r.subtype;
    };
    while (byTitle.size() > kDistinctTitles) {
        // The rarest spelling joins the most common description of its type.
        std::map<int, int> titlesOfKind;
        for (const auto& entry : byTitle) {
            titlesOfKind[kindOf(entry.first)]++;
        }
        std::string rarest;
        for (const auto& [title, members] : byTitle) {
            if (!fixed.count(title) && titlesOfKind[kindOf(title)] > 1 &&
                (rarest.empty() || members.size() < byTitle[rarest].size())) {
                rarest = title;
            }
        }
        std::string common;
        for (const auto& [title, members] : byTitle) {
            if (title != rarest && kindOf(title) == kindOf(rarest) &&
                (common.empty() || members.size() > byTitle[common].size())) {
                common = title;
            }
        }
        for (std::size_t i : byTitle[rarest]) {
            rows[i].tt = common;
            byTitle[common].push_back(i);
        }
        byTitle.erase(rarest);
    }
    while (byTitle.size() < kDistinctTitles) {
        // Half the rows of the most common description take another source's spelling.
        std::string common;
        for (const auto& [title, members] : byTitle) {
            if (!fixed.count(title) &&
                (common.empty() || members.size() > byTitle[common].size())) {
                common = title;
            }
        }
        auto& members = byTitle[common];
        const BearingRow& model = rows[members.front()];
        const Subtype& subtype =
            kindInfo(model.kind).subtypes[static_cast<std::size_t>(model.subtype)];
        std::string fresh;
        for (int style = 0; style < kTitleStyles && fresh.empty(); ++style) {
            for (const std::string& series : {std::string(), model.source->series}) {
                const std::string title = titleText(subtype, style, series);
                if (!byTitle.count(title)) {
                    fresh = title;
                    break;
                }
            }
        }
        if (fresh.empty() || members.size() < 2) {
            std::cerr << "catalogue_generator: cannot reach " << kDistinctTitles
                      << " descriptions\n";
            std::exit(1);
        }
        std::vector<std::size_t> moved(
            members.begin() + static_cast<std::ptrdiff_t>(members.size() / 2), members.end());
        members.resize(members.size() / 2);
        for (std::size_t i : moved) {
            rows[i].tt = fresh;
        }
        byTitle[fresh] = moved;
    }
    std::size_t longest = 0;
    for (const auto& [title, members] : byTitle) {
        longest = std::max(longest, characters(title));
    }
    if (longest != kLongestTitle) {
        std::cerr << "catalogue_generator: longest description has " << longest
                  << " characters, expected " << kLongestTitle << "\n";
        std::exit(1);
    }
}

}  // namespace catgen
