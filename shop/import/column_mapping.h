#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

#include "shop/import/sheet.h"

namespace lz::shop {

// The columns of a stock list the shop's list keeps.
enum class StockField { Designation, Brand, Quantity, Price, Cost, Location, Note };
inline constexpr int kStockFieldCount = 7;
inline constexpr std::array<StockField, kStockFieldCount> kStockFields = {
    StockField::Designation, StockField::Brand,    StockField::Quantity, StockField::Price,
    StockField::Cost,        StockField::Location, StockField::Note};

// The field's name as the shop's list heads it: 型号, 品牌, 数量, 单价, 进价, 货位, 备注.
QString stockFieldTitle(StockField field);

// The field a column heading names: 型号/规格型号/规格, 品牌/厂家/产地, 数量/库存/结存,
// 单价/售价/销售价, 进价/成本, 货位/库位/货架, 备注 — written as they are, or within a
// longer heading ("库存数量", "销售单价（元）", "进货价"). Full-width letters, spaces and a
// trailing unit in brackets do not matter. Sums, dates and units ("金额", "单位") are no field.
std::optional<StockField> fieldOfHeading(QStringView heading);

// Which column holds which field, and which row is the header: what the import dialog
// shows and lets the user change, then re-applies with cleanStockLines.
class ColumnMapping {
public:
    ColumnMapping() { columns_.fill(-1); }

    // The header's index in Sheet::rows; the lines are the rows after it.
    int headerRow = -1;

    // The field's column (0-based), or -1 when the list has none.
    int column(StockField field) const { return columns_[static_cast<std::size_t>(field)]; }
    // Gives the field a column (-1: none). A column belongs to one field only: a field that
    // had this column loses it.
    void setColumn(StockField field, int column);
    // The field of a column, if any.
    std::optional<StockField> fieldOfColumn(int column) const;

    // Whether lines can be read with it: a header row and a designation column.
    bool usable() const { return headerRow >= 0 && column(StockField::Designation) >= 0; }

    bool operator==(const ColumnMapping&) const = default;

private:
    std::array<int, kStockFieldCount> columns_;
};

// How many rows from the top are searched for the header.
inline constexpr int kHeaderSearchRows = 30;

// The header row of a sheet: among its first rows, the one whose headings name the most
// fields, with a designation among them and at least one more (a single column headed
// exactly "型号" also counts). The first column of each field wins. Nothing when no row
// qualifies ("找不到表头（型号、数量……）").
std::optional<ColumnMapping> findHeader(const Sheet& sheet, int rowsToSearch = kHeaderSearchRows);

// The texts of the header row by column, for the dialog's column choices.
QStringList headerTexts(const Sheet& sheet, const ColumnMapping& mapping);

}  // namespace lz::shop
