#include "shop/tool/stock_tool.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <variant>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "shop/import/matched_import.h"
#include "shop/import/stock_import.h"
#include "shop/shop_messages.h"
#include "shop/store/shop_session.h"
#include "shop/store/stock_list_text.h"
#include "shop/tool/quote_tool.h"
#include "shop/tool/stock_arguments.h"
#include "shop/tool/tool_output.h"

namespace lz::shop_tool {
namespace {

using query_cli::OutputFormat;

constexpr std::string_view kConnectionFailedMessage = "连接失败";
constexpr std::string_view kNoStockListMessage = "还没有本店库存";

constexpr std::string_view kCheckHeadings[] = {"行号", "型号", "品牌",  "数量",
                                               "单价", "状态", "新型号"};

std::string usageText(std::string_view program, std::optional<StockCommand> command) {
    const std::string name(program);
    if (command == StockCommand::Check) {
        return "Usage: " + name + R"( stock check FILE [--sheet NAME] [--format table|csv|json]

Reads a stock list (.xlsx, .xls, a web page saved as .xls, CSV or tab-separated text),
finds its header, cleans its lines and matches each against the catalogue, as the import
of the window does, and writes nothing. One line per data line, headed 行号 (counting
the data lines from 1, the first after the header), 型号 and 品牌 (as read and cleaned),
数量, 单价, 状态 (已匹配, 待确认 or 未匹配) and 新型号 (the matched bearing's; for 待确认
the one the candidates share, or nothing). The shop's earlier answers are used.

Options:
  --sheet NAME     the sheet of a workbook to read (default: the first)
  --format FORMAT  table (default), csv or json, as for lingzhou-query

Exit status: 0 every line matched; 1 some line is 待确认 or 未匹配; 2 bad usage; 3 the
file cannot be read (the reader's message goes to standard error); 4 the output cannot be
written.
)";
    }
    if (command == StockCommand::List) {
        return "Usage: " + name + R"( stock list [--format table|csv|json]

Prints the shop's stock list as the 本店库存 window shows it: 型号, 品牌, 数量, 售价, 货位,
备注, 匹配型号, 状态. The shop file is only read.

Exit status: 0 lines were listed; 1 there is no stock list yet; 2 bad usage; 3 the shop
file cannot be read (another program's file, damaged, or from a newer 翎轴); 4 the
output cannot be written.
)";
    }
    return "Usage: " + name + R"( stock check FILE [--sheet NAME] [--format table|csv|json]
       )" + name +
           R"( stock list [--format table|csv|json]
       )" + name +
           R"( quote list [--format table|csv|json]
       )" + name +
           R"( quote pdf NUMBER FILE
       )" + name +
           R"( quote make ENQUIRY [--customer NAME] [--pdf FILE] [--sheet NAME]

The shop's own stock: "check" reads and matches a stock-list file without importing it,
"list" prints the shop's stock list; neither writes anything. The shop's quotes: "quote
list" prints the kept quotes, "quote pdf" writes one as PDF, "quote make" makes one from a
customer's enquiry list and keeps it in the shop file. "stock check --help", "quote make
--help" and the others tell more. -h, --help displays this help; -v, --version the version.
)";
}

// The user's earlier answers, when there is a shop file that can be read; a file that
// cannot be read is named and passed over.
shop::MatchAnswers earlierAnswers(const StockToolSetting& setting, const std::string& prefix,
                                  std::ostream& err) {
    if (setting.dataDirectory.empty()) {
        return {};
    }
    const std::filesystem::path path = shop::shopFilePath(setting.dataDirectory);
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return {};
    }
    shop::ShopFileOpening opening = shop::ShopFile::openForReading(path);
    if (!opening.file) {
        err << prefix << opening.message << '\n';
        return {};
    }
    return shop::MatchAnswers(
        opening.file->overrides().value_or(std::vector<shop::MatchOverride>()));
}

