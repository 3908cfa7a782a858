#include "shop/store/quote_store.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "shop/quote/quote_messages.h"
#include "shop/quote/quote_number.h"
#include "shop/shop_messages.h"
#include "shop/store/sqlite_handles.h"

namespace lz::shop {

namespace {

constexpr const char* kLocalNow = "strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')";

constexpr const char* kQuoteColumns =
    "number, quote_date, customer, contact, quoted_by, valid_days, tax_basis, tax_rate_bp, "
    "freight_fen, adjustment_fen, note, line_count, total_fen";
constexpr const char* kLineColumns =
    "asked_model, offered_model, brand, quantity, unit, unit_price_fen, price_source, "
    "delivery, note, bh, offer_check";

// "2026-12-08", the form the file keeps dates in (sorts as text in date order).
std::string dateText(std::chrono::year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::chrono::year_month_day parseDateText(const std::string& text) {
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (std::sscanf(text.c_str(), "%d-%u-%u", &year, &month, &day) != 3) {
        return {};
    }
    return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{month},
                                       std::chrono::day{day}};
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

QuoteWrite refused(std::string message) {
    QuoteWrite write;
    write.message = std::move(message);
    return write;
}

// A transaction that rolls back unless committed.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : db_(db), open_(execute(db, "BEGIN IMMEDIATE")) {}
    ~Transaction() {
        if (open_) {
            execute(db_, "ROLLBACK");
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool begun() const { return open_; }
    bool commit() {
        if (!open_ || !execute(db_, "COMMIT")) {
            return false;
        }
        open_ = false;
        return true;
    }

private:
    sqlite3* db_;
    bool open_;
};

// The highest count taken on `day`: handed out, or used by a kept quote. -1 when the file
// cannot be read.
int lastCounter(sqlite3* db, const std::string& day) {
    Statement select(db, "SELECT last_counter FROM quote_number_day WHERE day = ?1");
    select.bind(1, day);
    if (!select.ok()) {
        return -1;
    }
    const int rc = select.step();
    if (rc == SQLITE_DONE) {
        return 0;
    }
    if (rc != SQLITE_ROW) {
        return -1;
    }
    return static_cast<int>(select.integer(0).value_or(0));
}

// Writes that the count `counter` of `day` is taken (keeping the highest).
bool markTaken(sqlite3* db, const std::string& day, int counter) {
    Statement upsert(db,
                     "INSERT INTO quote_number_day (day, last_counter) VALUES (?1, ?2) "
                     "ON CONFLICT (day) DO UPDATE SET last_counter = "
                     "max(last_counter, excluded.last_counter)");
    upsert.bind(1, day);
    upsert.bind(2, std::optional<std::int64_t>(counter));
    return upsert.step() == SQLITE_DONE;
}

// The next number of `date`, taken, inside the caller's transaction.
ReservedNumber takeNumber(sqlite3* db, std::chrono::year_month_day date) {
    const std::string day = dateText(date);
    const int last = lastCounter(db, day);
    if (last < 0) {
        return {{}, messages::kReadFailed};
    }
    if (last >= kMaxQuoteCounter) {
        return {{}, messages::kQuoteNumbersUsedUp};
    }
    const std::string number = formatQuoteNumber(date, last + 1);
    if (number.empty()) {
        return {{}, messages::kBadQuoteNumber};
    }
    if (!markTaken(db, day, last + 1)) {
        return {{}, messages::kSaveFailed};
    }
    return {number, {}};
}

std::optional<std::int64_t> quoteId(sqlite3* db, const std::string& number, bool& readFailed) {
    Statement select(db, "SELECT id FROM quote WHERE number = ?1");
    select.bind(1, number);
    const int rc = select.step();
    readFailed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    if (rc != SQLITE_ROW) {
        return std::nullopt;
    }
    return select.integer(0);
}

bool writeQuoteRow(sqlite3* db, const Quote& quote, Fen total, std::optional<std::int64_t> id,
                   std::int64_t& keptId) {
    const std::string sql =
        id ? std::string("UPDATE quote SET (") + kQuoteColumns +
                 ", saved_at) = (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, " +
                 kLocalNow + ") WHERE id = ?14"
           : std::string("INSERT INTO quote (") + kQuoteColumns +
                 ", saved_at) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, " +
                 kLocalNow + ")";
    Statement write(db, sql);
    write.bind(1, quote.number);
    write.bind(2, dateText(quote.date));
    write.bind(3, quote.customer);
    write.bind(4, quote.contact);
    write.bind(5, quote.quotedBy);
    write.bind(6, std::optional<std::int64_t>(quote.validDays));
    write.bind(7, std::optional<std::int64_t>(quote.taxBasis == TaxBasis::ExcludingTax ? 1 : 0));
    write.bind(8, std::optional<std::int64_t>(quote.taxRateBasisPoints));
    write.bind(9, std::optional<std::int64_t>(quote.freight));
    write.bind(10, std::optional<std::int64_t>(quote.adjustment));
    write.bind(11, quote.note);
    write.bind(12, std::optional<std::int64_t>(static_cast<std::int64_t>(quote.lines.size())));
    write.bind(13, std::optional<std::int64_t>(total));
    if (id) {
        write.bind(14, id);
    }
    if (write.step() != SQLITE_DONE) {
        return false;
    }
    keptId = id ? *id : sqlite3_last_insert_rowid(db);
    return true;
}

bool writeLines(sqlite3* db, std::int64_t id, const std::vector<QuoteLine>& lines) {
    {
        Statement remove(db, "DELETE FROM quote_line WHERE quote_id = ?1");
        remove.bind(1, std::optional<std::int64_t>(id));
        if (remove.step() != SQLITE_DONE) {
            return false;
        }
    }
    Statement insert(db, std::string("INSERT INTO quote_line (quote_id, position, ") +
                             kLineColumns +
                             ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)");
    if (!insert.ok()) {
        return false;
    }
    std::int64_t position = 0;
    for (const QuoteLine& line : lines) {
        insert.bind(1, std::optional<std::int64_t>(id));
        insert.bind(2, std::optional<std::int64_t>(++position));
        insert.bind(3, line.askedModel);
        insert.bind(4, line.offeredModel);
        insert.bind(5, line.brand);
        insert.bind(6, line.quantity);
        insert.bind(7, line.unit);
        insert.bind(8, line.unitPrice);
        insert.bind(9, std::optional<std::int64_t>(static_cast<int>(line.priceSource)));
        insert.bind(10, line.delivery);
        insert.bind(11, line.note);
        insert.bind(12, line.bh);
        insert.bind(13, std::optional<std::int64_t>(static_cast<int>(line.check)));
        if (insert.step() != SQLITE_DONE) {
            return false;
        }
        insert.reset();
    }
    return true;
}

PriceSource priceSourceOf(std::int64_t value) {
    return value == 1 ? PriceSource::Shop : value == 2 ? PriceSource::Reference : PriceSource::None;
}

OfferCheck offerCheckOf(std::int64_t value) {
    return value == 1   ? OfferCheck::NoMatch
           : value == 2 ? OfferCheck::SeveralMatches
                        : OfferCheck::Settled;
}

bool readLines(sqlite3* db, std::int64_t id, std::vector<QuoteLine>& lines) {
    Statement select(db, std::string("SELECT ") + kLineColumns +
                             " FROM quote_line WHERE quote_id = ?1 ORDER BY position");
    select.bind(1, std::optional<std::int64_t>(id));
    int rc;
    while ((rc = select.step()) == SQLITE_ROW) {
        QuoteLine line;
        line.askedModel = select.text(0);
        line.offeredModel = select.text(1);
        line.brand = select.text(2);
        line.quantity = select.integer(3);
        line.unit = select.text(4);
        line.unitPrice = select.integer(5);
        line.priceSource = priceSourceOf(select.integer(6).value_or(0));
        line.delivery = select.text(7);
        line.note = select.text(8);
        line.bh = select.integer(9);
        line.check = offerCheckOf(select.integer(10).value_or(0));
        lines.push_back(std::move(line));
    }
    return rc == SQLITE_DONE;
}

// Characters of UTF-8 text: every byte but the continuation bytes.
std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// Whether the file has the quote tables. A file of the schema before them, opened for
// reading only (and so never upgraded), holds no quotes and no header.
bool hasQuoteTables(sqlite3* db) {
    Statement select(db,
                     "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                     "('quote', 'quote_line', 'shop_header')");
    return select.step() == SQLITE_ROW && select.integer(0).value_or(0) == 3;
}

}  // namespace

std::optional<std::vector<QuoteSummary>> listQuotes(const ShopFile& file) {
    if (!hasQuoteTables(file.connection())) {
        return std::vector<QuoteSummary>{};
    }
    Statement select(file.connection(),
                     "SELECT number, quote_date, customer, line_count, total_fen FROM quote "
                     "ORDER BY quote_date DESC, substr(number, 1, 8) DESC, "
                     "CAST(substr(number, 10) AS INTEGER) DESC, id DESC");
    if (!select.ok()) {
        return std::nullopt;
    }
    std::vector<QuoteSummary> quotes;
    int rc;
    while ((rc = select.step()) == SQLITE_ROW) {
        quotes.push_back(QuoteSummary{select.text(0), parseDateText(select.text(1)), select.text(2),
                                      static_cast<int>(select.integer(3).value_or(0)),
                                      select.integer(4).value_or(0)});
    }
    if (rc != SQLITE_DONE) {
        return std::nullopt;
    }
    return quotes;
}

LoadedQuote loadQuote(const ShopFile& file, std::string_view number) {
    sqlite3* db = file.connection();
    LoadedQuote loaded;
    if (!hasQuoteTables(db)) {
        loaded.status = QuoteLookup::NotFound;
        return loaded;
    }
    Statement select(db,
                     std::string("SELECT id, ") + kQuoteColumns + " FROM quote WHERE number = ?1");
    select.bind(1, trimmed(number));
    const int rc = select.step();
    if (rc == SQLITE_DONE) {
        loaded.status = QuoteLookup::NotFound;
        return loaded;
    }
    if (rc != SQLITE_ROW) {
        return loaded;
    }
    const std::int64_t id = select.integer(0).value_or(0);
    Quote& quote = loaded.quote;
    quote.number = select.text(1);
    quote.date = parseDateText(select.text(2));
    quote.customer = select.text(3);
    quote.contact = select.text(4);
    quote.quotedBy = select.text(5);
    quote.validDays = static_cast<int>(select.integer(6).value_or(kDefaultValidDays));
    quote.taxBasis =
        select.integer(7).value_or(0) == 1 ? TaxBasis::ExcludingTax : TaxBasis::IncludingTax;
    quote.taxRateBasisPoints =
        static_cast<int>(select.integer(8).value_or(kDefaultTaxRateBasisPoints));
    quote.freight = select.integer(9).value_or(0);
    quote.adjustment = select.integer(10).value_or(0);
    quote.note = select.text(11);
    if (!readLines(db, id, quote.lines)) {
        loaded.quote = {};
        return loaded;
    }
    loaded.status = QuoteLookup::Found;
    return loaded;
}

QuoteWrite saveQuote(ShopFile& file, const Quote& quote) {
    sqlite3* db = file.connection();
    Quote kept = quote;
    kept.number = trimmed(quote.number);
    std::optional<QuoteNumber> parsed;
    if (!kept.number.empty()) {
        parsed = parseQuoteNumber(kept.number);
        if (!parsed) {
            return refused(messages::kBadQuoteNumber);
        }
    }
    QuoteWrite write;
    write.problems = checkQuote(kept);
    const auto amounts = write.problems.empty() ? computeAmounts(kept) : std::nullopt;
    if (!amounts) {
        write.message = write.problems.empty() ? std::string(messages::kSaveFailed)
                                               : describeProblem(write.problems.front());
        return write;
    }

    Transaction transaction(db);
    if (!transaction.begun()) {
        return refused(messages::kSaveFailed);
    }
    if (kept.number.empty()) {
        const ReservedNumber reserved = takeNumber(db, kept.date);
        if (reserved.number.empty()) {
            return refused(reserved.message);
        }
        kept.number = reserved.number;
    } else if (!markTaken(db, dateText(parsed->date), parsed->counter)) {
        return refused(messages::kSaveFailed);
    }
    bool readFailed = false;
    const auto id = quoteId(db, kept.number, readFailed);
    std::int64_t keptId = 0;
    if (readFailed || !writeQuoteRow(db, kept, amounts->total, id, keptId) ||
        !writeLines(db, keptId, kept.lines) || !transaction.commit()) {
        return refused(messages::kSaveFailed);
    }
    write.ok = true;
    write.number = kept.number;
    write.quote = std::move(kept);
    return write;
}

ReservedNumber nextQuoteNumber(ShopFile& file, std::chrono::year_month_day date) {
    if (!date.ok()) {
        return {{}, quote_messages::kBadDate};
    }
    sqlite3* db = file.connection();
    Transaction transaction(db);
    if (!transaction.begun()) {
        return {{}, messages::kSaveFailed};
    }
    ReservedNumber reserved = takeNumber(db, date);
    if (!reserved.number.empty() && !transaction.commit()) {
        return {{}, messages::kSaveFailed};
    }
    return reserved;
}

QuoteWrite copyQuote(ShopFile& file, std::string_view number, std::chrono::year_month_day today) {
    LoadedQuote original = loadQuote(file, number);
    if (original.status == QuoteLookup::NotFound) {
        return refused(messages::kQuoteNotFound);
    }
    if (original.status != QuoteLookup::Found) {
        return refused(messages::kReadFailed);
    }
    Quote copy = std::move(original.quote);
    copy.number.clear();
    copy.date = today;
    return saveQuote(file, copy);
}

QuoteWrite deleteQuote(ShopFile& file, std::string_view number) {
    sqlite3* db = file.connection();
    Transaction transaction(db);
    if (!transaction.begun()) {
        return refused(messages::kSaveFailed);
    }
    bool readFailed = false;
    const auto id = quoteId(db, trimmed(number), readFailed);
    if (readFailed) {
        return refused(messages::kReadFailed);
    }
    if (!id) {
        return refused(messages::kQuoteNotFound);
    }
    Statement lines(db, "DELETE FROM quote_line WHERE quote_id = ?1");
    lines.bind(1, id);
    Statement quote(db, "DELETE FROM quote WHERE id = ?1");
    quote.bind(1, id);
    if (lines.step() != SQLITE_DONE || quote.step() != SQLITE_DONE || !transaction.commit()) {
        return refused(messages::kSaveFailed);
    }
    QuoteWrite write;
    write.ok = true;
    write.number = trimmed(number);
    return write;
}

std::optional<ShopHeader> loadShopHeader(const ShopFile& file) {
    if (!hasQuoteTables(file.connection())) {
        return ShopHeader{};
    }
    Statement select(file.connection(),
                     "SELECT name, phone, address, bank FROM shop_header WHERE id = 1");
    if (!select.ok()) {
        return std::nullopt;
    }
    const int rc = select.step();
    if (rc == SQLITE_DONE) {
        return ShopHeader{};
    }
    if (rc != SQLITE_ROW) {
        return std::nullopt;
    }
    return ShopHeader{select.text(0), select.text(1), select.text(2), select.text(3)};
}

ShopWrite saveShopHeader(ShopFile& file, const ShopHeader& header) {
    for (const std::string* field : {&header.name, &header.phone, &header.address, &header.bank}) {
        if (characters(*field) > kMaxShortText) {
            return ShopWrite{false, quote_messages::kTextTooLong};
        }
    }
    Statement upsert(file.connection(),
                     "INSERT INTO shop_header (id, name, phone, address, bank) "
                     "VALUES (1, ?1, ?2, ?3, ?4) ON CONFLICT (id) DO UPDATE SET "
                     "name = excluded.name, phone = excluded.phone, "
                     "address = excluded.address, bank = excluded.bank");
    upsert.bind(1, header.name);
    upsert.bind(2, header.phone);
    upsert.bind(3, header.address);
    upsert.bind(4, header.bank);
    if (upsert.step() != SQLITE_DONE) {
        return ShopWrite{false, messages::kSaveFailed};
    }
    return ShopWrite{true, {}};
}

std::chrono::year_month_day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

}  // namespace lz::shop
