#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <optional>

#include "shop/import/cleaning.h"
#include "shop/shop_messages.h"

namespace lz::shop {
namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The catalogue's brands as its ppai column has them: mixed case, a trailing space,
// blanks and "-" among them.
KnownBrands catalogueBrands() {
    return KnownBrands({u("NSK"), u("SKF"), u("FAG"), u("NTN"), u("NACHI"), u("Nachi"), u("INA"),
                        u("TORRINGTON"), u("TORRINGTON FAFNIR"), u("EZO "), u(""), u("-"),
                        u("哈轴")});
}

TEST(Cleaning, DesignationAndBrandCellsAsTheShopsListKeepsThem) {
    const struct {
        const char* designationCell;
        const char* brandCell;
        const char* designation;
        const char* brand;
    } cases[] = {
        // A known brand glued on or written before the designation is split off.
        {"NSK6205DDU", "", "6205DDU", "NSK"},
        {"nsk6205ddu", "", "6205ddu", "NSK"},
        {"SKF 6205-2RS", "", "6205-2RS", "SKF"},
        {"FAG-6205", "", "6205", "FAG"},
        {"NACHI6205", "", "6205", "NACHI"},
        {"Nachi 6205", "", "6205", "NACHI"},
        {"TORRINGTON FAFNIR 205K", "", "205K", "TORRINGTON FAFNIR"},
        {"TORRINGTON 205K", "", "205K", "TORRINGTON"},
        {"EZO 6205", "", "6205", "EZO"},
        {"INA NA4905", "", "NA4905", "INA"},
        {"哈轴6205", "", "6205", "哈轴"},
        // ... but not where the letters run on into the designation, nor when nothing
        // would be left.
        {"INANA4905", "", "INANA4905", ""},
        {"NSK", "", "NSK", ""},
        {"NTNX", "", "NTNX", ""},
        {"- 6205", "", "- 6205", ""},
        // Full-width characters.
        {"６２０５ＤＤＵ", "ＮＳＫ", "6205DDU", "NSK"},
        {"ＮＳＫ６２０５", "", "6205", "NSK"},
        {"６２０５－２ＲＳ", "", "6205-2RS", ""},
        // Spaces: trimmed at the ends (ideographic and no-break ones too), kept inside.
        {"  6205 2RS  ", "", "6205 2RS", ""},
        {"\u30006205\u3000", " NSK\u00a0", "6205", "NSK"},
        {"\t6205/C3\r\n", "", "6205/C3", ""},
        // Numbers kept as decimals made whole.
        {"6205.0", "", "6205", ""},
        {"6205.00", "FAG", "6205", "FAG"},
        {"６２０５．０", "", "6205", ""},
        {"NSK 6205.0", "", "6205", "NSK"},
        {"6205.5", "", "6205.5", ""},
        {"62.0A", "", "62.0A", ""},
        {".0", "", ".0", ""},
        // A brand cell: the catalogue's spelling, and taken off a designation repeating it.
        {"6205DDU", "nsk", "6205DDU", "NSK"},
        {"NSK 6205DDU", "NSK", "6205DDU", "NSK"},
        {"nsk-6205", "Nsk", "6205", "NSK"},
        {"NSK6205", "SKF", "NSK6205", "SKF"},
        {"6205", "XYZ", "6205", "XYZ"},
        {"XYZ6205", "XYZ", "6205", "XYZ"},
        {"", "NSK", "", "NSK"},
    };
    const KnownBrands brands = catalogueBrands();
    for (const auto& c : cases) {
        const auto cleaned = cleanDesignationAndBrand(u(c.designationCell), u(c.brandCell), brands);
        EXPECT_EQ(cleaned.designation, u(c.designation))
            << c.designationCell << " / " << c.brandCell;
        EXPECT_EQ(cleaned.brand, u(c.brand)) << c.designationCell << " / " << c.brandCell;
    }
    // Without the catalogue's brands nothing is split.
    EXPECT_EQ(cleanDesignationAndBrand(u("NSK6205"), u(""), KnownBrands()).designation,
              u("NSK6205"));
}

TEST(Cleaning, Quantities) {
    const struct {
        const char* cell;
        std::optional<qint64> quantity;
        const char* problem;
    } cases[] = {
        {"10", 10, ""},
        {"10.0", 10, ""},
        {"１２", 12, ""},
        {" 3 ", 3, ""},
        {"1,200", 1200, ""},
        {"12个", 12, ""},
        {"5 套", 5, ""},
        {"6pcs", 6, ""},
        {"-2", -2, ""},  // a stock system's oversold count
        {"", std::nullopt, ""},
        {"  ", std::nullopt, ""},
        {"2.5", std::nullopt, "数量不是整数：2.5"},
        {"abc", std::nullopt, "数量不是数字：abc"},
        {"12 个 (库存)", std::nullopt, "数量不是数字：12 个 (库存)"},
        {"约10", std::nullopt, "数量不是数字：约10"},
    };
    for (const auto& c : cases) {
        QString problem;
        EXPECT_EQ(parseQuantity(u(c.cell), &problem), c.quantity) << c.cell;
        EXPECT_EQ(problem, u(c.problem)) << c.cell;
    }
}

TEST(Cleaning, PricesInFen) {
    const struct {
        const char* cell;
        std::optional<qint64> fen;
        bool unreadable;
    } cases[] = {
        {"32.5", 3250, false},
        {"32.50", 3250, false},
        {"¥45.80", 4580, false},
        {"￥28", 2800, false},
        {"12.5元", 1250, false},
        {"RMB 8", 800, false},
        {"1,234.5", 123450, false},
        {"０．２８５", 29, false},
        {"0.285", 29, false},
        {"0.284", 28, false},
        {"", std::nullopt, false},
        {"面议", std::nullopt, true},
        {"12.5 元/套", std::nullopt, true},
    };
    for (const auto& c : cases) {
        bool unreadable = false;
        EXPECT_EQ(parseMoney(u(c.cell), &unreadable), c.fen) << c.cell;
        EXPECT_EQ(unreadable, c.unreadable) << c.cell;
    }
}

// A sheet as a reader leaves it: a title, a header, groups of lines with their brand and
// shelf merged down, and rows that are no lines.
Sheet groupedSheet() {
    Sheet sheet;
    auto row = [&](int number, QStringList cells) {
        SheetRow r{number, {}};
        for (const QString& cell : cells) {
            r.cells.push_back(cell);
        }
        sheet.rows.push_back(r);
    };
    row(1, {u("库存表")});
    row(2, {u("型号"), u("品牌"), u("数量"), u("单价"), u("货位"), u("备注")});
    row(3, {u("6205"), u("NSK"), u("5"), u("30"), u("A-01"), u("进口")});
    row(4, {u("6206"), u(""), u("6"), u("31")});
    row(5, {u("NTN6207"), u(""), u("7")});  // a brand of its own inside the merged block
    row(6, {u(""), u(""), u("3")});         // no designation
    row(8, {u("6305"), u("SKF"), u("2"), u("40"), u("B-01")});
    row(9, {u("型号"), u("品牌")});  // the header repeated at a page break
    row(10, {u("6306"), u(""), u(""), u("41")});
    row(11, {u("合计"), u(""), u("23")});
    row(12, {u("6307.0"), u(""), u("1")});
    sheet.merged = {
        {1, 1, 0, 5},    // the title
        {3, 6, 1, 1},    // NSK over rows 3 to 6
        {3, 4, 4, 4},    // shelf A-01 over rows 3 and 4
        {3, 5, 5, 5},    // the note over rows 3 to 5
        {8, 12, 1, 1},   // SKF over rows 8 to 12 (row 7 is missing from the sheet)
        {8, 10, 2, 2},   // a quantity merged: never filled down
        {10, 11, 1, 2},  // overlaps the SKF block: no valid sheet has it, it is ignored
    };
    return sheet;
}

TEST(Cleaning, MergedTextCellsFillDownNumbersDoNot) {
    const Sheet sheet = groupedSheet();
    ColumnMapping mapping;
    mapping.headerRow = 1;
    mapping.setColumn(StockField::Designation, 0);
    mapping.setColumn(StockField::Brand, 1);
    mapping.setColumn(StockField::Quantity, 2);
    mapping.setColumn(StockField::Price, 3);
    mapping.setColumn(StockField::Location, 4);
    mapping.setColumn(StockField::Note, 5);

    const CleanedLines cleaned = cleanStockLines(sheet, mapping, catalogueBrands());
    const struct {
        int sourceLine;
        const char* designation;
        const char* brand;
        std::optional<qint64> quantity;
        const char* location;
        const char* note;
    } expected[] = {
        {3, "6205", "NSK", 5, "A-01", "进口"}, {4, "6206", "NSK", 6, "A-01", "进口"},
        {5, "NTN6207", "NSK", 7, "", "进口"},  // the merged brand cell names the brand
        {8, "6305", "SKF", 2, "B-01", ""},     {10, "6306", "SKF", std::nullopt, "", ""},
        {12, "6307", "SKF", 1, "", ""},
    };
    ASSERT_EQ(cleaned.lines.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        const ImportedLine& line = cleaned.lines[k];
        EXPECT_EQ(line.sourceLine, expected[k].sourceLine) << k;
        EXPECT_EQ(line.designation, u(expected[k].designation)) << k;
        EXPECT_EQ(line.brand, u(expected[k].brand)) << k;
        EXPECT_EQ(line.quantity, expected[k].quantity) << k;
        EXPECT_EQ(line.location, u(expected[k].location)) << k;
        EXPECT_EQ(line.note, u(expected[k].note)) << k;
    }
    EXPECT_EQ(cleaned.skippedRows, 3);  // no designation, the repeated header, the total
}

TEST(Cleaning, HalfWidth) {
    EXPECT_EQ(toHalfWidth(u("６２０５－２ＲＳ（Ｃ３）　ｎｓｋ")), u("6205-2RS(C3) nsk"));
    EXPECT_EQ(toHalfWidth(u("￥１２")), u("¥12"));
    EXPECT_EQ(toHalfWidth(u("深沟球轴承、。")), u("深沟球轴承、。"));
}

}  // namespace
}  // namespace lz::shop
