#include "shop/actions/open_quote.h"

#include <QCoreApplication>
#include <QTimer>

#include "shop/actions/shop_startup.h"
#include "shop/store/quote_store.h"
#include "shop/store/shop_session.h"
#include "ui/message_boxes.h"

namespace lz::shop::actions {
namespace {

constexpr std::string_view kCaption = "报价单";

}  // namespace

Quote newQuoteOfToday() {
    Quote quote;
    quote.date = localToday();
    return quote;
}

OpenQuote& OpenQuote::instance() {
    static OpenQuote open;
    return open;
}

OpenQuote::OpenQuote() : quote_(newQuoteOfToday()) {
    amounts_ = computeAmounts(quote_).value_or(QuoteAmounts{});
    // Whatever was typed last is kept when the program ends within the moment of waiting.
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QObject::connect(application, &QCoreApplication::aboutToQuit, application,
                         [] { OpenQuote::instance().keepNow(); });
    }
}

std::optional<std::string> OpenQuote::change(const std::function<void(Quote&)>& edit) {
    Quote changed = quote_;
    edit(changed);
    const std::vector<QuoteProblem> problems = checkQuote(changed);
    if (!problems.empty()) {
        return describeProblem(problems.front());
    }
    std::optional<QuoteAmounts> amounts = computeAmounts(changed);
    if (!amounts) {
        return std::string("报价单无法计算");
    }
    quote_ = std::move(changed);
    amounts_ = std::move(*amounts);
    unkept_ = true;
    scheduleKeep();
    return std::nullopt;
}

bool OpenQuote::isBlank() const {
    return quote_.lines.empty() && quote_.customer.empty() && quote_.contact.empty() &&
           quote_.quotedBy.empty() && quote_.note.empty() && quote_.freight == 0 &&
           quote_.adjustment == 0;
}

void OpenQuote::startNew() {
    keepNow();
    quote_ = newQuoteOfToday();
    amounts_ = computeAmounts(quote_).value_or(QuoteAmounts{});
    unkept_ = false;
}

void OpenQuote::reset() {
    quote_ = newQuoteOfToday();
    amounts_ = computeAmounts(quote_).value_or(QuoteAmounts{});
    unkept_ = false;
}

void OpenQuote::replace(Quote quote) {
    keepNow();
    quote_ = std::move(quote);
    amounts_ = computeAmounts(quote_).value_or(QuoteAmounts{});
    unkept_ = false;
}

std::string OpenQuote::keepNow() {
    if (!unkept_) {
        return {};
    }
    // A quote nothing was ever put into is not worth a number; an emptied kept quote is
    // kept as it now is.
    if (quote_.number.empty() && isBlank()) {
        unkept_ = false;
        return {};
    }
    ShopFile* file = ShopSession::instance().file();
    if (file == nullptr) {
        return "报价单未保存：" + shopDataUnavailableMessage();
    }
    const QuoteWrite write = saveQuote(*file, quote_);
    if (!write.ok) {
        return "报价单未保存：" + write.message;
    }
    unkept_ = false;
    if (quote_.number != write.number) {
        quote_.number = write.number;
        if (keptHandler_) {
            keptHandler_();
        }
    }
    return {};
}

void OpenQuote::scheduleKeep() {
    if (keepScheduled_ || QCoreApplication::instance() == nullptr) {
        return;
    }
    keepScheduled_ = true;
    QTimer::singleShot(kKeepDelayMs, QCoreApplication::instance(), [] {
        OpenQuote& open = OpenQuote::instance();
        open.keepScheduled_ = false;
        // The quote stays unkept, to be tried again after the next change and at the end;
        // the same message is said once, not after every key.
        static std::string lastProblem;
        const std::string problem = open.keepNow();
        if (!problem.empty() && problem != lastProblem) {
            ui::MessageBoxes::show(problem, kCaption);
        }
        lastProblem = problem;
    });
}

}  // namespace lz::shop::actions
