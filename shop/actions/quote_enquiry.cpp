// "从询价单导入…": a customer's enquiry list, read with the stock-list readers and matched
// through the designation model, becomes a new quote; the lines the counter must settle
// stay marked ("未匹配", "多个匹配") in the window until a bearing is named.
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "shop/actions/open_quote.h"
#include "shop/actions/price_proposer_cache.h"
#include "shop/actions/quote_windows.h"
#include "shop/actions/shop_startup.h"
#include "shop/actions/stock_matcher_cache.h"
#include "shop/enquiry/enquiry_quote.h"
#include "shop/import/matched_import.h"
#include "shop/matching/stock_matcher.h"
#include "shop/store/shop_session.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/quote_window_template.h"

namespace lz::shop::actions {
namespace {

constexpr std::string_view kCaption = "从询价单导入";

// What the window says after the import: the count, and what is left to settle.
std::string importedText(const EnquiryQuote& made) {
    std::string text = "已从询价单导入 " + std::to_string(made.lines.size()) + " 行";
    if (made.noMatch + made.severalMatches > 0) {
        text += "；请核对：未匹配 " + std::to_string(made.noMatch) + " 行，多个匹配 " +
                std::to_string(made.severalMatches) + " 行";
    }
    return text;
}

}  // namespace

void importEnquiry(ui::Window&) {
    const std::optional<std::string> chosen =
        ui::FileDialogs::askOpenFileName({"从询价单导入", "询价单", {"xlsx", "xls", "csv", "txt"}});
    if (!chosen) {
        return;
    }
    const StockMatcher* matcher = mainCatalogueMatcher();
    const PriceProposer* prices = mainPriceProposer();
    if (matcher == nullptr || prices == nullptr) {
        ui::MessageBoxes::show("读取数据出错，无法匹配询价单", kCaption);
        return;
    }
    const EnquiryReading reading =
        readEnquiry(QString::fromStdString(*chosen), knownBrandsOf(*matcher));
    if (!reading.error.isEmpty()) {
        ui::MessageBoxes::show("无法导入 " + *chosen + "：\n" + reading.error.toStdString(),
                               kCaption);
        return;
    }
    std::optional<MatchAnswers> answers;
    if (ShopFile* file = ShopSession::instance().file()) {
        answers.emplace(file->overrides().value_or(std::vector<MatchOverride>()));
    }
    // A new quote with the defaults: its tax basis prices the lines.
    const Quote fresh = newQuoteOfToday();
    const EnquiryMatching matching{*matcher, answers ? &*answers : nullptr,
                                   ShopSession::instance().stock(), *prices};
    EnquiryQuote made = quoteFromEnquiry(reading.lines, matching, fresh.taxBasis);
    if (!made.error.isEmpty()) {
        ui::MessageBoxes::show("无法导入 " + *chosen + "：\n" + made.error.toStdString(), kCaption);
        return;
    }
    const std::string said = importedText(made);
    OpenQuote& open = OpenQuote::instance();
    open.replace(fresh);
    open.change([&](Quote& quote) { quote.lines = std::move(made.lines); });
    showOpenQuote();
    if (ui::Window* window = ui::WindowManager::instance().find(windows::kQuoteWindowName)) {
        window->setText(windows::kQuoteProblem, said);
    }
}

}  // namespace lz::shop::actions
