// Designation keys: the writings of one designation meet, different features never do.
#include "designation/designation_key.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lz::designation {
namespace {

// Each group: writings of one designation that must share a key.
const std::vector<std::vector<std::string>> kSameDesignation = {
    {"6205LLU", "6205llu", "6205 LLU", "６２０５ＬＬＵ", "６２０５　ｌｌｕ", "6205-LLU", "6205·LLU",
     "6205.LLU", "6205/LLU", " 6205LLU ", "6205\tLLU"},
    {"6205-2RS", "6205 2RS", "6205/2RS", "6205 - 2RS", "６２０５－２ＲＳ", "6205.2rs", "6205·2RS"},
    {"6205-2RS/C3", "6205-2RSC3", "6205-2RS C3", "6205 2RS/c3"},
    {"N 205", "N205", "n205", "N-205", "Ｎ２０５"},
    {"NUP 1004 E/C3", "NUP1004E/C3", "nup1004ec3"},
    {"62/22", "62 22", "62-22", "６２／２２"},
    {"7205 AC", "7205AC", "7205-AC"},
};

// Pairs that name different bearings and must stay apart.
const std::vector<std::pair<std::string, std::string>> kDifferentDesignations = {
    {"6205-2RS", "6205-2RZ"},     // contact seals against low-friction seals
    {"6205-Z", "6205-2Z"},        // one shield against two
    {"6205Z", "6205ZZ"},          //
    {"6205", "62052"},            // another bore
    {"6205-2RS/C3", "6205-2RS"},  // clearance C3 against normal clearance
    {"6205C3", "6205"},           //
    {"605-2Z", "6052-Z"},         // 5 mm bore with two shields against 260 mm with one
    {"62/22", "6222"},            // bore 22 mm against bore 110 mm
    {"6205-2RS", "62052RS"},      // the same digits, but where the features meet is unknown
    {"618/2.5", "618/25"},        //
    {"6205", "6205 轴承"},        // other characters stand as they are
};

TEST(DesignationKey, WritingsOfOneDesignationMeet) {
    for (const auto& group : kSameDesignation) {
        const std::string key = designationKey(group.front());
        for (const std::string& writing : group) {
            EXPECT_EQ(designationKey(writing), key) << writing << " against " << group.front();
        }
    }
}

TEST(DesignationKey, DifferentFeaturesStayApart) {
    for (const auto& [one, other] : kDifferentDesignations) {
        EXPECT_NE(designationKey(one), designationKey(other)) << one << " against " << other;
    }
}

TEST(DesignationKey, KeepsLettersDigitsAndOtherCharactersOnly) {
    EXPECT_EQ(designationKey("６２０５ＬＬＵ"), "6205LLU");
    EXPECT_EQ(designationKey("nu 2205 e/c3"), "NU2205EC3");
    EXPECT_EQ(designationKey("深沟球 6205"), "深沟球6205");
    EXPECT_EQ(designationKey("K3x5x7"), "K3X5X7");
    // The separator between two digits stays, as one mark, wherever it stood.
    EXPECT_EQ(designationKey("6205 -/ 2RS"), designationKey("6205-2RS"));
    EXPECT_NE(designationKey("6205-2RS").find('-'), std::string::npos);
}

TEST(DesignationKey, NothingToCompareGivesTheEmptyKey) {
    for (const char* text : {"", " ", "-", "/ . ·", "　－／"}) {
        EXPECT_EQ(designationKey(text), "") << text;
    }
}

TEST(DesignationKey, BrokenUtf8StandsByteForByte) {
    EXPECT_EQ(designationKey("62\xFF"
                             "05a"),
              "62\xFF"
              "05A");
    EXPECT_EQ(designationKey("6205\xEF\xBC"), "6205\xEF\xBC");  // cut inside a full-width letter
}

}  // namespace
}  // namespace lz::designation
