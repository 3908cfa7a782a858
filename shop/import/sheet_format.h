#pragma once

#include <QByteArrayView>

#include "shop/import/sheet.h"

namespace lz::shop {

// How many bytes of a file detectSheetFormat wants to see.
inline constexpr qsizetype kFormatSniffBytes = 64 * 1024;

// The format of a file by its first bytes, whatever its name says: a zip is an .xlsx, a
// compound file an .xls, text that opens with markup holding a <table> a web page, other
// text CSV or tab-separated. Unknown for other binary data and other markup.
SheetFormat detectSheetFormat(QByteArrayView head);

}  // namespace lz::shop