int check(const StockInvocation& invocation, const StockToolSetting& setting,
          const std::string& prefix, std::ostream& out, std::ostream& err) {
    catalogue::CatalogueDatabase database;
    std::optional<shop::StockMatcher> matcher;
    if (database.openImage(setting.catalogueImage)) {
        matcher = shop::StockMatcher::build(database);
    }
    if (!matcher) {
        err << prefix << kConnectionFailedMessage << '\n';
        return kExitCannotRead;
    }
    shop::StockImportOptions options;
    options.sheetName = QString::fromStdString(invocation.sheet);
    options.knownBrands = shop::knownBrandsOf(*matcher);
    const shop::StockFileReading reading =
        shop::readStockFile(QString::fromStdString(invocation.file), options);
    if (!reading.error.isEmpty()) {
        err << prefix << invocation.file << ": " << reading.error.toStdString() << '\n';
        return kExitCannotRead;
    }
    const shop::MatchAnswers answers = earlierAnswers(setting, prefix, err);
    const shop::MatchedLines matched =
        shop::matchImportedLines(reading.cleaned.lines, *matcher, answers);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(reading.cleaned.lines.size());
    for (std::size_t k = 0; k < reading.cleaned.lines.size(); ++k) {
        const shop::ImportedLine& line = reading.cleaned.lines[k];
        const shop::LineMatch& match = matched.matches[k];
        rows.push_back({std::to_string(k + 1), line.designation.toStdString(),
                        line.brand.toStdString(), shop::quantityText(line.quantity),
                        shop::moneyText(line.priceFen), shop::matchStateText(match.state),
                        match.newno});
    }
    out << formattedRows(invocation.format, kCheckHeadings, rows);
    const bool allMatched = matched.counts.pending == 0 && matched.counts.unmatched == 0;
    return allMatched ? kExitAllMatched : kExitNotAllMatched;
}

int list(const StockInvocation& invocation, const StockToolSetting& setting,
         const std::string& prefix, std::ostream& out, std::ostream& err) {
    if (setting.dataDirectory.empty()) {
        err << prefix << shop::messages::kShopFileCannotOpen << '\n';
        return kExitCannotRead;
    }
    const std::filesystem::path path = shop::shopFilePath(setting.dataDirectory);
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        err << prefix << kNoStockListMessage << '\n';
        return kExitNotAllMatched;
    }
    shop::ShopFileOpening opening = shop::ShopFile::openForReading(path);
    if (!opening.file) {
        err << prefix << opening.message << '\n';
        return kExitCannotRead;
    }
    const auto lines = opening.file->lines();
    if (!lines) {
        err << prefix << shop::messages::kReadFailed << '\n';
        return kExitCannotRead;
    }
    if (lines->empty()) {
        err << prefix << kNoStockListMessage << '\n';
        return kExitNotAllMatched;
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(lines->size());
    for (const shop::StockLine& line : *lines) {
        rows.push_back(shop::stockListRow(line));
    }
    out << formattedRows(invocation.format, shop::kStockListHeadings, rows);
    return kExitAllMatched;
}

}  // namespace

int runStockTool(std::span<const std::string_view> arguments, const StockToolSetting& setting,
                 std::ostream& out, std::ostream& err) {
    if (asksForQuote(arguments)) {
        return runQuoteTool(arguments, setting, out, err);
    }
    const std::string prefix = setting.programName + ": ";
    const StockArguments parsed = parseStockArguments(arguments);
    if (const auto* error = std::get_if<StockUsageError>(&parsed)) {
        err << prefix << error->message << "\n\n" << usageText(setting.programName, {});
        return kExitUsage;
    }
    if (const auto* help = std::get_if<StockHelp>(&parsed)) {
        out << usageText(setting.programName, help->command);
        return kExitAllMatched;
    }
    if (std::holds_alternative<StockVersion>(parsed)) {
        out << setting.programName << ' ' << LZ_PROGRAM_VERSION << '\n';
        return kExitAllMatched;
    }
    const StockInvocation& invocation = std::get<StockInvocation>(parsed);
    const int status = invocation.command == StockCommand::Check
                           ? check(invocation, setting, prefix, out, err)
                           : list(invocation, setting, prefix, out, err);
    if (!out.flush()) {
        err << prefix << "the output cannot be written\n";
        return kExitOutputFailed;
    }
    return status;
}

}  // namespace lz::shop_tool
