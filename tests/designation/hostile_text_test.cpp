// Any text gets readings or the clear "无法识别的型号": nothing a user pastes may crash the
// reader or make it work without bounds (the time it takes is the benchmark's).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "designation/canonical_designation.h"
#include "designation/read_designation.h"
#include "designation/reading_explanation.h"

namespace lz::designation {
namespace {

// Readings are few, each with a canonical designation and an explanation of no more parts
// than the text has characters.
void expectBounded(const std::string& text) {
    const DesignationReadings read = readDesignation(text);
    if (!read.recognized()) {
        EXPECT_EQ(read.message, "无法识别的型号");
        return;
    }
    EXPECT_TRUE(read.message.empty());
    EXPECT_LE(read.readings.size(), 4u);
    for (const Reading& reading : read.readings) {
        EXPECT_FALSE(canonicalDesignation(reading).empty());
        EXPECT_LE(explainReading(reading, nullptr).parts.size(), text.size() + 2);
    }
}

TEST(HostileTexts, NothingToReadGivesTheMessage) {
    for (const std::string& text :
         {std::string(), std::string(" "), std::string("-/ ."), std::string("\t\n"),
          std::string("·・"), std::string(10 * 1024 * 1024, '6'), std::string("\xff\xfe"),
          std::string("\xc3\x28"), std::string("6205\xe2\x82"), std::string("\xed\xa0\x80"),
          std::string("\xc0\xaf"), std::string("6205\0DDU", 8), std::string("轴承"),
          std::string("深沟球轴承"), std::string("XYZ"),
          std::string("'; drop table bearing; --")}) {
        const DesignationReadings read = readDesignation(text);
        EXPECT_FALSE(read.recognized()) << text.substr(0, 40);
        EXPECT_EQ(read.message, "无法识别的型号");
    }
}

TEST(HostileTexts, LongRunsAndRepeatsStayBounded) {
    for (const std::string& text :
         {std::string(48, 'Z'), "6205" + std::string(44, 'Z'), "6205" + std::string(44, '2'),
          std::string(47, '2') + "RS", "NU205" + std::string(43, 'E'),
          "6205-" + std::string(250, '-'), std::string(256, '6'), std::string(4097, '6'),
          "6205 " + std::string(800, ' ') + "DDU", "６２０５ＬＬＵ" + std::string(30, 'C')}) {
        expectBounded(text);
    }
    EXPECT_TRUE(readDesignation("６２０５ＬＬＵ").recognized());
    EXPECT_FALSE(readDesignation(std::string(10 * 1024 * 1024, '6')).recognized());
}

TEST(HostileTexts, RandomTextsOfDesignationCharacters) {
    std::mt19937 random(20240607);
    const std::string alphabet = "0123456789ABCDEFGHKLMNPRSTUVWXZ-/ .+xk";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int c = 0; c < length; ++c) {
            text += alphabet[random() % alphabet.size()];
        }
        expectBounded(text);
    }
}

TEST(HostileTexts, RandomBytes) {
    std::mt19937 random(7);
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 64);
        for (int c = 0; c < length; ++c) {
            text += static_cast<char>(random() % 256);
        }
        expectBounded(text);
    }
}

}  // namespace
}  // namespace lz::designation
