#include "cli/usage_text.h"

namespace lz::query_cli {
namespace {

constexpr std::string_view kProgramUsage =
    R"(Usage: lingzhou-query [--format table|csv|json] [--print-sql] COMMAND [ARGUMENTS]

Looks up the bearing catalogue and the price lists carried inside 翎轴, with the searches
of its window, and prints the rows found. Only "quote make" writes to disk.

Commands:
  bearing TEXT    bearings whose new or old designation, inner or outer diameter or width
                  holds TEXT
  combined        bearings by inner and outer diameter, width, brand and type
  imported        prices of imported bearings by model and brand
  domestic        prices of domestic bearings by model and maker
  lookup TEXT     bearings by a designation in any brand's writing, in groups: the same
                  bearing, then those differing only in codes, then the same size with
                  other seals; each row says how it differs (差异); with --stock, the
                  shop's quantity and price beside it
  decode TEXT     the readings of a designation, its parts and what each means
  measure INNER OUTER [WIDTH]
                  bearings by sizes measured on a bearing (a caliper reading, in mm or
                  inches), nearest first, with their deviations
  stock check FILE
                  reads a stock list and matches its lines against the catalogue, without
                  importing it ("stock check --help" tells more; run by lingzhou-shop)
  stock list      the shop's stock list, as the window's 本店库存 shows it
  quote list      the quotes kept in the shop file, newest first
  quote pdf NUMBER FILE
                  writes the kept quote NUMBER as a PDF file (no display needed)
  quote make ENQUIRY [--customer NAME] [--pdf FILE]
                  makes a quote from a customer's enquiry list, keeps it in the shop file
                  and prints its number; the one command that writes (run by lingzhou-shop,
                  as are the stock commands)

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

Exit status: 0 rows were found (decode: the text reads as a designation); 1 no row
matches, or decode cannot read the text (the message goes to standard error; measure
prints the nearest rows all the same); 2 bad usage, or nothing to search for; 3 the
catalogue cannot be opened, or fails while the rows are read (those read before are
printed); 4 the output cannot be written.
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
    R"(Usage: lingzhou-query lookup [--stock] TEXT

The window's 型号助手: TEXT is a designation as stamped on a bearing or written on an
order, in any brand's writing ("6205LLU", "6205 llu", "６２０５ＬＬＵ", "NU 205 ECP",
"180205"), with or without separators and with clearance, cage or grease codes. The
bearings are listed in three groups, in this order:
  1. the same bearing: the same standard designation, in any maker's writing (the rows
     stamped exactly so first), and every bearing whose new, old or maker's designation
     is TEXT regardless of letter case, full-width characters and separators;
  2. the same basic designation and sealing, differing only in clearance, tolerance,
     cage, internal design or other codes, fewest differences first;
  3. the same size with other seals or snap ring.
The last column, 差异, says how each row differs from TEXT ("游隙 C3 → 普通",
"同尺寸，密封不同；密封 -2RS → -2Z"); it is empty for the same bearing. Where TEXT reads
in several ways ("6052Z": 605-2Z or 6052-Z), the rows of a reading other than the first
say which ("读作 6052-Z").

Options:
  --stock       two more columns after 差异, as the window's 型号助手 shows them: 本店库存,
                the quantity the shop's stock list holds of the row, and 本店价, its price
                ("32.50", or "32.50–35.00" from several lines). The shop file is only read;
                without one, or without a line for the row, both are empty.
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help)

An empty TEXT is refused with the message "查询内容不能为空！" (exit status 2).
)";

constexpr std::string_view kMeasureUsage =
    R"(Usage: lingzhou-query measure [--unit mm|inch] [--tolerance MM] [--width-tolerance MM]
                              [--type TYPE] INNER OUTER [WIDTH]

Bearings by measured size: INNER is the bore d, OUTER the outer diameter D and WIDTH the
width B (optional), as read off a worn bearing with a caliper. Every bearing whose sizes
lie within tolerance is listed, nearest first: by the largest deviation relative to its
tolerance, then the commoner nominal size, then the sum of the relative deviations, then
by size. Rows of one nominal size (d × D × B) stand together. The columns are those of
the bearing list and "偏差", the deviation: measured minus nominal, in the unit each size
was given in ("d -0.020, D +0.020, B 0.000 mm"); an inch nominal (each size a whole number
of 1/64 in, within 0.01 mm) is marked "英制".

Sizes: decimals ("24.98", "1.375"), fractions ("3/4") and whole numbers with a fraction
("1-3/8", or "1 3/8" quoted as one argument), each optionally followed by its unit ("mm",
"in", "inch" or '"'); a unit written after a size wins over --unit. Letters, zero,
negative sizes, "nan", "inf", exponents ("1e300") and an OUTER not larger than INNER are
refused, each with its message (exit status 2).

Options:
  --unit UNIT             mm (the default) or inch: the unit of sizes written without one
  --tolerance MM          the tolerance on INNER and OUTER, in millimetres unless a unit
                          is written ("0.004in"); default 0.10, from 0.001 to 10
  --width-tolerance MM    the tolerance on WIDTH; default twice --tolerance (0.20)
  --type TYPE             only bearings of this type, such as 深沟球轴承; 全部 (the default)
                          for every type
  --format FORMAT, --print-sql, -h: as for the program (lingzhou-query --help); with
  --print-sql, the statement that reads the rows found

Rows whose catalogue sizes are no positive numbers cannot be found by size; their number
is told on standard error. When no bearing lies within tolerance, "容差内无匹配，以下为最
接近的型号" goes to standard error, the nearest 20 rows are printed all the same, and the
exit status is 1.
)";

constexpr std::string_view kDecodeUsage =
    R"(Usage: lingzhou-query decode TEXT

The window's 型号解读: every reading of the designation TEXT, the most likely first, with
its standard writing and bearing type, its parts each with its meaning ("05" — "内径代号：
05×5 = 25 mm"), the old Chinese designation (from the catalogue, or worked out by the
rules) and the bore its code implies.

Options:
  --format FORMAT  table (the default), csv (one row per part) or json (one object per
                   reading, its parts an array)
  -h, --help       display this help

Exit status: 0 the text reads as a designation; 1 it does not ("无法识别的型号" on
standard error); 2 an empty TEXT ("查询内容不能为空！") or bad usage; 3 the catalogue
cannot be read.
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
        case Subcommand::Measure:
            return kMeasureUsage;
        case Subcommand::Decode:
            return kDecodeUsage;
    }
    return kProgramUsage;
}

}  // namespace lz::query_cli
