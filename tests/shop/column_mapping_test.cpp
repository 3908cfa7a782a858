#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <optional>

#include "shop/import/column_mapping.h"

namespace lz::shop {
namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

TEST(ColumnMapping, HeadingsNameTheirFields) {
    using F = StockField;
    const struct {
        const char* heading;
        std::optional<StockField> field;
    } cases[] = {
        {"型号", F::Designation},
        {"规格型号", F::Designation},
        {"规格", F::Designation},
        {"品牌", F::Brand},
        {"厂家", F::Brand},
        {"产地", F::Brand},
        {"数量", F::Quantity},
        {"库存", F::Quantity},
        {"结存", F::Quantity},
        {"单价", F::Price},
        {"售价", F::Price},
        {"销售价", F::Price},
        {"进价", F::Cost},
        {"成本", F::Cost},
        {"货位", F::Location},
        {"库位", F::Location},
        {"货架", F::Location},
        {"备注", F::Note},
        // Written within a longer heading, with units, full-width or spaced.
        {"库存数量", F::Quantity},
        {"结存数量", F::Quantity},
        {"销售单价（元）", F::Price},
        {"单价(元)", F::Price},
        {"含税单价", F::Price},
        {"进货单价", F::Cost},
        {"成本价", F::Cost},
        {"库存单价", F::Price},
        {"产品规格", F::Designation},
        {" 型 号 ", F::Designation},
        {"型号：", F::Designation},
        {"ＱＴＹ", F::Quantity},
        {"Brand", F::Brand},
        {"*型号", F::Designation},
        // Other columns that share a word.
        {"库存金额", std::nullopt},
        {"入库日期", std::nullopt},
        {"数量单位", std::nullopt},
        {"单位", std::nullopt},
        {"合计", std::nullopt},
        {"名称", std::nullopt},
        {"", std::nullopt},
        {"6205", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fieldOfHeading(u(c.heading)), c.field) << c.heading;
    }
}

Sheet sheetOf(std::initializer_list<QStringList> rows) {
    Sheet sheet;
    int number = 0;
    for (const QStringList& cells : rows) {
        SheetRow row{++number, {}};
        for (const QString& cell : cells) {
            row.cells.push_back(cell);
        }
        sheet.rows.push_back(row);
    }
    return sheet;
}

TEST(ColumnMapping, TheHeaderIsTheRowThatNamesMostFields) {
    const Sheet sheet = sheetOf({
        {u("本店库存表"), u(""), u("数量：见下")},
        {u("制表：张三"), u("日期：2024-03-05")},
        {u("序号"), u("规格型号"), u("厂家"), u("库存"), u("单价"), u("库存"), u("成本"), u("货架"),
         u("说明")},
        {u("1"), u("6205"), u("NSK"), u("4"), u("30"), u("4")},
    });
    const auto mapping = findHeader(sheet);
    ASSERT_TRUE(mapping);
    EXPECT_EQ(mapping->headerRow, 2);
    EXPECT_EQ(mapping->column(StockField::Designation), 1);
    EXPECT_EQ(mapping->column(StockField::Brand), 2);
    EXPECT_EQ(mapping->column(StockField::Quantity), 3);  // the first of two
    EXPECT_EQ(mapping->column(StockField::Price), 4);
    EXPECT_EQ(mapping->column(StockField::Cost), 6);
    EXPECT_EQ(mapping->column(StockField::Location), 7);
    EXPECT_EQ(mapping->column(StockField::Note), 8);
    EXPECT_EQ(headerTexts(sheet, *mapping)[1], u("规格型号"));
}

TEST(ColumnMapping, NoHeaderWithoutADesignationColumn) {
    EXPECT_FALSE(findHeader(sheetOf({{u("6205"), u("10")}, {u("6206"), u("4")}})));
    EXPECT_FALSE(findHeader(sheetOf({{u("品牌"), u("数量"), u("单价")}})));
    EXPECT_FALSE(findHeader(sheetOf({{u("规格")}})));  // a lone word could be anything
    EXPECT_FALSE(findHeader(Sheet{}));
    // A single column headed exactly 型号 is a list of designations.
    const auto lone = findHeader(sheetOf({{u("型号")}, {u("6205")}}));
    ASSERT_TRUE(lone);
    EXPECT_EQ(lone->column(StockField::Designation), 0);
    // Only the first rows are searched.
    Sheet deep;
    for (int k = 1; k <= kHeaderSearchRows; ++k) {
        deep.rows.push_back(SheetRow{k, {u("说明")}});
    }
    deep.rows.push_back(SheetRow{kHeaderSearchRows + 1, {u("型号"), u("数量")}});
    EXPECT_FALSE(findHeader(deep));
    EXPECT_TRUE(findHeader(deep, kHeaderSearchRows + 1));
}

TEST(ColumnMapping, AColumnBelongsToOneField) {
    ColumnMapping mapping;
    mapping.headerRow = 0;
    EXPECT_FALSE(mapping.usable());
    mapping.setColumn(StockField::Designation, 2);
    mapping.setColumn(StockField::Quantity, 3);
    EXPECT_TRUE(mapping.usable());
    mapping.setColumn(StockField::Brand, 2);  // the user gives the designation's column away
    EXPECT_EQ(mapping.column(StockField::Designation), -1);
    EXPECT_EQ(mapping.fieldOfColumn(2), StockField::Brand);
    EXPECT_FALSE(mapping.usable());
    mapping.setColumn(StockField::Quantity, -1);
    EXPECT_FALSE(mapping.fieldOfColumn(3));
}

}  // namespace
}  // namespace lz::shop
