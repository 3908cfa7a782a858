#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "shop/import/cleaning.h"
#include "shop/import/column_mapping.h"
#include "shop/import/read_limits.h"
#include "shop/import/sheet.h"
#include "shop/store/shop_file.h"
#include "shop/store/stock_line.h"

namespace lz::shop {

// How many lines the import dialog previews.
inline constexpr int kPreviewLineCount = 20;

struct StockImportOptions {
    QString sheetName;        // the sheet to read; empty: the first (visible) one
    QStringList knownBrands;  // the catalogue's brands (ppai), for splitting glued brands
    ReadLimits limits;
};

// A stock-list file read for import: its sheet, the header found and the lines cleaned by
// it. Nothing is written anywhere. With an error, `format` and `sheetNames` are filled as
// far as they could be read, and `sheet` too when the only problem is the header (so a
// dialog may still let the user pick the columns).
struct StockFileReading {
    QString error;  // a user's message from shop_messages.h; empty when lines were read
    SheetFormat format = SheetFormat::Unknown;
    QStringList sheetNames;
    Sheet sheet;
    ColumnMapping mapping;
    CleanedLines cleaned;
};

// Reads the file, finds the header ("找不到表头（型号、数量……）" when there is none) and
// cleans the lines ("表头下面没有库存行" when there are none). A changed mapping is
// re-applied with cleanStockLines(reading.sheet, mapping, brands).
StockFileReading readStockFile(const QString& path, const StockImportOptions& options);

// The shop file's line for an imported line, not matched yet (UTF-8 texts).
StockLine toStockLine(const ImportedLine& line);
std::vector<StockLine> toStockLines(const std::vector<ImportedLine>& lines);

// Settles how an imported line stands against the catalogue: sets match, bh and newno of
// the shop file's line made from it.
using LineMatcher = std::function<void(const ImportedLine& imported, StockLine& stock)>;

// Stores cleaned lines as the shop's stock list: each made into a StockLine and settled by
// `match` when one is given (left unmatched otherwise), then written with `overrides` in
// one transaction after a backup (ShopFile::importLines). No lines is refused ("表头下面
// 没有库存行"): an import that would empty the list is bad input, and bad input never
// writes.
ShopWrite storeStockLines(ShopFile& file, const std::vector<ImportedLine>& lines,
                          const std::string& sourceName, const LineMatcher& match = {},
                          const std::vector<MatchOverride>& overrides = {},
                          const ImportProgress& progress = {});

}  // namespace lz::shop
