#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shop/quote/quote.h"
#include "shop/quote/quote_amounts.h"
#include "shop/store/shop_file.h"

namespace lz::shop {

// The quotes kept in the shop file, and the shop's own header printed on top of them.
//
// A quote is kept under its number (单号, quote_number.h): saving a quote whose number is
// kept already replaces it, lines and all, in one transaction. Numbers are handed out by
// the file, a day's count going up by one per number and never back, so a number stays
// unique even after its quote is deleted. A quote the model refuses (checkQuote finds a
// problem: a negative quantity, too many lines, a text too long) is not kept.
//
// These take the open shop file as the stock code does. A file opened for reading only
// (ShopFile::openForReading) refuses every write with kSaveFailed and stays as it was; a
// file that is not ours, damaged or newer never gets this far (ShopFile gives no file). A
// file of the schema before quotes, opened for reading only (so not upgraded), reads as one
// without quotes and without a header.
// Quotes are small and saved often, so saving makes no backup (that would push the
// import backups out of the ten kept); the schema upgrade that brought these tables did.

// One kept quote as the 报价单 window lists it.
struct QuoteSummary {
    std::string number;                  // 单号
    std::chrono::year_month_day date{};  // 日期
    std::string customer;                // 客户
    int lineCount = 0;                   // 行数
    Fen total = 0;                       // 总额, as computed when the quote was saved

    bool operator==(const QuoteSummary&) const = default;
};

// The result of saving, copying or deleting. A failed write changed nothing in the file.
struct QuoteWrite {
    bool ok = false;
    std::string message;  // the user's message when not ok
    // For a quote the model refuses: every problem (message is the first one described,
    // "第 3 行：数量不能为负数").
    std::vector<QuoteProblem> problems;
    // The quote as kept: its number (handed out when the quote had none) and, for a copy,
    // the whole new quote.
    std::string number;
    Quote quote;
};

enum class QuoteLookup {
    Found,
    NotFound,    // no quote of that number is kept
    ReadFailed,  // the file could not be read
};

struct LoadedQuote {
    QuoteLookup status = QuoteLookup::ReadFailed;
    Quote quote;  // when Found
};

// The kept quotes, newest first: by date, then by number (the later first). Nothing when
// the file cannot be read.
std::optional<std::vector<QuoteSummary>> listQuotes(const ShopFile& file);

// The quote kept under `number` (blanks around it allowed), its lines in their order.
LoadedQuote loadQuote(const ShopFile& file, std::string_view number);

// Keeps `quote`: replaces the quote of the same number with its lines, or adds it. A quote
// without a number gets the next number of its date (nextQuoteNumber); one with a number
// that is not written as quote_number.h writes it is refused (kBadQuoteNumber). The total
// listed is the one computeAmounts gives now.
QuoteWrite saveQuote(ShopFile& file, const Quote& quote);

// Hands out the next number of `date` ("20261208-004"), and writes that it is taken, so
// that no later call and no quote saved since gives it again, not even after its quote is
// deleted. Empty, with the message, when the file cannot be written or the day has used
// all kMaxQuoteCounter numbers.
struct ReservedNumber {
    std::string number;
    std::string message;  // when number is empty
};
ReservedNumber nextQuoteNumber(ShopFile& file, std::chrono::year_month_day date);

// Keeps a copy of the quote `number` as a new quote: the next number of `today`, the date
// `today`, every other field and every line as they are, the lines its own (changing one
// quote leaves the other as it was). The new quote is in QuoteWrite::quote.
QuoteWrite copyQuote(ShopFile& file, std::string_view number, std::chrono::year_month_day today);

// Deletes the quote `number` with its lines. Its number is not handed out again. The
// window asks the user before calling this.
QuoteWrite deleteQuote(ShopFile& file, std::string_view number);

// The shop's header; every field empty until it is set. Nothing when the file cannot be
// read.
std::optional<ShopHeader> loadShopHeader(const ShopFile& file);
// Sets the shop's header; each field at most kMaxShortText characters (kTextTooLong).
ShopWrite saveShopHeader(ShopFile& file, const ShopHeader& header);

// Today by the local clock, the date a new quote gets.
std::chrono::year_month_day localToday();

}  // namespace lz::shop
