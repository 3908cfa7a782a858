#pragma once

#include <QString>
#include <QStringList>

#include "shop/import/read_limits.h"
#include "shop/import/sheet.h"

namespace lz::shop {

// An Office Open XML workbook (.xlsx), read by our own streaming reader on minizip and
// QXmlStreamReader: the sheet is parsed as it unpacks. Shared and inline strings, absolute
// relationship targets, built-in and own date formats (Chinese ones included) and merged
// cells are understood; unpacked bytes and cells are bounded by the limits.
struct XlsxSheetReading {
    QString error;           // a user's message when the workbook cannot be read
    QStringList sheetNames;  // the worksheets, in workbook order
    Sheet sheet;             // the sheet read (none for listXlsxSheets)
};

XlsxSheetReading listXlsxSheets(const QString& path, const ReadLimits& limits);

// Reads the worksheet named `sheetName`, or the first visible one when it is empty.
XlsxSheetReading readXlsxSheet(const QString& path, const QString& sheetName,
                               const ReadLimits& limits);

// A cell reference such as "AB12": column 27 (0-based) and row 12. False for anything else.
bool parseCellReference(QStringView reference, int& column, int& row);

}  // namespace lz::shop
