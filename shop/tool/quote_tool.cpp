#include "shop/tool/quote_tool.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <ostream>
#include <variant>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "shop/enquiry/enquiry_quote.h"
#include "shop/import/matched_import.h"
#include "shop/pricing/proposed_price.h"
#include "shop/pricing/reference_prices.h"
#include "shop/print/quote_pdf.h"
#include "shop/quote/quote_text.h"
#include "shop/shop_messages.h"
#include "shop/store/quote_store.h"
#include "shop/store/shop_session.h"
#include "shop/tool/gui_application.h"
#include "shop/tool/quote_arguments.h"
#include "shop/tool/tool_output.h"

namespace lz::shop_tool {
namespace {

using query_cli::OutputFormat;

constexpr std::string_view kConnectionFailedMessage = "连接失败";
constexpr std::string_view kNoQuotesMessage = "还没有保存的报价单";
constexpr std::string_view kNoDisplayMessage = "无法启动图形环境，不能写 PDF";

constexpr std::string_view kListHeadings[] = {"单号", "日期", "客户", "行数", "总额"};

std::string usageText(std::string_view program, std::optional<QuoteCommand> command) {
    const std::string name(program);
    switch (command.value_or(static_cast<QuoteCommand>(-1))) {
        case QuoteCommand::List:
            return "Usage: " + name + R"( quote list [--format table|csv|json]

Prints the quotes kept in the shop file, newest first: 单号, 日期, 客户, 行数 and 总额
(in yuan, two decimals). The shop file is only read.

Exit status: 0 quotes were listed; 1 no quote is kept yet; 2 bad usage; 3 the shop file
cannot be read (another program's file, damaged, or from a newer 翎轴); 4 the output
cannot be written.
)";
        case QuoteCommand::Pdf:
            return "Usage: " + name + R"( quote pdf NUMBER FILE

Writes the kept quote NUMBER (its 单号, such as 20261208-001) as a PDF file, A4, with the
shop's header, as the window prints it. Needs no display. An existing FILE is replaced only
by a complete PDF. The shop file is only read.

Exit status: 0 the PDF is written; 1 no quote of that number; 2 bad usage; 3 the shop
file cannot be read, or FILE cannot be written.
)";
        case QuoteCommand::Make:
            return "Usage: " + name +
                   R"( quote make ENQUIRY [--customer NAME] [--pdf FILE] [--sheet NAME]

Makes a quote from a customer's enquiry list (.xlsx, .xls, a web page saved as .xls, CSV
or tab-separated text), as the window's "从询价单导入…" does: each line keeps the
customer's text as 询价型号, offers the bearing it matches (the shop's stock first) with
the proposed unit price (the shop's own, else the price list's, marked 参考价), and a line
that matched nothing or several bearings is marked 未匹配 or 多个匹配 for the counter to
settle (their count goes to standard error). The quote is dated today, priced with tax
at 13 %, kept in the shop file, and its new 单号 printed.

Options:
  --customer NAME  the quote's 客户
  --pdf FILE       also write the quote as PDF to FILE
  --sheet NAME     the sheet of a workbook to read (default: the first)

Exit status: 0 the quote is kept (and its PDF written); 2 bad usage; 3 the enquiry list,
the catalogue or the shop file cannot be read, the shop file cannot be written, or the
PDF cannot (the quote is kept all the same, and its number printed); 4 the output cannot
be written.
)";
    }
    return "Usage: " + name + R"( quote list [--format table|csv|json]
       )" + name +
           R"( quote pdf NUMBER FILE
       )" + name +
           R"( quote make ENQUIRY [--customer NAME] [--pdf FILE] [--sheet NAME]

The quotes kept in the shop file: "list" prints them, "pdf" writes one as PDF, "make"
makes one from a customer's enquiry list and keeps it. "quote list --help" and the others
tell more.
)";
}

std::optional<std::filesystem::path> shopPath(const StockToolSetting& setting) {
    if (setting.dataDirectory.empty()) {
        return std::nullopt;
    }
    return shop::shopFilePath(setting.dataDirectory);
}

bool fileExists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

