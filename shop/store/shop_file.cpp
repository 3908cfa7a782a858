#include "shop/store/shop_file.h"

#include <string_view>
#include <utility>

#include "shop/shop_messages.h"
#include "shop/store/backups.h"
#include "shop/store/file_header.h"
#include "shop/store/sqlite_handles.h"

namespace lz::shop {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr int kProgressEvery = 500;

constexpr const char* kLocalNow = "strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')";

constexpr const char* kLineColumns =
    "source_line, designation, brand, quantity, price_fen, cost_fen, location, note, "
    "match_state, bh, newno";

ShopFileOpening refused(ShopFileStatus status) {
    ShopFileOpening opening;
    opening.status = status;
    opening.message = shopFileStatusMessage(status);
    return opening;
}

bool passesQuickCheck(sqlite3* db) {
    Statement check(db, "PRAGMA quick_check");
    if (!check.ok() || check.step() != SQLITE_ROW || check.text(0) != "ok") {
        return false;
    }
    return check.step() == SQLITE_DONE;
}

// The steps after `from`, their version change and the application id, in one transaction.
bool migrate(sqlite3* db, std::span<const Migration> migrations, int from, int to) {
    if (!execute(db, "BEGIN IMMEDIATE")) {
        return false;
    }
    bool ok = true;
    for (const Migration& step : migrations) {
        if (step.version > from && !execute(db, step.sql)) {
            ok = false;
            break;
        }
    }
    if (ok) {
        const std::string stamp =
            "PRAGMA user_version = " + std::to_string(to) +
            "; PRAGMA application_id = " + std::to_string(kShopApplicationId) + ";";
        ok = execute(db, stamp.c_str()) && execute(db, "COMMIT");
    }
    if (!ok) {
        execute(db, "ROLLBACK");
    }
    return ok;
}

StockLine readLine(const Statement& row) {
    StockLine line;
    line.sourceLine = static_cast<int>(row.integer(0).value_or(0));
    line.designation = row.text(1);
    line.brand = row.text(2);
    line.quantity = row.integer(3);
    line.priceFen = row.integer(4);
    line.costFen = row.integer(5);
    line.location = row.text(6);
    line.note = row.text(7);
    const auto state = row.integer(8).value_or(0);
    line.match = state == 1   ? MatchState::Matched
                 : state == 2 ? MatchState::Pending
                              : MatchState::Unmatched;
    line.bh = row.integer(9);
    line.newno = row.text(10);
    return line;
}

ShopWrite failed(std::string message) {
    return ShopWrite{false, std::move(message)};
}

// Stores an answer, replacing the one for the same text and brand.
std::string upsertOverrideSql() {
    return std::string(
               "INSERT INTO match_override (imported_text, imported_brand, bh, newno, chosen_at) "
               "VALUES (?1, ?2, ?3, ?4, ") +
           kLocalNow +
           ") ON CONFLICT (imported_text, imported_brand) DO UPDATE SET "
           "bh = excluded.bh, newno = excluded.newno, chosen_at = excluded.chosen_at";
}

bool storeOverride(Statement& upsert, const MatchOverride& answer) {
    upsert.bind(1, answer.importedText);
    upsert.bind(2, answer.importedBrand);
    upsert.bind(3, answer.bh);
    upsert.bind(4, answer.newno);
    const bool stored = upsert.step() == SQLITE_DONE;
    upsert.reset();
    return stored;
}

}  // namespace

const char* shopFileStatusMessage(ShopFileStatus status) {
    switch (status) {
        case ShopFileStatus::Ready:
            return "";
        case ShopFileStatus::NotOurs:
            return messages::kShopFileNotOurs;
        case ShopFileStatus::Damaged:
            return messages::kShopFileDamaged;
        case ShopFileStatus::Newer:
            return messages::kShopFileNewer;
        case ShopFileStatus::UpgradeFailed:
            return messages::kShopFileUpgradeFailed;
        case ShopFileStatus::CannotOpen:
            break;
    }
    return messages::kShopFileCannotOpen;
}

ShopFileOpening ShopFile::open(const std::filesystem::path& path) {
    return open(path, shopMigrations());
}

