#pragma once

#include <QString>
#include <QStringList>

#include "shop/import/read_limits.h"
#include "shop/import/sheet.h"

namespace lz::shop {

// The sheets of a stock-list file, whatever its format (told by content: see
// detectSheetFormat). A text file has one sheet, named after the file.
struct SheetListing {
    QString error;  // a user's message (shop_messages.h) when the file cannot be read
    SheetFormat format = SheetFormat::Unknown;
    QStringList sheetNames;
};
SheetListing listSheets(const QString& path, const ReadLimits& limits = {});

// One sheet of a stock-list file: the one named, or the first (the first visible one of
// a workbook) when `sheetName` is empty. A sheet without any text is an error ("文件是空的").
struct SheetReading {
    QString error;
    SheetFormat format = SheetFormat::Unknown;
    QStringList sheetNames;
    Sheet sheet;
};
SheetReading readSheet(const QString& path, const QString& sheetName = {},
                       const ReadLimits& limits = {});

}  // namespace lz::shop
