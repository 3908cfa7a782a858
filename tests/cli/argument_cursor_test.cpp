// The walk both programs' command-line readers share: the edges the readers' own tests do not
// reach, such as an empty attached value or "--" taken as an option's value.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_cursor.h"

namespace lz::query_cli {
namespace {

// What the walk hands on, written out: "<text>" for a positional argument, "[name]" for a
// switch, "[--v=value]" for the one option that takes a value, then the first problem.
std::string walked(std::vector<std::string_view> arguments) {
    ArgumentCursor cursor(arguments);
    std::string log;
    cursor.walk([&](std::string_view text) { log += "<" + std::string(text) + ">"; },
                [&](std::string_view name, std::optional<std::string_view> attached) {
                    if (name == "--v") {
                        if (const auto value = cursor.value(name, attached)) {
                            log += "[--v=" + *value + "]";
                        }
                    } else if (cursor.flag(name, attached)) {
                        log += "[" + std::string(name) + "]";
                    }
                });
    if (cursor.error()) {
        log += " " + *cursor.error();
    }
    return log;
}

TEST(ArgumentCursor, HandsOnPositionalsOptionsAndValuesAsWritten) {
    const struct {
        std::vector<std::string_view> arguments;
        std::string expected;
    } cases[] = {
        {{"a", "-", "", "-x", "--long"}, "<a><-><>[-x][--long]"},
        // An attached value may be empty or hold "="; only long options carry one.
        {{"--v=", "--v=c=d", "-x=1"}, "[--v=][--v=c=d][-x=1]"},
        // The next argument is the value whatever it looks like, "--" too: it ends nothing.
        {{"--v", "--", "-x"}, "[--v=--][-x]"},
        {{"--v", "-x", "b"}, "[--v=-x]<b>"},
        // After "--" everything is positional, a second "--" as well.
        {{"--", "-x", "--", "--v", "-"}, "<-x><--><--v><->"},
        // A value missing at the end, or attached to a switch, ends the walk.
        {{"a", "--v"}, "<a> option '--v' needs a value"},
        {{"--x=1", "b", "--v"}, " option '--x' takes no value"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (std::string_view a : c.arguments) {
            joined += std::string(a) + " ";
        }
        EXPECT_EQ(walked(c.arguments), c.expected) << joined;
    }
}

TEST(ArgumentCursor, KeepsTheFirstProblem) {
    const std::vector<std::string_view> none;
    ArgumentCursor cursor(none);
    EXPECT_FALSE(cursor.error());
    cursor.fail("unknown command 'x'");
    EXPECT_FALSE(cursor.flag("--y", "1"));
    EXPECT_EQ(cursor.error(), "unknown command 'x'");
}

}  // namespace
}  // namespace lz::query_cli