ShopFileOpening ShopFile::open(const std::filesystem::path& path,
                               std::span<const Migration> migrations) {
    const int latest = migrations.empty() ? 0 : migrations.back().version;
    const FileHeader header = readFileHeader(path);
    switch (header.kind) {
        case FileHeader::Kind::Other:
            return refused(ShopFileStatus::NotOurs);
        case FileHeader::Kind::Unreadable:
            return refused(ShopFileStatus::CannotOpen);
        case FileHeader::Kind::SQLite:
            if (header.applicationId != kShopApplicationId) {
                return refused(ShopFileStatus::NotOurs);
            }
            if (header.userVersion > latest) {
                return refused(ShopFileStatus::Newer);
            }
            break;
        case FileHeader::Kind::Missing:
        case FileHeader::Kind::Empty:
            break;
    }
    const bool fresh = header.kind != FileHeader::Kind::SQLite;

    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (header.kind == FileHeader::Kind::Missing) {
        flags |= SQLITE_OPEN_CREATE;
    }
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return refused(ShopFileStatus::CannotOpen);
    }
    std::unique_ptr<ShopFile> file(new ShopFile(db, path));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);

    if (!fresh && !passesQuickCheck(db)) {
        return refused(ShopFileStatus::Damaged);
    }
    // A rollback journal keeps the file one file; FULL syncs make a commit survive a power
    // cut.
    {
        Statement mode(db, "PRAGMA journal_mode = DELETE");
        if (!mode.ok() || mode.step() != SQLITE_ROW || mode.text(0) != "delete") {
            return refused(ShopFileStatus::CannotOpen);
        }
    }
    if (!execute(db, "PRAGMA synchronous = FULL")) {
        return refused(ShopFileStatus::CannotOpen);
    }
    const auto version = pragmaInteger(db, "user_version");
    if (!version) {
        return refused(ShopFileStatus::Damaged);
    }
    if (*version > latest) {
        return refused(ShopFileStatus::Newer);
    }

    ShopFileOpening opening;
    if (*version < latest) {
        // Nothing to keep in a file that is new; any other file is copied before it changes.
        if (!fresh && !file->backUp("upgrade")) {
            return refused(ShopFileStatus::UpgradeFailed);
        }
        if (!migrate(db, migrations, static_cast<int>(*version), latest)) {
            return refused(ShopFileStatus::UpgradeFailed);
        }
        opening.created = fresh;
        opening.upgraded = !fresh;
    }
    opening.status = ShopFileStatus::Ready;
    opening.file = std::move(file);
    return opening;
}

ShopFileOpening ShopFile::openForReading(const std::filesystem::path& path) {
    const int latest = shopMigrations().back().version;
    const FileHeader header = readFileHeader(path);
    if (header.kind == FileHeader::Kind::Other) {
        return refused(ShopFileStatus::NotOurs);
    }
    if (header.kind != FileHeader::Kind::SQLite) {
        return refused(ShopFileStatus::CannotOpen);
    }
    if (header.applicationId != kShopApplicationId) {
        return refused(ShopFileStatus::NotOurs);
    }
    if (header.userVersion > latest) {
        return refused(ShopFileStatus::Newer);
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return refused(ShopFileStatus::CannotOpen);
    }
    std::unique_ptr<ShopFile> file(new ShopFile(db, path));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    if (!execute(db, "PRAGMA query_only = 1") || !passesQuickCheck(db)) {
        return refused(ShopFileStatus::Damaged);
    }
    ShopFileOpening opening;
    opening.status = ShopFileStatus::Ready;
    opening.file = std::move(file);
    return opening;
}

ShopFile::ShopFile(sqlite3* db, std::filesystem::path path) : db_(db), path_(std::move(path)) {}

ShopFile::~ShopFile() {
    sqlite3_close(db_);
}

std::filesystem::path ShopFile::backupDirectory() const {
    return path_.parent_path() / "backups";
}

bool ShopFile::backUp(const char* reason) {
    return !makeBackup(db_, backupDirectory(), reason).empty();
}

std::optional<std::vector<StockLine>> ShopFile::lines() const {
    Statement select(db_, std::string("SELECT ") + kLineColumns + " FROM stock_line ORDER BY id");
    if (!select.ok()) {
        return std::nullopt;
    }
    std::vector<StockLine> lines;
    int rc;
    while ((rc = select.step()) == SQLITE_ROW) {
        lines.push_back(readLine(select));
    }
    if (rc != SQLITE_DONE) {
        return std::nullopt;
    }
    return lines;
}

std::optional<ShopStock> ShopFile::stockByRow() const {
    Statement select(db_,
                     "SELECT bh, newno, quantity, price_fen FROM stock_line WHERE match_state = 1 "
                     "ORDER BY id");
    if (!select.ok()) {
        return std::nullopt;
    }
    ShopStock stock;
    StockLine line;  // one line, its text's room kept from line to line
    line.match = MatchState::Matched;
    int rc;
    while ((rc = select.step()) == SQLITE_ROW) {
        line.bh = select.integer(0);
        line.newno = select.text(1);
        line.quantity = select.integer(2);
        line.priceFen = select.integer(3);
        stock.add(line);
    }
    if (rc != SQLITE_DONE) {
        return std::nullopt;
    }
    return stock;
}

