#include "cli/usage_text.h"

namespace lz::query_cli {
namespace {

constexpr std::string_view kProgramUsage =
    R"(Usage: lingzhou-query [--format table|csv|json] [--print-sql] COMMAND [ARGUMENTS]

Looks up the bearing catalogue and the price lists carried inside 翎轴, with the searches
of its window, and prints the rows found. Nothing is written to disk.

Commands:
  bearing TEXT    bearings whose new or old designation, inner or outer diameter or width
                  holds TEXT
  combined        bearings by inner and outer diameter, width, brand and type
  imported        prices of imported bearings by model and brand
  domestic        prices of domestic bearings by model and maker
  lookup TEXT     bearings by a designation in any brand's writing, and those sharing its
                  new designation
  stock check FILE
                  reads a stock list and matches its lines against the catalogue, without
                  importing it ("stock check --help" tells more; run by lingzhou-shop)
  stock list      the shop's stock list, as the window's 本店库存 shows it

Options (before or after the command):
  --format FORMAT  table (the default: aligned columns for a terminal), csv (as the
                   window's export: UTF-8 with a byte-order mark, headings first) or json
                   (an array of objects named by the list's headings)
  --print-sql      print the statement the search would run, and run nothing
  -h, --help       display this help; COMMAND --help displays the command's
  -v, --version    display the version

Texts are used exactly as typed, without trimming; "%" and "_" in a searched part act as
wildcards (any run of characters, any one character). "--" ends the options, so that a
text beginning with "-" can follow.

Exit status: 0 rows were found; 1 no row matches (the message goes to standard error);
2 bad usage, or nothing to search for; 3 the catalogue cannot be opened, or fails while
the rows are read (those read before are printed); 4 the output cannot be written.
)";

constexpr std::string_view kBearingUsage =
    R"(Usage: lingzhou-query bearing TEXT [--by new|old|inner|outer|width] [--exact]

The window's single-field search: the bearings whose chosen field contains TEXT.

Options:
  --by FIELD    new (the default): new designation; old: old designation; inner: inner
                diameter; outer: outer diameter; width: width (thickness). --new, --old,
                --inner, --outer and --width say the same.
  --exact       the inner diameter, outer diameter or width must equal TEXT (designations
                are searched as parts in either case)
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help)

An empty TEXT is refused with the window's message "查询内容不能为空！" (exit status 2).
)";

constexpr std::string_view kCombinedUsage =
    R"(Usage: lingzhou-query combined [--inner N] [--outer N] [--width N] [--brand B] [--type Y]

The window's combined search: the bearings that meet every value given. Dimensions are
compared as the catalogue writes them ("30" finds 30, not "30.0"); a brand or type not
given is "全部" (all), as are "全部" and the prompts "请选择品牌" and "请选择类型".

Options:
  --inner N     inner diameter in millimetres
  --outer N     outer diameter in millimetres
  --width N     width (thickness) in millimetres
  --brand B     brand, such as SKF
  --type Y      bearing type, such as 深沟球轴承
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help)

With no dimension and both brand and type "全部", the search is refused with the window's
message "查询内容不能为空！" (exit status 2).
)";

constexpr std::string_view kImportedUsage =
    R"(Usage: lingzhou-query imported [--model M] [--brand B]

The window's imported-price query: the prices of imported bearings whose model contains M,
of brand B, or both. A brand not given is "全部" (all).

Options:
  --model M     model, or a part of one
  --brand B     brand, such as NSK
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help)

With no model and the brand "全部", the query is refused with the window's message
"查询内容不能为空" (exit status 2).
)";

constexpr std::string_view kDomesticUsage =
    R"(Usage: lingzhou-query domestic [--model M] [--old] [--maker M]

The window's domestic-price query: the prices of domestic bearings whose new model (or,
with --old, old model) contains M, of maker M, or both. A maker not given is "全部" (all).

Options:
  --model M     model, or a part of one
  --old         match the model against the old designation instead of the new one
  --maker M     maker, such as 瓦房店
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help)

With no model and the maker "全部", the query is refused with the window's message
"查询内容不能为空" (exit status 2).
)";

constexpr std::string_view kLookupUsage =
    R"(Usage: lingzhou-query lookup TEXT

The window's lookup by any designation: TEXT is a designation as stamped on a bearing, in
any brand's writing ("6205LLU", "6205 llu", "６２０５ＬＬＵ"). It is compared with the new and
old designations and the brands' own models of every bearing, regardless of letter case,
full-width characters, spaces, "-", "/", "." and "·"; the bearings found are listed with
every bearing that shares their new designation.

Options:
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help)

An empty TEXT is refused with the message "查询内容不能为空！" (exit status 2).
)";

}  // namespace

std::string_view usageText(std::optional<Subcommand> subcommand) {
    if (!subcommand) {
        return kProgramUsage;
    }
    switch (*subcommand) {
        case Subcommand::Bearing:
            return kBearingUsage;
        case Subcommand::Combined:
            return kCombinedUsage;
        case Subcommand::Imported:
            return kImportedUsage;
        case Subcommand::Domestic:
            return kDomesticUsage;
        case Subcommand::Lookup:
            return kLookupUsage;
    }
    return kProgramUsage;
}

}  // namespace lz::query_cli
