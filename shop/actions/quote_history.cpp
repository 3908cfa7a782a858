// 历史报价单 (the kept quotes: open, copy to a new quote, delete) and 本店信息 (the shop's
// header on every quote).
#include <string>
#include <vector>

#include "shop/actions/open_quote.h"
#include "shop/actions/quote_windows.h"
#include "shop/actions/shop_startup.h"
#include "shop/quote/quote_text.h"
#include "shop/store/quote_store.h"
#include "shop/store/shop_session.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/quote_window_template.h"

namespace lz::shop::actions {
namespace {

using namespace windows;

constexpr std::string_view kCaption = "报价单";

// The file, or nothing after saying why there is none.
ShopFile* shopFileOrSay() {
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        ui::MessageBoxes::show(shopDataUnavailableMessage(), kCaption);
    }
    return file;
}

void fillHistory(ui::Window& history) {
    history.clearRows(kHistoryList);
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        return;
    }
    const auto quotes = listQuotes(*file);
    if (!quotes) {
        ui::MessageBoxes::show("报价单读取失败", kCaption);
        return;
    }
    for (const QuoteSummary& summary : *quotes) {
        const std::vector<std::string> cells = {summary.number, formatDate(summary.date),
                                                summary.customer, std::to_string(summary.lineCount),
                                                formatYuan(summary.total, Grouping::Thousands)};
        history.appendRow(kHistoryList, cells);
    }
    history.showRowsNow(kHistoryList);
    if (!quotes->empty()) {
        history.selectRow(kHistoryList, 0);
    }
}

// The number of the selected quote, or empty when none is selected.
std::string selectedNumber(const ui::Window& history) {
    const int row = history.selectedRow(kHistoryList);
    return row < 0 ? std::string() : history.cellText(kHistoryList, row, 0);
}

}  // namespace

void openQuoteHistory(ui::Window&) {
    // The open quote first, so that the list shows it as it stands.
    if (const std::string problem = OpenQuote::instance().keepNow(); !problem.empty()) {
        ui::MessageBoxes::show(problem, kCaption);
    }
    if (ui::Window* open = ui::WindowManager::instance().find(kQuoteHistoryWindowName)) {
        fillHistory(*open);
    }
    ui::WindowManager::instance().open(quoteHistoryWindowTemplate());
}

void initQuoteHistory(ui::Window& history) {
    fillHistory(history);
}

void openKeptQuote(ui::Window& history) {
    const std::string number = selectedNumber(history);
    ShopFile* file = number.empty() ? nullptr : shopFileOrSay();
    if (file == nullptr) {
        return;
    }
    // Kept first: the quote opened may be the open one, changed a moment ago.
    OpenQuote::instance().keepNow();
    LoadedQuote loaded = loadQuote(*file, number);
    if (loaded.status != QuoteLookup::Found) {
        ui::MessageBoxes::show(loaded.status == QuoteLookup::NotFound
                                   ? "报价单 " + number + " 已不存在"
                                   : std::string("报价单读取失败"),
                               kCaption);
        fillHistory(history);
        return;
    }
    OpenQuote::instance().replace(std::move(loaded.quote));
    history.close();
    showOpenQuote();
}

void copyKeptQuote(ui::Window& history) {
    const std::string number = selectedNumber(history);
    ShopFile* file = number.empty() ? nullptr : shopFileOrSay();
    if (file == nullptr) {
        return;
    }
    // The open quote kept first: it may be the one copied.
    OpenQuote::instance().keepNow();
    QuoteWrite copy = copyQuote(*file, number, localToday());
    if (!copy.ok) {
        ui::MessageBoxes::show(copy.message, kCaption);
        return;
    }
    OpenQuote::instance().replace(std::move(copy.quote));
    history.close();
    showOpenQuote();
}

void deleteKeptQuote(ui::Window& history) {
    const std::string number = selectedNumber(history);
    ShopFile* file = number.empty() ? nullptr : shopFileOrSay();
    if (file == nullptr) {
        return;
    }
    const int row = history.selectedRow(kHistoryList);
    const std::string customer = history.cellText(kHistoryList, row, 2);
    const std::string question = "删除报价单 " + number +
                                 (customer.empty() ? std::string() : "（" + customer + "）") +
                                 "？\n删除后不能恢复。";
    if (ui::MessageBoxes::show(question, kCaption, ui::BoxButtons::YesNo) != ui::BoxAnswer::Yes) {
        return;
    }
    const QuoteWrite deleted = deleteQuote(*file, number);
    if (!deleted.ok) {
        ui::MessageBoxes::show(deleted.message, kCaption);
    } else if (OpenQuote::instance().quote().number == number) {
        // The window no longer shows a kept quote: a new one begins, and the deleted one is
        // not kept again for changes it had not been kept with.
        OpenQuote::instance().reset();
        if (ui::WindowManager::instance().find(kQuoteWindowName) != nullptr) {
            showOpenQuote();
        }
    }
    fillHistory(history);
}

void closeQuoteHistory(ui::Window& history) {
    history.close();
}

void openShopHeader(ui::Window&) {
    if (shopFileOrSay() != nullptr) {
        ui::WindowManager::instance().open(shopHeaderWindowTemplate(), true);
    }
}

void initShopHeader(ui::Window& header) {
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        return;
    }
    const ShopHeader shop = loadShopHeader(*file).value_or(ShopHeader{});
    header.setText(kShopHeaderName, shop.name);
    header.setText(kShopHeaderPhone, shop.phone);
    header.setText(kShopHeaderAddress, shop.address);
    header.setText(kShopHeaderBank, shop.bank);
}

void saveShopHeaderFields(ui::Window& header) {
    ShopFile* file = shopFileOrSay();
    if (file == nullptr) {
        return;
    }
    const ShopHeader shop{header.text(kShopHeaderName), header.text(kShopHeaderPhone),
                          header.text(kShopHeaderAddress), header.text(kShopHeaderBank)};
    const ShopWrite saved = saveShopHeader(*file, shop);
    if (!saved.ok) {
        ui::MessageBoxes::show(saved.message, kCaption);
        return;
    }
    header.close();
}

void closeShopHeader(ui::Window& header) {
    header.close();
}

}  // namespace lz::shop::actions
