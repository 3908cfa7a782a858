#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "query/sizes/length.h"
#include "query/sql/bearing_search_sql.h"
#include "query/sql/price_query_sql.h"

namespace lz::query_cli {

// The searches of the command line, each the twin of one search of the window; decode, the
// window's 型号解读; and measure, which lists bearings by a measured size, nearest first.
enum class Subcommand { Bearing, Combined, Imported, Domestic, Lookup, Decode, Measure };

enum class OutputFormat { Table, Csv, Json };

// One run of a search as the command line asked for it. Values not given on the command
// line hold what the window's controls hold at start: empty boxes, combos on "全部", the
// new designation chosen.
struct Invocation {
    Subcommand subcommand = Subcommand::Bearing;
    OutputFormat format = OutputFormat::Table;
    bool printSql = false;

    // bearing, lookup and decode: the typed text.
    std::string text;
    // lookup: the shop's quantity and price beside every row (--stock).
    bool withStock = false;
    query::sql::SingleField field = query::sql::SingleField::NewDesignation;
    bool exact = false;

    // combined, and measure (the measured sizes as typed; no width: empty)
    std::string innerDiameter, outerDiameter, width;
    std::string brand{query::sql::kAll};  // combined and imported
    std::string type{query::sql::kAll};   // combined and measure

    // measure: the unit of sizes written without one, and the tolerances as typed (empty:
    // the defaults).
    sizes::LengthUnit unit = sizes::LengthUnit::Millimetre;
    std::string tolerance, widthTolerance;

    // imported and domestic
    std::string model;
    query::sql::DomesticModelColumn modelColumn = query::sql::DomesticModelColumn::New;
    std::string maker{query::sql::kAll};
};

struct HelpRequest {
    std::optional<Subcommand> subcommand;  // none: the program's own help
};

struct VersionRequest {};

struct UsageError {
    std::string message;
    std::optional<Subcommand> subcommand;  // whose usage to show with it
};

using ParsedArguments = std::variant<Invocation, HelpRequest, VersionRequest, UsageError>;

// The command's name as typed, and back.
std::string_view subcommandName(Subcommand subcommand);
std::optional<Subcommand> subcommandNamed(std::string_view name);

}  // namespace lz::query_cli