ShopWrite ShopFile::importLines(const std::vector<StockLine>& lines, const std::string& sourceName,
                                const std::vector<MatchOverride>& overrides,
                                const ImportProgress& progress) {
    if (!backUp("import")) {
        return failed(messages::kBackupFailed);
    }
    if (!execute(db_, "BEGIN IMMEDIATE")) {
        return failed(messages::kImportFailed);
    }
    auto rollback = [this](std::string message) {
        execute(db_, "ROLLBACK");
        return failed(std::move(message));
    };
    if (!execute(db_,
                 "DELETE FROM stock_line_before_import;"
                 "INSERT INTO stock_line_before_import SELECT * FROM stock_line;"
                 "DELETE FROM stock_line;")) {
        return rollback(messages::kImportFailed);
    }
    {
        Statement insert(db_, std::string("INSERT INTO stock_line (") + kLineColumns +
                                  ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
        if (!insert.ok()) {
            return rollback(messages::kImportFailed);
        }
        int written = 0;
        for (const StockLine& line : lines) {
            insert.bind(1, std::optional<std::int64_t>(line.sourceLine));
            insert.bind(2, line.designation);
            insert.bind(3, line.brand);
            insert.bind(4, line.quantity);
            insert.bind(5, line.priceFen);
            insert.bind(6, line.costFen);
            insert.bind(7, line.location);
            insert.bind(8, line.note);
            insert.bind(9, std::optional<std::int64_t>(static_cast<int>(line.match)));
            insert.bind(10, line.bh);
            insert.bind(11, line.newno);
            if (insert.step() != SQLITE_DONE) {
                return rollback(std::string(messages::kImportFailed) + "（第 " +
                                std::to_string(line.sourceLine) + " 行）");
            }
            insert.reset();
            ++written;
            if (progress && written % kProgressEvery == 0 && !progress(written)) {
                return rollback(messages::kImportCancelled);
            }
        }
        if (progress && written % kProgressEvery != 0 && !progress(written)) {
            return rollback(messages::kImportCancelled);
        }
    }
    {
        Statement upsert(db_, upsertOverrideSql());
        for (const MatchOverride& answer : overrides) {
            if (!storeOverride(upsert, answer)) {
                return rollback(messages::kImportFailed);
            }
        }
    }
    {
        Statement log(db_, std::string("INSERT INTO import_run (source_name, imported_at, "
                                       "line_count) VALUES (?1, ") +
                               kLocalNow + ", ?2)");
        log.bind(1, sourceName);
        log.bind(2, std::optional<std::int64_t>(static_cast<std::int64_t>(lines.size())));
        if (log.step() != SQLITE_DONE) {
            return rollback(messages::kImportFailed);
        }
    }
    if (!execute(db_, "COMMIT")) {
        return rollback(messages::kImportFailed);
    }
    return ShopWrite{true, {}};
}

std::optional<ImportRecord> ShopFile::undoableImport() const {
    Statement select(db_,
                     "SELECT source_name, imported_at, line_count FROM import_run "
                     "WHERE id = (SELECT max(id) FROM import_run) AND undone = 0");
    if (!select.ok() || select.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return ImportRecord{select.text(0), select.text(1),
                        static_cast<int>(select.integer(2).value_or(0))};
}

ShopWrite ShopFile::undoLastImport() {
    if (!undoableImport()) {
        return failed(messages::kNothingToUndo);
    }
    if (!backUp("undo")) {
        return failed(messages::kBackupFailed);
    }
    if (!execute(db_, "BEGIN IMMEDIATE")) {
        return failed(messages::kUndoFailed);
    }
    if (!execute(db_,
                 "DELETE FROM stock_line;"
                 "INSERT INTO stock_line SELECT * FROM stock_line_before_import;"
                 "DELETE FROM stock_line_before_import;"
                 "UPDATE import_run SET undone = 1 WHERE id = (SELECT max(id) FROM import_run);"
                 "COMMIT;")) {
        execute(db_, "ROLLBACK");
        return failed(messages::kUndoFailed);
    }
    return ShopWrite{true, {}};
}

std::optional<MatchOverride> ShopFile::findOverride(const std::string& importedText,
                                                    const std::string& importedBrand) const {
    Statement select(db_,
                     "SELECT bh, newno FROM match_override "
                     "WHERE imported_text = ?1 AND imported_brand = ?2");
    select.bind(1, importedText);
    select.bind(2, importedBrand);
    if (!select.ok() || select.step() != SQLITE_ROW) {
        return std::nullopt;
    }
    return MatchOverride{importedText, importedBrand, select.integer(0), select.text(1)};
}

std::optional<std::vector<MatchOverride>> ShopFile::overrides() const {
    Statement select(db_,
                     "SELECT imported_text, imported_brand, bh, newno FROM match_override "
                     "ORDER BY imported_text, imported_brand");
    if (!select.ok()) {
        return std::nullopt;
    }
    std::vector<MatchOverride> answers;
    int rc;
    while ((rc = select.step()) == SQLITE_ROW) {
        answers.push_back(
            MatchOverride{select.text(0), select.text(1), select.integer(2), select.text(3)});
    }
    if (rc != SQLITE_DONE) {
        return std::nullopt;
    }
    return answers;
}

ShopWrite ShopFile::saveOverride(const MatchOverride& answer) {
    Statement upsert(db_, upsertOverrideSql());
    if (!storeOverride(upsert, answer)) {
        return failed(messages::kSaveFailed);
    }
    return ShopWrite{true, {}};
}

ShopWrite ShopFile::removeOverride(const std::string& importedText,
                                   const std::string& importedBrand) {
    Statement remove(db_,
                     "DELETE FROM match_override WHERE imported_text = ?1 AND imported_brand = ?2");
    remove.bind(1, importedText);
    remove.bind(2, importedBrand);
    if (remove.step() != SQLITE_DONE) {
        return failed(messages::kSaveFailed);
    }
    return ShopWrite{true, {}};
}

}  // namespace lz::shop
