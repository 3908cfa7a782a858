#include "shop/import/cleaning.h"

#include <algorithm>
#include <utility>

#include "shop/shop_messages.h"
#include "shop/store/money.h"

namespace lz::shop {

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') ||
           c == QLatin1Char('/') || c == QLatin1Char(':');
}

bool isAsciiLetter(QChar c) {
    return c.unicode() < 0x80 && c.isLetter();
}
bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Rows by number, for finding the rows a merged block covers.
std::vector<std::pair<int, int>> rowsByNumber(const Sheet& sheet) {
    std::vector<std::pair<int, int>> rows;
    rows.reserve(sheet.rows.size());
    for (int index = 0; index < static_cast<int>(sheet.rows.size()); ++index) {
        rows.emplace_back(sheet.rows[static_cast<std::size_t>(index)].number, index);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return rows;
}

// The text each row shows in `column` through a merged block (by row index; null where no
// block reaches), or an empty vector when no block touches the column.
std::vector<QString> mergedColumnTexts(const Sheet& sheet, int column,
                                       const std::vector<std::pair<int, int>>& byNumber) {
    std::vector<const MergedRange*> ranges;
    for (const MergedRange& range : sheet.merged) {
        if (range.firstColumn <= column && column <= range.lastColumn) {
            ranges.push_back(&range);
        }
    }
    if (ranges.empty()) {
        return {};
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const MergedRange* a, const MergedRange* b) { return a->firstRow < b->firstRow; });
    std::vector<QString> texts(sheet.rows.size());
    auto firstAtOrAfter = [&](int number) {
        return std::lower_bound(byNumber.begin(), byNumber.end(), number,
                                [](const auto& entry, int n) { return entry.first < n; });
    };
    int coveredTo = 0;
    for (const MergedRange* range : ranges) {
        if (range->firstRow <= coveredTo) {
            continue;  // overlapping blocks are no valid sheet; the first one counts
        }
        coveredTo = range->lastRow;
        const auto top = firstAtOrAfter(range->firstRow);
        if (top == byNumber.end() || top->first != range->firstRow) {
            continue;
        }
        const QString text =
            sheet.rows[static_cast<std::size_t>(top->second)].cell(range->firstColumn);
        if (text.isEmpty()) {
            continue;
        }
        for (auto it = top; it != byNumber.end() && it->first <= range->lastRow; ++it) {
            if (it->first != range->firstRow || column != range->firstColumn) {
                texts[static_cast<std::size_t>(it->second)] = text;
            }
        }
    }
    return texts;
}

bool isTotalRow(const QString& designation) {
    static const QString words[] = {QStringLiteral("合计"), QStringLiteral("小计"),
                                    QStringLiteral("总计"), QStringLiteral("共计")};
    for (const QString& word : words) {
        if (designation.startsWith(word)) {
            return true;
        }
    }
    return false;
}

// The number at the start of a cleaned cell and what follows it; thousands separators
// inside the number dropped.
std::pair<QString, QString> splitNumberAndRest(const QString& text) {
    QString number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        number.append(text[i++]);
    }
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c) || c == QLatin1Char('.')) {
            number.append(c);
        } else if (c != QLatin1Char(',')) {
            break;
        }
    }
    return {number, text.mid(i).trimmed()};
}

}  // namespace

QString toHalfWidth(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0xFF01 && unit <= 0xFF5E) {
            out.append(QChar(static_cast<char16_t>(unit - 0xFEE0)));
        } else if (unit == 0x3000) {
            out.append(QLatin1Char(' '));
        } else if (unit == 0xFFE5) {
            out.append(QChar(0x00A5));
        } else {
            out.append(c);
        }
    }
    return out;
}

QString cleanCellText(QStringView text) {
    QString half = toHalfWidth(text);
    qsizetype start = 0;
    qsizetype end = half.size();
    while (start < end && half[start].isSpace()) {
        ++start;
    }
    while (end > start && half[end - 1].isSpace()) {
        --end;
    }
    return start == 0 && end == half.size() ? half : half.sliced(start, end - start);
}

