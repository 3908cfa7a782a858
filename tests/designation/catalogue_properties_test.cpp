// Properties over the whole shipped catalogue: a row's maker's designation (ckxh) and its
// common designation (newno) name one bearing, so they must read alike; its old Chinese
// designation (oldno) must convert to its common designation. The shares and the classes
// of rows that do not fit are printed for the notes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "designation/canonical_designation.h"
#include "designation/old_codes.h"
#include "designation/read_designation.h"
#include "tests/designation/shipped_catalogue.h"

namespace lz::designation {
namespace {

// "NU 1005 E/C3" -> "NU 9 E/C9": the shape of a designation, to class misfits by.
std::string shapeOf(std::string_view text) {
    std::string shape;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (shape.empty() || shape.back() != '9') {
                shape += '9';
            }
        } else {
            shape += c;
        }
    }
    return shape;
}

class Misfits {
public:
    void add(const std::string& kind, const std::string& example) {
        auto& [count, first] = classes_[kind];
        if (count++ == 0) {
            first = example;
        }
    }
    void print(const char* title, std::size_t most) const {
        std::vector<std::pair<int, std::string>> byCount;
        for (const auto& [kind, entry] : classes_) {
            byCount.emplace_back(entry.first, kind);
        }
        std::sort(byCount.rbegin(), byCount.rend());
        std::printf("%s (%zu classes)\n", title, byCount.size());
        for (std::size_t i = 0; i < byCount.size() && i < most; ++i) {
            std::printf("  %5d  %s   e.g. %s\n", byCount[i].first, byCount[i].second.c_str(),
                        classes_.at(byCount[i].second).second.c_str());
        }
    }

private:
    std::map<std::string, std::pair<int, std::string>> classes_;
};

TEST(CatalogueProperties, MakersDesignationsReadAsTheirCommonDesignations) {
    const test::ShippedCatalogue& shipped = test::shippedCatalogue();
    ASSERT_TRUE(shipped.index.has_value());
    const CatalogueKnowledge& knowledge = shipped.index->knowledge();
    int newnoReads = 0;
    int basicAndSealingAgree = 0;
    int canonicalAgrees = 0;
    Misfits misfits;
    Misfits canonicalMisfits;
    for (const DesignationRow& row : shipped.rows) {
        const std::optional<Reading> common = readAsWritten(row.newno, nullptr);
        if (!common) {
            continue;
        }
        ++newnoReads;
        const DesignationReadings maker = readDesignation(row.ckxh, knowledge);
        const std::string example = row.ckxh + " -> " + row.newno;
        if (!maker.recognized()) {
            misfits.add(shapeOf(row.ckxh) + " reads as none", example);
            continue;
        }
        const Reading& first = maker.readings.front();
        if (basicAndSealingKey(first) == basicAndSealingKey(*common)) {
            ++basicAndSealingAgree;
        } else {
            misfits.add(shapeOf(row.ckxh) + " | " + shapeOf(row.newno),
                        example + "  [" + canonicalDesignation(first) + "]");
        }
        if (canonicalDesignation(first) == canonicalDesignation(*common)) {
            ++canonicalAgrees;
        } else {
            canonicalMisfits.add(shapeOf(row.ckxh) + " | " + shapeOf(row.newno),
                                 example + "  [" + canonicalDesignation(first) + "]");
        }
    }
    const double share = static_cast<double>(basicAndSealingAgree) / newnoReads;
    const double canonicalShare = static_cast<double>(canonicalAgrees) / newnoReads;
    std::printf(
        "rows %zu, newno reads %d; ckxh agrees on basic designation and sealing %d "
        "(%.2f %%), on the whole canonical designation %d (%.2f %%)\n",
        shipped.rows.size(), newnoReads, basicAndSealingAgree, share * 100, canonicalAgrees,
        canonicalShare * 100);
    misfits.print("misfits in basic designation or sealing", 25);
    canonicalMisfits.print("misfits in the whole canonical designation", 25);
    RecordProperty("basic_and_sealing_share", std::to_string(share));
    RecordProperty("canonical_share", std::to_string(canonicalShare));
    EXPECT_GE(share, 0.99);
    EXPECT_GT(newnoReads, 55000) << "most common designations read";
}

TEST(CatalogueProperties, OldCodesConvertToTheirCommonDesignations) {
    const test::ShippedCatalogue& shipped = test::shippedCatalogue();
    ASSERT_TRUE(shipped.index.has_value());
    int codes = 0;
    int byRule = 0;
    int byCatalogue = 0;
    Misfits misfits;
    for (const DesignationRow& row : shipped.rows) {
        if (row.oldno.empty() || !std::all_of(row.oldno.begin(), row.oldno.end(), isdigit)) {
            continue;
        }
        const std::optional<Reading> common = readAsWritten(row.newno, nullptr);
        if (!common) {
            continue;
        }
        ++codes;
        const std::string wanted = canonicalDesignation(*common);
        auto converts = [&](const DesignationReadings& read) {
            return std::any_of(read.readings.begin(), read.readings.end(),
                               [&](const Reading& r) { return canonicalDesignation(r) == wanted; });
        };
        const DesignationReadings rules = readDesignation(row.oldno);
        if (converts(rules)) {
            ++byRule;
        } else {
            const std::string rule = newDesignationOfOldCode(row.oldno).value_or("no rule");
            misfits.add(
                shapeOf(row.newno) + " from " + std::to_string(row.oldno.size()) + " digits",
                row.oldno + " -> " + row.newno + "  [rule: " + rule + "]");
        }
        if (converts(shipped.index->read(row.oldno))) {
            ++byCatalogue;
        }
    }
    const double share = static_cast<double>(byRule) / codes;
    std::printf(
        "old codes of digits %d; converted by the rules alone %d (%.2f %%), with the "
        "catalogue's own pairs %d\n",
        codes, byRule, share * 100, byCatalogue);
    misfits.print("old codes the rules do not convert", 20);
    RecordProperty("old_code_rule_share", std::to_string(share));
    EXPECT_GE(share, 0.97);
    EXPECT_EQ(byCatalogue, codes) << "the catalogue's own pairs are the first authority";
}

}  // namespace
}  // namespace lz::designation
