#pragma once

#include <functional>
#include <optional>
#include <string>

#include "shop/quote/quote.h"
#include "shop/quote/quote_amounts.h"

namespace lz::shop::actions {

// The quote the 报价单 window works on, whether the window is open or not: "加入报价单"
// adds to it, the window shows and edits it. Every change goes through change(), which
// refuses a change that would leave the quote unfit to sum or print (a negative total, a
// text too long), so the quote held is always one computeAmounts can sum.
//
// A changed quote is kept in the shop file a moment after the last change (kKeepDelayMs),
// so that typing a customer's name letter by letter writes the file once, and at once
// before anything that leaves the quote (新建, 打开, the program's end) or prints its
// number (打印预览, PDF, 导出). The first keep hands out its number (单号).
class OpenQuote {
public:
    static OpenQuote& instance();

    const Quote& quote() const { return quote_; }
    const QuoteAmounts& amounts() const { return amounts_; }

    // Applies `edit` to a copy of the quote; when the copy is sound it becomes the quote
    // and is kept shortly. Otherwise the quote stays as it was and the first problem is
    // returned, described ("第 3 行：数量不能为负数").
    std::optional<std::string> change(const std::function<void(Quote&)>& edit);

    // A new quote dated `today` with the defaults (7 days, 含税 at 13 %), after keeping the
    // one open. Not kept until something is put into it.
    void startNew();
    // A new quote in place of the open one, which is not kept: for a shop file opened in
    // place of the one it belonged to.
    void reset();
    // Puts a kept (or just copied) quote in place of the open one, after keeping that.
    void replace(Quote quote);

    // Keeps a changed quote now. Empty on success (or nothing to keep), else the user's
    // message: no shop data, a failed write.
    std::string keepNow();
    bool hasUnkeptChanges() const { return unkept_; }
    // Whether the quote has anything worth keeping: a line or any text of its own.
    bool isBlank() const;

    // Called after the quote was kept and got its number, so that the window can show it.
    void setKeptHandler(std::function<void()> handler) { keptHandler_ = std::move(handler); }

    static constexpr int kKeepDelayMs = 400;

private:
    OpenQuote();
    void scheduleKeep();

    Quote quote_;
    QuoteAmounts amounts_;
    bool unkept_ = false;
    bool keepScheduled_ = false;
    std::function<void()> keptHandler_;
};

// A quote with the defaults dated today: what 新建 shows.
Quote newQuoteOfToday();

}  // namespace lz::shop::actions
