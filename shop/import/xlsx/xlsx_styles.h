#pragma once

#include <QString>

#include <vector>

#include "shop/import/cell_values.h"
#include "shop/import/xlsx/zip_archive.h"

namespace lz::shop {

// What each cell style of a workbook shows numbers as, by the style's index (a cell's
// s="..."): the built-in formats by number, the workbook's own by their format code.
bool readCellStyleKinds(ZipArchive& zip, const QString& stylesPart, std::vector<DateKind>& kinds);

// Every string of a workbook's shared string table, rich text runs joined and phonetic
// guides left out. At most `maxStrings`; more is an error (too many cells).
bool readSharedStrings(ZipArchive& zip, const QString& part, qsizetype maxStrings,
                       std::vector<QString>& strings);

}  // namespace lz::shop
