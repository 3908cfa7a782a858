#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "shop/import/read_limits.h"
#include "shop/import/sheet.h"

namespace lz::shop {

// An Excel 97-2003 workbook read with FreeXL. `bytes` are the file's bytes (already read
// for the format check): the compound file and the record stream are looked at first, so
// that an encrypted or damaged workbook, or one whose sheets claim more cells than the
// limit, is refused before FreeXL opens `path`.
struct XlsWorkbook {
    QString error;           // a user's message when the workbook cannot be read
    QStringList sheetNames;  // the worksheets, in workbook order
};

XlsWorkbook listXlsSheets(const QString& path, QByteArrayView bytes, const ReadLimits& limits);

// Reads the worksheet named `sheetName` (the first one when empty). Dates come as FreeXL
// writes them ("YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS"), numbers as numberText writes them.
struct XlsSheetReading {
    QString error;
    QStringList sheetNames;
    Sheet sheet;
};
XlsSheetReading readXlsSheet(const QString& path, QByteArrayView bytes, const QString& sheetName,
                             const ReadLimits& limits);

// The message for a compound file that holds no workbook FreeXL can read: encrypted
// .xlsx files are compound files too.
QString compoundFileProblem(QByteArrayView bytes);

}  // namespace lz::shop
