#pragma once

#include <QStringList>

#include <string>
#include <vector>

#include "shop/import/cleaning.h"
#include "shop/matching/stock_matcher.h"
#include "shop/store/shop_file.h"

namespace lz::shop {

// The catalogue's brands, as the cleaning of a stock list wants them (StockImportOptions).
QStringList knownBrandsOf(const StockMatcher& matcher);

// Cleaned lines matched against the catalogue, each as the import would store it: the
// user's earlier answer for its text and brand, or the matcher's own finding.
struct MatchedLines {
    std::vector<LineMatch> matches;  // one per line, in order
    MatchCounts counts;
};
MatchedLines matchImportedLines(const std::vector<ImportedLine>& lines, const StockMatcher& matcher,
                                const MatchAnswers& answers);

// The shop file's lines for cleaned lines and their matches (as many of each).
std::vector<StockLine> matchedStockLines(const std::vector<ImportedLine>& lines,
                                         const std::vector<LineMatch>& matches);

// Stores matched lines as the shop's stock list with the answers the user gave in this
// import, in one transaction after a backup; no lines is refused ("表头下面没有库存行").
ShopWrite storeMatchedLines(ShopFile& file, const std::vector<ImportedLine>& lines,
                            const std::vector<LineMatch>& matches, const std::string& sourceName,
                            const std::vector<MatchOverride>& newAnswers = {},
                            const ImportProgress& progress = {});

}  // namespace lz::shop
