// What reading a designation keeps of the typed text: ASCII letters and digits, one
// separator between them, and nothing of a maker's name or the word 轴承.
#include "designation/written_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lz::designation {
namespace {

std::string reduced(const std::string& input) {
    WrittenText text;
    if (reduceWrittenText(input, text) != WrittenTextOutcome::Readable) {
        return "<none>";
    }
    return std::string(text.view());
}

WrittenTextOutcome outcomeOf(const std::string& input) {
    WrittenText text;
    return reduceWrittenText(input, text);
}

TEST(WrittenText, KeepsLettersDigitsAndTheStrongestSeparator) {
    for (const auto& [input, expected] :
         std::vector<std::pair<std::string, std::string>>{{"  ６２０５　ｌｌｕ  ", "6205 LLU"},
                                                          {"6205--/ 2RS", "6205/2RS"},
                                                          {"6205 - 2RS", "6205-2RS"},
                                                          {"6205·2RS", "6205 2RS"},
                                                          {"nu 205 ecp", "NU 205 ECP"},
                                                          {"K50x55x13.5", "K50X55X13.5"},
                                                          {"6205.", "6205"},
                                                          {".6205", "6205"},
                                                          {"1205 K+H", "1205 K+H"},
                                                          {"6205,DDU;C3", "6205 DDU C3"},
                                                          {"(6205DDU)", "6205DDU"}}) {
        EXPECT_EQ(reduced(input), expected) << input;
    }
}

TEST(WrittenText, DropsMakerNamesAndTheWordBearing) {
    EXPECT_EQ(reduced("SKF 6205-2RS1"), "6205-2RS1");
    EXPECT_EQ(reduced("6205DDU NSK"), "6205DDU");
    EXPECT_EQ(reduced("NSK 6205DDU 轴承"), "6205DDU");
    EXPECT_EQ(reduced("6205轴承"), "6205");
    // Only a name standing apart: NA and NU are types, not makers.
    EXPECT_EQ(reduced("NA 4905"), "NA 4905");
    EXPECT_EQ(reduced("SKF"), "SKF");
}

TEST(WrittenText, RefusesWhatIsNoDesignation) {
    EXPECT_EQ(outcomeOf(""), WrittenTextOutcome::Empty);
    EXPECT_EQ(outcomeOf(" -/. "), WrittenTextOutcome::Empty);
    EXPECT_EQ(outcomeOf("轴承"), WrittenTextOutcome::Empty);
    EXPECT_EQ(outcomeOf(std::string(256, '6')), WrittenTextOutcome::TooLong);
    EXPECT_EQ(outcomeOf(std::string(300, ' ') + "6205"), WrittenTextOutcome::Readable);
    EXPECT_EQ(outcomeOf(std::string(4097, ' ') + "6205"), WrittenTextOutcome::TooLong);
    EXPECT_EQ(outcomeOf(std::string(48, '6')), WrittenTextOutcome::Readable);
    EXPECT_EQ(outcomeOf(std::string(49, '6')), WrittenTextOutcome::TooLong);
    EXPECT_EQ(outcomeOf("6205\xff"), WrittenTextOutcome::NotText);
    EXPECT_EQ(outcomeOf("\xc0\xaf"), WrittenTextOutcome::NotText) << "overlong";
    EXPECT_EQ(outcomeOf("\xed\xa0\x80"), WrittenTextOutcome::NotText) << "surrogate";
    EXPECT_EQ(outcomeOf("深沟球"), WrittenTextOutcome::NotText);
    EXPECT_EQ(outcomeOf(std::string("62\0"
                                    "05",
                                    5)),
              WrittenTextOutcome::NotText);
}

}  // namespace
}  // namespace lz::designation
