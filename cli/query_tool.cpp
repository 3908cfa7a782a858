#include "cli/query_tool.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <variant>

#include "catalogue/catalogue_database.h"
#include "cli/argument_parser.h"
#include "cli/decode_output.h"
#include "cli/designation_lookup.h"
#include "cli/measure_command.h"
#include "cli/output_formats.h"
#include "cli/query_plan.h"
#include "cli/result_rows.h"
#include "cli/shelf_columns.h"
#include "cli/usage_text.h"
#include "designation/designation_key.h"
#include "designation/reading.h"
#include "query/search_messages.h"

namespace lz::query_cli {
namespace {

// The window says this when the catalogue does not open.
constexpr std::string_view kConnectionFailedMessage = "连接失败";

// The readings of the text: no statement runs, but the catalogue's knowledge reads them.
int decode(const Invocation& invocation, catalogue::CatalogueDatabase& database, std::ostream& out,
           std::ostream& err) {
    if (invocation.printSql) {
        err << kProgramName << ": decode runs no statement; --print-sql does not apply\n";
        return kExitUsage;
    }
    if (designation::designationKey(invocation.text).empty()) {
        err << kProgramName << ": " << query::kEmptySearchMessage << '\n';
        return kExitUsage;
    }
    const Decoding decoding = decodeDesignation(database, invocation.text);
    if (decoding.readFailed) {
        err << kProgramName << ": " << query::kReadFailedMessage << '\n';
        return kExitCatalogueFailed;
    }
    if (decoding.readings.empty()) {
        err << kProgramName << ": " << designation::kUnrecognizedDesignation << '\n';
        return kExitNoMatch;
    }
    out << decodingText(invocation.format, decoding.readings);
    return kExitRowsFound;
}

// The lookup's "差异" after the row's other cells, found by its ID.
void addDifferences(Rows& rows, const QueryPlan& plan) {
    if (plan.columns.headings.size() <= plan.columns.fields.size()) {
        return;
    }
    for (std::vector<std::string>& row : rows) {
        const auto found =
            row.empty() ? plan.differenceById.end() : plan.differenceById.find(row.front());
        row.push_back(found != plan.differenceById.end() ? found->second : std::string());
    }
}

// `lookup --stock`: the shop's two columns after "差异". A shop file that cannot be read is
// said and passed over, as no shop file: the rows are listed all the same.
void addShelf(Rows& rows, const QueryPlan& plan, const std::string& dataDirectory,
              std::ostream& err) {
    const ShelfReading shelf = readShelf(dataDirectory);
    if (!shelf.message.empty()) {
        err << kProgramName << ": " << shelf.message << '\n';
    }
    const auto& fields = plan.columns.fields;
    const auto newno = std::find(fields.begin(), fields.end(), "newno");
    addShelfColumns(rows, static_cast<std::size_t>(newno - fields.begin()), shelf.stock);
}

int search(const Invocation& invocation, std::span<const std::byte> catalogueImage,
           const std::string& dataDirectory, std::ostream& out, std::ostream& err) {
    catalogue::CatalogueDatabase database;
    if (!database.openImage(catalogueImage)) {
        err << kProgramName << ": " << kConnectionFailedMessage << '\n';
        return kExitCatalogueFailed;
    }
    if (invocation.subcommand == Subcommand::Measure) {
        return runMeasure(invocation, database, out, err);
    }
    if (invocation.subcommand == Subcommand::Decode) {
        return decode(invocation, database, out, err);
    }
    const QueryPlan plan = planQuery(invocation, database);
    if (!plan.refusal.empty()) {
        err << kProgramName << ": " << plan.refusal << '\n';
        return kExitUsage;
    }
    if (plan.readFailed) {
        err << kProgramName << ": " << query::kReadFailedMessage << '\n';
        return kExitCatalogueFailed;
    }
    if (invocation.printSql && plan.statement) {
        out << *plan.statement << '\n';
        return kExitRowsFound;
    }
    ReadResult read =
        plan.statement ? readRows(database, *plan.statement, plan.columns.fields) : ReadResult();
    addDifferences(read.rows, plan);
    if (invocation.subcommand == Subcommand::Lookup && invocation.withStock && !read.rows.empty()) {
        addShelf(read.rows, plan, dataDirectory, err);
    }
    if (read.rows.empty() && !read.failed) {
        err << kProgramName << ": " << query::kNoMatchMessage << '\n';
        return kExitNoMatch;
    }
    // As the window keeps the rows it listed before a failure, they are printed; the status
    // says the list may be incomplete.
    if (!read.rows.empty()) {
        out << formattedRows(invocation.format, plan.columns.headings, read.rows);
    }
    if (read.failed) {
        err << kProgramName << ": " << query::kReadFailedMessage << '\n';
        return kExitCatalogueFailed;
    }
    return kExitRowsFound;
}

}  // namespace

int runQueryTool(std::span<const std::string_view> arguments,
                 std::span<const std::byte> catalogueImage, std::ostream& out, std::ostream& err) {
    return runQueryTool(arguments, catalogueImage, std::string(), out, err);
}

int runQueryTool(std::span<const std::string_view> arguments,
                 std::span<const std::byte> catalogueImage, const std::string& dataDirectory,
                 std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = parseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << kProgramName << ": " << error->message << "\n\n" << usageText(error->subcommand);
        return kExitUsage;
    }
    if (const auto* help = std::get_if<HelpRequest>(&parsed)) {
        out << usageText(help->subcommand);
        return kExitRowsFound;
    }
    if (std::holds_alternative<VersionRequest>(parsed)) {
        out << kProgramName << ' ' << LZ_PROGRAM_VERSION << '\n';
        return kExitRowsFound;
    }
    const int status =
        search(std::get<Invocation>(parsed), catalogueImage, dataDirectory, out, err);
    // Rows that never arrived must not look like a search that found them.
    if (!out.flush()) {
        err << kProgramName << ": the output cannot be written\n";
        return kExitOutputFailed;
    }
    return status;
}

}  // namespace lz::query_cli
