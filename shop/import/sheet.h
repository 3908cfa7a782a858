#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lz::shop {

// One row of a sheet as its reader found it: the row's number as the user sees it (the
// spreadsheet's row number, or the line of a text file where the record starts) and the
// texts of its cells from column 0, without trailing empty cells. Cell texts are what the
// cell shows: numbers without float noise ("0.3", not "0.30000000000000004"), dates as
// "YYYY-MM-DD".
struct SheetRow {
    int number = 0;
    std::vector<QString> cells;

    QString cell(int column) const {
        return column >= 0 && column < static_cast<int>(cells.size()) ? cells[column] : QString();
    }
};

// A block of merged cells, by row number and column (both ends included). Only the top-left
// cell carries the text.
struct MergedRange {
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

// One sheet of a workbook (or the one table of a text file), rows in order. Rows without
// any text are left out, so row numbers may skip.
struct Sheet {
    QString name;
    std::vector<SheetRow> rows;
    std::vector<MergedRange> merged;
};

// How a file was told apart: by its bytes, never by its name.
enum class SheetFormat {
    Unknown,
    Xlsx,       // Office Open XML workbook (a zip)
    Xls,        // Excel 97-2003 workbook (BIFF in a compound file)
    HtmlTable,  // a web page with a table, often saved as ".xls"
    Delimited,  // CSV or tab-separated text
};

// A short name for messages and the command line: "xlsx", "xls", "html", "csv".
QString sheetFormatName(SheetFormat format);

}  // namespace lz::shop