int list(const QuoteInvocation& invocation, const StockToolSetting& setting,
         const std::string& prefix, std::ostream& out, std::ostream& err) {
    const auto path = shopPath(setting);
    if (!path) {
        err << prefix << shop::messages::kShopFileCannotOpen << '\n';
        return kExitCannotRead;
    }
    if (!fileExists(*path)) {
        err << prefix << kNoQuotesMessage << '\n';
        return kExitNotAllMatched;
    }
    shop::ShopFileOpening opening = shop::ShopFile::openForReading(*path);
    if (!opening.file) {
        err << prefix << opening.message << '\n';
        return kExitCannotRead;
    }
    const auto quotes = shop::listQuotes(*opening.file);
    if (!quotes) {
        err << prefix << shop::messages::kReadFailed << '\n';
        return kExitCannotRead;
    }
    if (quotes->empty()) {
        err << prefix << kNoQuotesMessage << '\n';
        return kExitNotAllMatched;
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(quotes->size());
    for (const shop::QuoteSummary& quote : *quotes) {
        rows.push_back({quote.number, shop::formatDate(quote.date), quote.customer,
                        std::to_string(quote.lineCount), shop::formatYuan(quote.total)});
    }
    out << formattedRows(invocation.format, kListHeadings, rows);
    return kExitAllMatched;
}

// Writes the PDF; the message on failure.
std::string writePdf(const std::string& file, const shop::ShopHeader& header,
                     const shop::Quote& quote) {
    if (!ensureGuiApplication()) {
        return std::string(kNoDisplayMessage);
    }
    const QString problem = shop::print::saveQuotePdf(QString::fromStdString(file), header, quote);
    return problem.toStdString();
}

int pdf(const QuoteInvocation& invocation, const StockToolSetting& setting,
        const std::string& prefix, std::ostream& err) {
    const auto path = shopPath(setting);
    if (!path || !fileExists(*path)) {
        err << prefix << shop::messages::kQuoteNotFound << ": " << invocation.number << '\n';
        return kExitNotAllMatched;
    }
    shop::ShopFileOpening opening = shop::ShopFile::openForReading(*path);
    if (!opening.file) {
        err << prefix << opening.message << '\n';
        return kExitCannotRead;
    }
    const shop::LoadedQuote loaded = shop::loadQuote(*opening.file, invocation.number);
    if (loaded.status == shop::QuoteLookup::NotFound) {
        err << prefix << shop::messages::kQuoteNotFound << ": " << invocation.number << '\n';
        return kExitNotAllMatched;
    }
    const auto header = shop::loadShopHeader(*opening.file);
    if (loaded.status != shop::QuoteLookup::Found || !header) {
        err << prefix << shop::messages::kReadFailed << '\n';
        return kExitCannotRead;
    }
    if (const std::string problem = writePdf(invocation.file, *header, loaded.quote);
        !problem.empty()) {
        err << prefix << invocation.file << ": " << problem << '\n';
        return kExitCannotRead;
    }
    return kExitAllMatched;
}

// The catalogue's matcher and price lists.
struct Catalogue {
    std::optional<shop::StockMatcher> matcher;
    std::optional<shop::ReferencePrices> prices;
};

Catalogue readCatalogue(const StockToolSetting& setting) {
    Catalogue catalogue;
    catalogue::CatalogueDatabase database;
    if (!database.openImage(setting.catalogueImage)) {
        return catalogue;
    }
    catalogue.matcher = shop::StockMatcher::build(database);
    if (catalogue.matcher) {
        catalogue.prices = shop::ReferencePrices::build(database, *catalogue.matcher);
    }
    return catalogue;
}

int make(const QuoteInvocation& invocation, const StockToolSetting& setting,
         const std::string& prefix, std::ostream& out, std::ostream& err) {
    const Catalogue catalogue = readCatalogue(setting);
    if (!catalogue.matcher || !catalogue.prices) {
        err << prefix << kConnectionFailedMessage << '\n';
        return kExitCannotRead;
    }
    const shop::EnquiryReading enquiry = shop::readEnquiry(
        QString::fromStdString(invocation.file), shop::knownBrandsOf(*catalogue.matcher),
        QString::fromStdString(invocation.sheet));
    if (!enquiry.error.isEmpty()) {
        err << prefix << invocation.file << ": " << enquiry.error.toStdString() << '\n';
        return kExitCannotRead;
    }

    const auto path = shopPath(setting);
    std::error_code ignored;
    if (path) {
        std::filesystem::create_directories(path->parent_path(), ignored);
    }
    shop::ShopFileOpening opening = path ? shop::ShopFile::open(*path) : shop::ShopFileOpening{};
    if (!opening.file) {
        err << prefix
            << (opening.message.empty() ? shop::messages::kShopFileCannotOpen : opening.message)
            << '\n';
        return kExitCannotRead;
    }
    shop::ShopFile& file = *opening.file;
    const std::vector<shop::StockLine> stockLines =
        file.lines().value_or(std::vector<shop::StockLine>());
    const shop::MatchAnswers answers(file.overrides().value_or(std::vector<shop::MatchOverride>()));
    const shop::ShopStock stock(stockLines);
    const shop::PriceProposer prices(*catalogue.matcher, *catalogue.prices, stockLines);
    const shop::EnquiryMatching matching{*catalogue.matcher, &answers, stock, prices};

    shop::Quote quote;
    quote.customer = invocation.customer;
    quote.date = shop::localToday();
    const shop::EnquiryQuote made = shop::quoteFromEnquiry(enquiry.lines, matching, quote.taxBasis);
    if (!made.error.isEmpty()) {
        err << prefix << invocation.file << ": " << made.error.toStdString() << '\n';
        return kExitCannotRead;
    }
    quote.lines = made.lines;
    const shop::QuoteWrite saved = shop::saveQuote(file, quote);
    if (!saved.ok) {
        err << prefix << saved.message << '\n';
        return kExitCannotRead;
    }
    out << saved.number << '\n';
    if (made.noMatch > 0 || made.severalMatches > 0) {
        err << prefix << saved.number << ": " << shop::offerCheckText(shop::OfferCheck::NoMatch)
            << ' ' << made.noMatch << "，" << shop::offerCheckText(shop::OfferCheck::SeveralMatches)
            << ' ' << made.severalMatches << '\n';
    }
    if (!invocation.pdf.empty()) {
        const auto header = shop::loadShopHeader(file).value_or(shop::ShopHeader{});
        if (const std::string problem = writePdf(invocation.pdf, header, saved.quote);
            !problem.empty()) {
            err << prefix << invocation.pdf << ": " << problem << '\n';
            return kExitCannotRead;
        }
    }
    return kExitAllMatched;
}

}  // namespace

