// Reading the command line: what is a search, what is a request for help, and what is a
// mistake that must be reported instead of being searched for.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/argument_parser.h"
#include "cli/stock_handover.h"

namespace lz::query_cli {
namespace {

ParsedArguments parse(std::vector<std::string_view> arguments) {
    return parseArguments(arguments);
}

Invocation searchOf(std::vector<std::string_view> arguments) {
    const ParsedArguments parsed = parse(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        ADD_FAILURE() << "usage error: " << error->message;
    }
    const auto* invocation = std::get_if<Invocation>(&parsed);
    return invocation ? *invocation : Invocation{};
}

std::string errorOf(std::vector<std::string_view> arguments) {
    const ParsedArguments parsed = parse(arguments);
    const auto* error = std::get_if<UsageError>(&parsed);
    return error ? error->message : "<no error>";
}

TEST(Arguments, ValuesNotGivenAreThoseTheWindowStartsWith) {
    const Invocation combined = searchOf({"combined", "--inner", "25"});
    EXPECT_EQ(combined.subcommand, Subcommand::Combined);
    EXPECT_EQ(combined.brand, "全部");
    EXPECT_EQ(combined.type, "全部");
    EXPECT_EQ(combined.outerDiameter, "");
    EXPECT_EQ(searchOf({"domestic", "--model", "6204"}).maker, "全部");
    EXPECT_EQ(searchOf({"domestic", "--model", "6204"}).modelColumn,
              query::sql::DomesticModelColumn::New);
    EXPECT_EQ(searchOf({"imported", "--model", "6000"}).brand, "全部");
    const Invocation bearing = searchOf({"bearing", "6205"});
    EXPECT_EQ(bearing.field, query::sql::SingleField::NewDesignation);
    EXPECT_FALSE(bearing.exact);
    EXPECT_EQ(bearing.format, OutputFormat::Table);
    EXPECT_FALSE(bearing.printSql);
}

TEST(Arguments, OptionsTakeValuesEitherWayAndStandBeforeOrAfterTheCommand) {
    const Invocation a =
        searchOf({"--format", "json", "combined", "--brand=NSK", "--type", "深沟球轴承"});
    EXPECT_EQ(a.format, OutputFormat::Json);
    EXPECT_EQ(a.brand, "NSK");
    EXPECT_EQ(a.type, "深沟球轴承");
    const Invocation b = searchOf({"bearing", "6205", "--format=csv", "--print-sql"});
    EXPECT_EQ(b.format, OutputFormat::Csv);
    EXPECT_TRUE(b.printSql);
    // A value is taken as it stands, even when it looks like an option, holds "=" or is empty.
    EXPECT_EQ(searchOf({"imported", "--model", "-2RS"}).model, "-2RS");
    EXPECT_EQ(searchOf({"imported", "--model=a=b"}).model, "a=b");
    EXPECT_EQ(searchOf({"combined", "--brand", ""}).brand, "");
    // The last of a repeated option counts.
    EXPECT_EQ(searchOf({"bearing", "25", "--by", "inner", "--by", "outer"}).field,
              query::sql::SingleField::OuterDiameter);
}

TEST(Arguments, DoubleDashLetsATextBeginWithADash) {
    EXPECT_EQ(searchOf({"bearing", "--", "-2RS"}).text, "-2RS");
    EXPECT_EQ(searchOf({"lookup", "--", "--x"}).text, "--x");
    EXPECT_EQ(searchOf({"bearing", "-"}).text, "-");
    EXPECT_EQ(errorOf({"bearing", "-2RS"}), "unknown option '-2RS'");
}

TEST(Arguments, MistakesAreReportedWithTheCommandWhoseUsageFits) {
    EXPECT_EQ(errorOf({}), "no command given");
    EXPECT_EQ(errorOf({"--format", "csv"}), "no command given");
    EXPECT_EQ(errorOf({"find", "6205"}), "unknown command 'find'");
    EXPECT_EQ(errorOf({"bearing"}), "the text to search for is missing");
    EXPECT_EQ(errorOf({"lookup"}), "the text to search for is missing");
    EXPECT_EQ(errorOf({"bearing", "6205", "6206"}), "unexpected argument '6206'");
    EXPECT_EQ(errorOf({"combined", "25"}), "unexpected argument '25'");
    EXPECT_EQ(errorOf({"bearing", "6205", "--by", "size"}),
              "unknown field 'size': use new, old, inner, outer or width");
    EXPECT_EQ(errorOf({"bearing", "6205", "--format", "xml"}),
              "unknown format 'xml': use table, csv or json");
    EXPECT_EQ(errorOf({"combined", "--inner"}), "option '--inner' needs a value");
    EXPECT_EQ(errorOf({"bearing", "6205", "--exact=yes"}), "option '--exact' takes no value");
    // Each command takes its own options only.
    EXPECT_EQ(errorOf({"imported", "--old"}), "unknown option '--old'");
    EXPECT_EQ(errorOf({"domestic", "--brand", "SKF"}), "unknown option '--brand'");
    EXPECT_EQ(errorOf({"lookup", "6205", "--exact"}), "unknown option '--exact'");
    EXPECT_EQ(errorOf({"--brand", "SKF", "combined"}), "unknown option '--brand'");

    const ParsedArguments parsed = parse({"domestic", "--maker"});
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed).subcommand, Subcommand::Domestic);
    const ParsedArguments general = parse({"--bogus"});
    ASSERT_TRUE(std::holds_alternative<UsageError>(general));
    EXPECT_EQ(std::get<UsageError>(general).subcommand, std::nullopt);
}