QString wholeNumberText(QStringView text) {
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point <= 0 || point + 1 >= text.size()) {
        return text.toString();
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool fits =
            i < point ? isAsciiDigit(text[i]) : i == point || text[i] == QLatin1Char('0');
        if (!fits) {
            return text.toString();
        }
    }
    return text.left(point).toString();
}

KnownBrands::KnownBrands(const QStringList& brands) {
    for (const QString& brand : brands) {
        const QString spelling = cleanCellText(brand);
        if (spelling.isEmpty() || spelling == QLatin1String("-")) {
            continue;
        }
        const QString key = spelling.toLower();
        const bool known = std::any_of(brands_.begin(), brands_.end(),
                                       [&](const Brand& b) { return b.key == key; });
        if (!known) {
            brands_.push_back(Brand{key, spelling});
        }
    }
    std::stable_sort(brands_.begin(), brands_.end(),
                     [](const Brand& a, const Brand& b) { return a.key.size() > b.key.size(); });
}

QString KnownBrands::canonical(QStringView brand) const {
    const QString key = cleanCellText(brand).toLower();
    for (const Brand& known : brands_) {
        if (known.key == key) {
            return known.spelling;
        }
    }
    return {};
}

std::optional<KnownBrands::Split> KnownBrands::splitLeading(QStringView designation) const {
    for (const Brand& known : brands_) {
        if (designation.size() <= known.key.size() ||
            !designation.startsWith(known.key, Qt::CaseInsensitive)) {
            continue;
        }
        const QChar next = designation[known.key.size()];
        const bool latinBrand = isAsciiLetter(known.key.back()) || isAsciiDigit(known.key.back());
        if (latinBrand && !isAsciiDigit(next) && !isSeparator(next) && next.unicode() < 0x80) {
            continue;
        }
        QStringView rest = designation.sliced(known.key.size());
        while (!rest.isEmpty() && (isSeparator(rest.front()) || rest.front().isSpace())) {
            rest = rest.sliced(1);
        }
        if (rest.isEmpty()) {
            continue;
        }
        return Split{known.spelling, rest.toString()};
    }
    return std::nullopt;
}

DesignationAndBrand cleanDesignationAndBrand(QStringView designationCell, QStringView brandCell,
                                             const KnownBrands& brands) {
    DesignationAndBrand cleaned{wholeNumberText(cleanCellText(designationCell)),
                                cleanCellText(brandCell)};
    if (cleaned.brand.isEmpty()) {
        if (auto split = brands.splitLeading(cleaned.designation)) {
            cleaned.brand = split->brand;
            cleaned.designation = wholeNumberText(split->designation);
        }
        return cleaned;
    }
    const QString known = brands.canonical(cleaned.brand);
    if (!known.isEmpty()) {
        cleaned.brand = known;
    }
    // The brand the cell names, repeated before the designation: "NSK" and "NSK 6205".
    if (cleaned.designation.size() > cleaned.brand.size() &&
        cleaned.designation.startsWith(cleaned.brand, Qt::CaseInsensitive)) {
        QStringView rest = QStringView(cleaned.designation).sliced(cleaned.brand.size());
        while (!rest.isEmpty() && (isSeparator(rest.front()) || rest.front().isSpace())) {
            rest = rest.sliced(1);
        }
        if (!rest.isEmpty()) {
            cleaned.designation = wholeNumberText(rest);
        }
    }
    return cleaned;
}

std::optional<qint64> parseQuantity(QStringView cell, QString* problem) {
    const QString text = cleanCellText(cell);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const auto [number, unit] = splitNumberAndRest(text);
    // A unit is a short word of letters: 个, 套, pcs.
    const bool unitFits = unit.size() <= 4 && std::all_of(unit.begin(), unit.end(),
                                                          [](QChar c) { return c.isLetter(); });
    const auto fen = unitFits ? parseFen(number.toStdString()) : std::nullopt;
    if (!fen) {
        if (problem) {
            *problem =
                QString::fromUtf8(messages::kQuantityNotNumber) + QStringLiteral("：") + text;
        }
        return std::nullopt;
    }
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const bool fraction = point >= 0 && std::any_of(number.begin() + point + 1, number.end(),
                                                    [](QChar c) { return c != QLatin1Char('0'); });
    if (fraction) {
        if (problem) {
            *problem = QString::fromUtf8(messages::kQuantityNotWhole) + QStringLiteral("：") + text;
        }
        return std::nullopt;
    }
    return *fen / 100;
}

