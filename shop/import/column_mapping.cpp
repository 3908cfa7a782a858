#include "shop/import/column_mapping.h"

#include <vector>

#include "shop/import/cleaning.h"

namespace lz::shop {

namespace {

struct Synonyms {
    StockField field;
    std::initializer_list<const char*> words;
};

// Exact headings, the words first, then a few that stock systems write.
const Synonyms kExact[] = {
    {StockField::Designation, {"型号", "规格型号", "规格", "型号规格", "model", "partno", "part"}},
    {StockField::Brand, {"品牌", "厂家", "产地", "生产厂家", "厂商", "brand"}},
    {StockField::Quantity, {"数量", "库存", "结存", "库存数量", "结存数量", "qty", "quantity"}},
    {StockField::Price, {"单价", "售价", "销售价", "销售单价", "price"}},
    {StockField::Cost, {"进价", "成本", "进货价", "成本价", "cost"}},
    {StockField::Location, {"货位", "库位", "货架", "location"}},
    {StockField::Note, {"备注", "说明", "remark", "note", "notes"}},
};

// Words within a longer heading, in the order they are tried: a purchase price before a
// price ("进货单价" is a cost), a price before stock ("库存单价" is a price).
const Synonyms kWithin[] = {
    {StockField::Cost, {"进价", "成本", "进货"}},
    {StockField::Price, {"单价", "售价", "销售价"}},
    {StockField::Designation, {"型号", "规格"}},
    {StockField::Brand, {"品牌", "厂家", "产地"}},
    {StockField::Quantity, {"数量", "库存", "结存"}},
    {StockField::Location, {"货位", "库位", "货架"}},
    {StockField::Note, {"备注"}},
};

// Headings that hold a word above but name another column: amounts, dates, units.
const char* const kNotAField[] = {"金额", "总价", "合计", "小计", "日期", "时间"};

// The heading reduced for comparison: half-width, lower-case, no spaces, without a trailing
// unit in brackets ("单价（元）") or colon.
QString headingKey(QStringView heading) {
    QString key = toHalfWidth(heading).toLower();
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('\t'));
    key.remove(QLatin1Char('\n'));
    key.remove(QLatin1Char('\r'));
    key.remove(QChar(0x00A0));
    while (key.endsWith(QLatin1Char(')')) || key.endsWith(QLatin1Char(']'))) {
        const QChar open = key.endsWith(QLatin1Char(')')) ? QLatin1Char('(') : QLatin1Char('[');
        const qsizetype at = key.lastIndexOf(open);
        if (at <= 0) {
            break;
        }
        key.truncate(at);
    }
    while (key.endsWith(QLatin1Char(':')) || key.endsWith(QLatin1Char('*'))) {
        key.chop(1);
    }
    key.remove(QLatin1Char('.'));
    return key;
}

}  // namespace

QString stockFieldTitle(StockField field) {
    switch (field) {
        case StockField::Designation:
            return QStringLiteral("型号");
        case StockField::Brand:
            return QStringLiteral("品牌");
        case StockField::Quantity:
            return QStringLiteral("数量");
        case StockField::Price:
            return QStringLiteral("单价");
        case StockField::Cost:
            return QStringLiteral("进价");
        case StockField::Location:
            return QStringLiteral("货位");
        case StockField::Note:
            break;
    }
    return QStringLiteral("备注");
}

std::optional<StockField> fieldOfHeading(QStringView heading) {
    struct Words {
        StockField field;
        QStringList words;
    };
    static const auto convert = [](const auto& table) {
        std::vector<Words> converted;
        for (const Synonyms& synonyms : table) {
            QStringList words;
            for (const char* word : synonyms.words) {
                words.append(QString::fromUtf8(word));
            }
            converted.push_back(Words{synonyms.field, words});
        }
        return converted;
    };
    static const std::vector<Words> exact = convert(kExact);
    static const std::vector<Words> within = convert(kWithin);
    static const QStringList notAField = [] {
        QStringList words;
        for (const char* word : kNotAField) {
            words.append(QString::fromUtf8(word));
        }
        return words;
    }();

    const QString key = headingKey(heading);
    if (key.isEmpty()) {
        return std::nullopt;
    }
    for (const Words& entry : exact) {
        if (entry.words.contains(key)) {
            return entry.field;
        }
    }
    for (const QString& word : notAField) {
        if (key.contains(word)) {
            return std::nullopt;
        }
    }
    if (key.endsWith(QStringLiteral("单位"))) {
        return std::nullopt;
    }
    for (const Words& entry : within) {
        for (const QString& word : entry.words) {
            if (key.contains(word)) {
                return entry.field;
            }
        }
    }
    return std::nullopt;
}

void ColumnMapping::setColumn(StockField field, int column) {
    if (column >= 0) {
        for (int& taken : columns_) {
            if (taken == column) {
                taken = -1;
            }
        }
    }
    columns_[static_cast<std::size_t>(field)] = column < 0 ? -1 : column;
}

std::optional<StockField> ColumnMapping::fieldOfColumn(int column) const {
    for (StockField field : kStockFields) {
        if (column >= 0 && this->column(field) == column) {
            return field;
        }
    }
    return std::nullopt;
}

std::optional<ColumnMapping> findHeader(const Sheet& sheet, int rowsToSearch) {
    std::optional<ColumnMapping> best;
    int bestScore = 0;
    std::optional<ColumnMapping> lone;  // a row with nothing but an exact "型号"
    const int rows = std::min<int>(rowsToSearch, static_cast<int>(sheet.rows.size()));
    for (int index = 0; index < rows; ++index) {
        const auto& cells = sheet.rows[static_cast<std::size_t>(index)].cells;
        ColumnMapping mapping;
        mapping.headerRow = index;
        int score = 0;
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            const auto field = fieldOfHeading(cells[static_cast<std::size_t>(column)]);
            if (field && mapping.column(*field) < 0) {
                mapping.setColumn(*field, column);
                ++score;
            }
        }
        const int designation = mapping.column(StockField::Designation);
        if (designation < 0) {
            continue;
        }
        if (score >= 2 && score > bestScore) {
            best = mapping;
            bestScore = score;
        } else if (score == 1 && !lone &&
                   headingKey(cells[static_cast<std::size_t>(designation)]) ==
                       QStringLiteral("型号")) {
            lone = mapping;
        }
    }
    return best ? best : lone;
}

QStringList headerTexts(const Sheet& sheet, const ColumnMapping& mapping) {
    QStringList texts;
    if (mapping.headerRow < 0 || mapping.headerRow >= static_cast<int>(sheet.rows.size())) {
        return texts;
    }
    for (const QString& cell : sheet.rows[static_cast<std::size_t>(mapping.headerRow)].cells) {
        texts.append(cleanCellText(cell));
    }
    return texts;
}

}  // namespace lz::shop