bool asksForQuote(std::span<const std::string_view> arguments) {
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (argument == "--") {
            return k + 1 < arguments.size() && arguments[k + 1] == "quote";
        }
        if (argument == "-" || !argument.starts_with('-')) {
            return argument == "quote";
        }
        if (argument == "--format") {
            ++k;
        }
    }
    return false;
}

int runQuoteTool(std::span<const std::string_view> arguments, const StockToolSetting& setting,
                 std::ostream& out, std::ostream& err) {
    const std::string prefix = setting.programName + ": ";
    const QuoteArguments parsed = parseQuoteArguments(arguments);
    if (const auto* error = std::get_if<QuoteUsageError>(&parsed)) {
        err << prefix << error->message << "\n\n" << usageText(setting.programName, {});
        return kExitUsage;
    }
    if (const auto* help = std::get_if<QuoteHelp>(&parsed)) {
        out << usageText(setting.programName, help->command);
        return out.flush() ? kExitAllMatched : kExitOutputFailed;
    }
    if (std::holds_alternative<QuoteVersion>(parsed)) {
        out << setting.programName << ' ' << LZ_PROGRAM_VERSION << '\n';
        return out.flush() ? kExitAllMatched : kExitOutputFailed;
    }
    const QuoteInvocation& invocation = std::get<QuoteInvocation>(parsed);
    int status = kExitAllMatched;
    switch (invocation.command) {
        case QuoteCommand::List:
            status = list(invocation, setting, prefix, out, err);
            break;
        case QuoteCommand::Pdf:
            status = pdf(invocation, setting, prefix, err);
            break;
        case QuoteCommand::Make:
            status = make(invocation, setting, prefix, out, err);
            break;
    }
    if (!out.flush()) {
        err << prefix << "the output cannot be written\n";
        return kExitOutputFailed;
    }
    return status;
}

}  // namespace lz::shop_tool
