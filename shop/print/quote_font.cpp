#include "shop/print/quote_font.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace lz::shop::print {

namespace {

bool knownFamily(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

QuoteFont chooseQuoteFont(const QString& family, const QString& file, qreal pointSize) {
    QuoteFont chosen;
    if (!knownFamily(family) && !file.isEmpty()) {
        QFontDatabase::addApplicationFont(file);  // fails quietly; checked just below
    }
    if (knownFamily(family)) {
        chosen.font = QFont(family);
    } else {
        chosen.font = QGuiApplication::font();
        chosen.warning = QStringLiteral(
                             "找不到报价单字体“%1”（Debian 软件包 %2）。报价单改用系统字体，"
                             "PDF 中有些汉字（如“金”“户”“日”）可能无法搜索或复制。")
                             .arg(family, QString::fromLatin1(kQuoteFontPackage));
    }
    chosen.font.setPointSizeF(pointSize);
    return chosen;
}

QuoteFont quoteFont(qreal pointSize) {
    return chooseQuoteFont(QString::fromLatin1(kQuoteFontFamily),
                           QString::fromLatin1(kQuoteFontFile), pointSize);
}

}  // namespace lz::shop::print
