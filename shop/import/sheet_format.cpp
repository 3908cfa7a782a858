#include "shop/import/sheet_format.h"

#include "shop/import/text_decoding.h"

namespace lz::shop {

SheetFormat detectSheetFormat(QByteArrayView head) {
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06")) {
        return SheetFormat::Xlsx;
    }
    if (head.startsWith(QByteArrayView("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))) {
        return SheetFormat::Xls;
    }
    const bool utf16 = head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF");
    if (!utf16 && head.contains('\0')) {
        return SheetFormat::Unknown;
    }
    const QString text = decodeText(head, declaredHtmlCharset(head)).text;
    const QStringView start = QStringView(text).trimmed();
    if (start.startsWith(QLatin1Char('<'))) {
        const QString lower = start.left(kFormatSniffBytes).toString().toLower();
        return lower.contains(QLatin1String("<table")) || lower.contains(QLatin1String("<html"))
                   ? SheetFormat::HtmlTable
                   : SheetFormat::Unknown;
    }
    return SheetFormat::Delimited;
}

}  // namespace lz::shop
