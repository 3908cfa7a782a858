#pragma once

#include <QByteArrayView>
#include <QString>

#include "shop/import/read_limits.h"
#include "shop/import/sheet.h"
#include "shop/import/sheet_builder.h"

namespace lz::shop {

// Reads CSV or tab-separated text (UTF-8 with or without byte-order mark, GBK/GB18030 or
// UTF-16; see decodeText) into one sheet named `name`. The separator is the one of tab,
// comma and semicolon that the first lines use most (or the one an Excel "sep=" first line
// names). Quoted fields may hold separators, doubled quotes and line breaks; a row's
// number is the line where its record starts.
void readDelimitedText(QByteArrayView bytes, SheetBuilder& builder);

// The separator readDelimitedText would use for the text.
QChar detectSeparator(QStringView text);

}  // namespace lz::shop
