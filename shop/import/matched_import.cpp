#include "shop/import/matched_import.h"

#include "shop/import/stock_import.h"
#include "shop/shop_messages.h"

namespace lz::shop {

QStringList knownBrandsOf(const StockMatcher& matcher) {
    QStringList brands;
    for (const std::string& brand : matcher.rows().brands()) {
        brands << QString::fromStdString(brand);
    }
    return brands;
}

MatchedLines matchImportedLines(const std::vector<ImportedLine>& lines, const StockMatcher& matcher,
                                const MatchAnswers& answers) {
    MatchedLines matched;
    matched.matches.reserve(lines.size());
    for (const ImportedLine& line : lines) {
        matched.matches.push_back(
            matchLine(matcher, answers, line.designation.toStdString(), line.brand.toStdString()));
        matched.counts.add(matched.matches.back().state);
    }
    return matched;
}

std::vector<StockLine> matchedStockLines(const std::vector<ImportedLine>& lines,
                                         const std::vector<LineMatch>& matches) {
    std::vector<StockLine> stock = toStockLines(lines);
    for (std::size_t k = 0; k < stock.size() && k < matches.size(); ++k) {
        applyMatch(matches[k], stock[k]);
    }
    return stock;
}

ShopWrite storeMatchedLines(ShopFile& file, const std::vector<ImportedLine>& lines,
                            const std::vector<LineMatch>& matches, const std::string& sourceName,
                            const std::vector<MatchOverride>& newAnswers,
                            const ImportProgress& progress) {
    if (lines.empty()) {
        return ShopWrite{false, messages::kNoLines};
    }
    return file.importLines(matchedStockLines(lines, matches), sourceName, newAnswers, progress);
}

}  // namespace lz::shop
