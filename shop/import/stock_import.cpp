#include "shop/import/stock_import.h"

#include "shop/import/sheet_reader.h"
#include "shop/shop_messages.h"

namespace lz::shop {

StockFileReading readStockFile(const QString& path, const StockImportOptions& options) {
    StockFileReading reading;
    SheetReading sheet = readSheet(path, options.sheetName, options.limits);
    reading.format = sheet.format;
    reading.sheetNames = std::move(sheet.sheetNames);
    if (!sheet.error.isEmpty()) {
        reading.error = sheet.error;
        return reading;
    }
    reading.sheet = std::move(sheet.sheet);
    const auto header = findHeader(reading.sheet);
    if (!header) {
        reading.error = QString::fromUtf8(messages::kNoHeader);
        return reading;
    }
    reading.mapping = *header;
    reading.cleaned =
        cleanStockLines(reading.sheet, reading.mapping, KnownBrands(options.knownBrands));
    if (reading.cleaned.lines.empty()) {
        reading.error = QString::fromUtf8(messages::kNoLines);
    }
    return reading;
}

StockLine toStockLine(const ImportedLine& line) {
    StockLine stock;
    stock.sourceLine = line.sourceLine;
    stock.designation = line.designation.toStdString();
    stock.brand = line.brand.toStdString();
    stock.quantity = line.quantity;
    stock.priceFen = line.priceFen;
    stock.costFen = line.costFen;
    stock.location = line.location.toStdString();
    stock.note = line.note.toStdString();
    return stock;
}

std::vector<StockLine> toStockLines(const std::vector<ImportedLine>& lines) {
    std::vector<StockLine> stock;
    stock.reserve(lines.size());
    for (const ImportedLine& line : lines) {
        stock.push_back(toStockLine(line));
    }
    return stock;
}

ShopWrite storeStockLines(ShopFile& file, const std::vector<ImportedLine>& lines,
                          const std::string& sourceName, const LineMatcher& match,
                          const std::vector<MatchOverride>& overrides,
                          const ImportProgress& progress) {
    if (lines.empty()) {
        return ShopWrite{false, messages::kNoLines};
    }
    std::vector<StockLine> stock = toStockLines(lines);
    if (match) {
        for (std::size_t k = 0; k < lines.size(); ++k) {
            match(lines[k], stock[k]);
        }
    }
    return file.importLines(stock, sourceName, overrides, progress);
}

}  // namespace lz::shop