TEST(Arguments, HelpIsAskedOfTheProgramOrOfOneCommand) {
    for (const auto& arguments : {std::vector<std::string_view>{"--help"}, {"-h"}}) {
        const ParsedArguments parsed = parse(arguments);
        ASSERT_TRUE(std::holds_alternative<HelpRequest>(parsed));
        EXPECT_EQ(std::get<HelpRequest>(parsed).subcommand, std::nullopt);
    }
    // A command's help needs none of its arguments.
    for (const auto& [name, subcommand] :
         {std::pair{"bearing", Subcommand::Bearing}, std::pair{"combined", Subcommand::Combined},
          std::pair{"imported", Subcommand::Imported}, std::pair{"domestic", Subcommand::Domestic},
          std::pair{"lookup", Subcommand::Lookup}, std::pair{"decode", Subcommand::Decode}}) {
        const ParsedArguments parsed = parse({name, "--help"});
        ASSERT_TRUE(std::holds_alternative<HelpRequest>(parsed)) << name;
        EXPECT_EQ(std::get<HelpRequest>(parsed).subcommand, subcommand) << name;
    }
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(parse({"--version"})));
    EXPECT_TRUE(std::holds_alternative<VersionRequest>(parse({"-v"})));
}

}  // namespace
}  // namespace lz::query_cli

namespace lz::query_cli {
namespace {

// "stock" and "quote" go to the shop program wherever the options put them; a search for
// the text "stock" or "quote" stays here.
TEST(StockHandover, TheFirstWordThatIsNoOptionDecides) {
    const struct {
        std::vector<std::string_view> arguments;
        bool stock;
    } cases[] = {
        {{"stock", "list"}, true},
        {{"stock"}, true},
        {{"--format", "csv", "stock", "check", "a.xlsx"}, true},
        {{"--format=json", "stock", "list"}, true},
        {{"--print-sql", "-h", "stock"}, true},
        {{"--", "stock", "list"}, true},
        {{"lookup", "stock"}, false},
        {{"bearing", "--", "stock"}, false},
        {{"--format", "stock", "list"}, false},  // "stock" is the format's value here
        {{"stocks"}, false},
        {{}, false},
        {{"--help"}, false},
        {{"quote", "list"}, true},
        {{"--format", "json", "quote", "list"}, true},
        {{"--", "quote", "pdf", "20261208-001", "q.pdf"}, true},
        {{"bearing", "quote"}, false},
        {{"--format", "quote", "list"}, false},
        {{"quotes"}, false},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (std::string_view a : c.arguments) {
            joined += std::string(a) + " ";
        }
        EXPECT_EQ(asksForShopCommand(c.arguments), c.stock) << joined;
    }
}

}  // namespace
}  // namespace lz::query_cli
