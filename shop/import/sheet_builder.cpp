#include "shop/import/sheet_builder.h"

#include <utility>

#include "shop/shop_messages.h"

namespace lz::shop {

namespace {

// A bound on merged blocks kept: real sheets have a few per group of lines.
constexpr std::size_t kMaxMergedRanges = 100'000;

// Nothing but white space (the ideographic space and no-break space included).
bool isBlank(const QString& text) {
    for (QChar c : text) {
        if (!c.isSpace()) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString sheetFormatName(SheetFormat format) {
    switch (format) {
        case SheetFormat::Xlsx:
            return QStringLiteral("xlsx");
        case SheetFormat::Xls:
            return QStringLiteral("xls");
        case SheetFormat::HtmlTable:
            return QStringLiteral("html");
        case SheetFormat::Delimited:
            return QStringLiteral("csv");
        case SheetFormat::Unknown:
            break;
    }
    return QStringLiteral("unknown");
}

bool exceedsUtf8Bytes(const QString& text, std::int64_t maxBytes) {
    // A UTF-16 unit is at most three UTF-8 bytes (a surrogate pair four for two units).
    if (static_cast<std::int64_t>(text.size()) * 3 <= maxBytes) {
        return false;
    }
    if (text.size() > maxBytes) {
        return true;
    }
    return text.toUtf8().size() > maxBytes;
}

SheetBuilder::SheetBuilder(QString name, const ReadLimits& limits) : limits_(limits) {
    sheet_.name = std::move(name);
}

void SheetBuilder::fail(const QString& message) {
    if (error_.isEmpty()) {
        error_ = message;
    }
}

bool SheetBuilder::addCell(int rowNumber, int column, QString text) {
    if (failed()) {
        return false;
    }
    if (column < 0 || isBlank(text)) {
        return true;
    }
    if (exceedsUtf8Bytes(text, limits_.maxCellBytes)) {
        fail(QString::fromUtf8(messages::kCellTooLarge) +
             QStringLiteral("（第 %1 行）").arg(rowNumber));
        return false;
    }
    if (sheet_.rows.empty() || sheet_.rows.back().number != rowNumber) {
        sheet_.rows.push_back(SheetRow{rowNumber, {}});
    }
    auto& cells = sheet_.rows.back().cells;
    if (column >= static_cast<int>(cells.size())) {
        slots_ += column + 1 - static_cast<std::int64_t>(cells.size());
        if (slots_ > limits_.maxCells) {
            fail(QString::fromUtf8(messages::kTooManyCells));
            return false;
        }
        cells.resize(static_cast<std::size_t>(column) + 1);
    }
    cells[static_cast<std::size_t>(column)] = std::move(text);
    return true;
}

void SheetBuilder::addMerged(const MergedRange& range) {
    if (range.firstRow <= range.lastRow && range.firstColumn <= range.lastColumn &&
        range.firstColumn >= 0 && sheet_.merged.size() < kMaxMergedRanges &&
        (range.firstRow != range.lastRow || range.firstColumn != range.lastColumn)) {
        sheet_.merged.push_back(range);
    }
}

Sheet SheetBuilder::take() {
    return std::move(sheet_);
}

}  // namespace lz::shop
