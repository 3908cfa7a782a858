#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "shop/store/shop_schema.h"
#include "shop/store/shop_stock.h"
#include "shop/store/stock_line.h"

namespace lz::shop {

class ShopFile;

// What opening the shop file found. Only Ready comes with a file; with every other status
// the file on disk was left exactly as it was and the program goes on without shop data.
enum class ShopFileStatus {
    Ready,
    NotOurs,        // some other file (no SQLite file, or another program's)
    Damaged,        // SQLite's quick check finds a fault, or the file cannot be read
    Newer,          // written by a newer program: a schema version this one does not know
    CannotOpen,     // missing directory, no permission
    UpgradeFailed,  // the backup before the upgrade or the upgrade itself failed
};

struct ShopFileOpening {
    ShopFileStatus status = ShopFileStatus::CannotOpen;
    std::string message;  // the user's message for any status but Ready
    std::unique_ptr<ShopFile> file;
    bool created = false;   // the file was new (or empty) and now has the schema
    bool upgraded = false;  // an older schema was migrated, after a backup
};

// The result of a write. A failed write changed nothing in the file.
struct ShopWrite {
    bool ok = false;
    std::string message;  // the user's message when not ok
};

// Called every few hundred lines while an import writes, with the lines written so far;
// returning false cancels the import, which then leaves the file as it was.
using ImportProgress = std::function<bool(int linesWritten)>;

// The shop's own file ($XDG_DATA_HOME/lingzhou/shop.sqlite; the program passes the path):
// its stock list, the list before the last import, and the user's match answers. Plain
// SQLite with a rollback journal, so the file is always one file a user can copy. A backup
// goes to "backups/" beside it before every import, undo and schema upgrade.
class ShopFile {
public:
    // Opens the file, creating it when missing or empty. A file that is not the shop's,
    // fails SQLite's quick check or comes from a newer program is never written to.
    static ShopFileOpening open(const std::filesystem::path& path);
    // The same with the schema steps given, for testing upgrades.
    static ShopFileOpening open(const std::filesystem::path& path,
                                std::span<const Migration> migrations);

    // Opens an existing file for reading only (the command line's "stock list"): the same
    // checks (another program's file, a failed quick check, a newer schema), but nothing is
    // ever created, upgraded or written: a missing or empty file is CannotOpen.
    static ShopFileOpening openForReading(const std::filesystem::path& path);

    ~ShopFile();
    ShopFile(const ShopFile&) = delete;
    ShopFile& operator=(const ShopFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // "backups" beside the file.
    std::filesystem::path backupDirectory() const;

    // The stock list in the order it was imported; nothing when the file cannot be read.
    std::optional<std::vector<StockLine>> lines() const;
    // The stock by catalogue row, built from the matched lines as they are read, with only
    // what it needs (bh, newno, quantity, price): the texts it does not show are left
    // unread, so that the 型号助手 opens as quickly with a long list as without one.
    // Nothing when the file cannot be read.
    std::optional<ShopStock> stockByRow() const;

    // Replaces the stock list with `lines` and stores `overrides` (replacing earlier
    // answers for the same text and brand), all in one transaction, after a backup. The
    // list before is kept for undoLastImport. `sourceName` names the imported file in
    // the log. On any failure (a line without designation, a matched line that names
    // nothing, a full disk, a cancel) the file stays as it was.
    ShopWrite importLines(const std::vector<StockLine>& lines, const std::string& sourceName,
                          const std::vector<MatchOverride>& overrides = {},
                          const ImportProgress& progress = {});

    // The last import when it can still be undone.
    std::optional<ImportRecord> undoableImport() const;
    // Brings back the list as it was before the last import, after a backup. One level:
    // afterwards there is nothing more to undo until the next import.
    ShopWrite undoLastImport();

    // The user's answer for a designation and brand as imported (cleaned texts, compared
    // exactly), or nothing.
    std::optional<MatchOverride> findOverride(const std::string& importedText,
                                              const std::string& importedBrand) const;
    std::optional<std::vector<MatchOverride>> overrides() const;
    // Stores one answer (replacing an earlier one for the same text and brand).
    ShopWrite saveOverride(const MatchOverride& answer);
    ShopWrite removeOverride(const std::string& importedText, const std::string& importedBrand);

    // The connection, for the code of the file's other tables in shop/store (the quotes,
    // quote_store.h); nothing above the store reaches SQLite.
    sqlite3* connection() const { return db_; }

private:
    ShopFile(sqlite3* db, std::filesystem::path path);

    bool backUp(const char* reason);

    sqlite3* db_;
    std::filesystem::path path_;
};

const char* shopFileStatusMessage(ShopFileStatus status);

}  // namespace lz::shop
