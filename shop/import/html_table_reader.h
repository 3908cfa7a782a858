#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include "shop/import/sheet_builder.h"

namespace lz::shop {

// Web pages with tables, as stock systems write them and save them as ".xls". Each
// outermost <table> is one sheet, named "表格1", "表格2" ... in page order. The reading is
// forgiving as browsers are: end tags may be missing, comments, scripts and styles are
// skipped, character references are resolved, white space is collapsed, rowspan and
// colspan become merged blocks. Tables inside a cell add their text to that cell.
QStringList htmlTableNames(QStringView html);

// Reads the table `index` (0-based) into the builder; false when the page has no such table.
bool readHtmlTable(QStringView html, int index, SheetBuilder& builder);

}  // namespace lz::shop