std::optional<qint64> parseMoney(QStringView cell, bool* unreadable) {
    QString text = cleanCellText(cell);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    static const QString prefixes[] = {QStringLiteral("¥"), QStringLiteral("RMB"),
                                       QStringLiteral("CNY"), QStringLiteral("$")};
    for (const QString& prefix : prefixes) {
        if (text.startsWith(prefix, Qt::CaseInsensitive)) {
            text = text.mid(prefix.size()).trimmed();
        }
    }
    if (text.endsWith(QStringLiteral("元"))) {
        text.chop(1);
    }
    text.remove(QLatin1Char(','));
    text = text.trimmed();
    const auto fen = parseFen(text.toStdString());
    if (!fen && unreadable) {
        *unreadable = true;
    }
    return fen;
}

CleanedLines cleanStockLines(const Sheet& sheet, const ColumnMapping& mapping,
                             const KnownBrands& brands) {
    CleanedLines cleaned;
    if (!mapping.usable()) {
        return cleaned;
    }
    const auto byNumber = rowsByNumber(sheet);
    auto filledColumn = [&](StockField field) {
        const int column = mapping.column(field);
        return column < 0 ? std::vector<QString>() : mergedColumnTexts(sheet, column, byNumber);
    };
    const std::vector<QString> merged[] = {
        filledColumn(StockField::Designation), filledColumn(StockField::Brand),
        filledColumn(StockField::Location), filledColumn(StockField::Note)};
    auto textAt = [&](const SheetRow& row, std::size_t index, StockField field, int slot) {
        const QString text = row.cell(mapping.column(field));
        if (!cleanCellText(text).isEmpty() || merged[slot].empty()) {
            return text;
        }
        return merged[slot][index];
    };

    cleaned.lines.reserve(sheet.rows.size());
    for (std::size_t index = static_cast<std::size_t>(mapping.headerRow) + 1;
         index < sheet.rows.size(); ++index) {
        const SheetRow& row = sheet.rows[index];
        const auto designationAndBrand =
            cleanDesignationAndBrand(textAt(row, index, StockField::Designation, 0),
                                     textAt(row, index, StockField::Brand, 1), brands);
        if (designationAndBrand.designation.isEmpty() ||
            isTotalRow(designationAndBrand.designation) ||
            fieldOfHeading(designationAndBrand.designation) == StockField::Designation) {
            ++cleaned.skippedRows;
            continue;
        }
        ImportedLine line;
        line.sourceLine = row.number;
        line.designation = designationAndBrand.designation;
        line.brand = designationAndBrand.brand;
        line.location = cleanCellText(textAt(row, index, StockField::Location, 2));
        line.note = cleanCellText(textAt(row, index, StockField::Note, 3));
        QString problem;
        line.quantity = parseQuantity(row.cell(mapping.column(StockField::Quantity)), &problem);
        if (!problem.isEmpty()) {
            line.problems.append(problem);
        }
        auto money = [&](StockField field, const char* problemText) {
            bool unreadable = false;
            const QString cell = row.cell(mapping.column(field));
            const auto fen = parseMoney(cell, &unreadable);
            if (unreadable) {
                line.problems.append(QString::fromUtf8(problemText) + QStringLiteral("：") +
                                     cleanCellText(cell));
            }
            return fen;
        };
        line.priceFen = money(StockField::Price, messages::kPriceNotNumber);
        line.costFen = money(StockField::Cost, messages::kCostNotNumber);
        cleaned.lines.push_back(std::move(line));
    }
    return cleaned;
}

}  // namespace lz::shop
