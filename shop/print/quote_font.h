#pragma once

#include <QFont>
#include <QString>

namespace lz::shop::print {

// The typeface of printed quotes. Some CJK fonts draw characters such as 金, 户 and 日 with
// the glyphs of the Kangxi radicals (U+2FA6 …), and a PDF's text map then names the
// radicals: "金额" or "客户" in such a PDF can be neither searched nor copied. This font
// maps each glyph back to its ideograph, so the PDF's text is the text printed.
inline constexpr const char* kQuoteFontFamily = "WenQuanYi Micro Hei";
// Where Debian's package puts it, loaded from there when fontconfig does not know it.
inline constexpr const char* kQuoteFontFile = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
inline constexpr const char* kQuoteFontPackage = "fonts-wqy-microhei";

struct QuoteFont {
    QFont font;       // set explicitly, so the document never depends on the fallback
    QString warning;  // empty when the font was found; else what the user should know
};

// The quote font at `pointSize`, found by family or loaded from its file. Without it the
// application's font is used and `warning` says what is missing and what that means for
// the PDF. Needs a QGuiApplication.
QuoteFont quoteFont(qreal pointSize = 9.5);

// The same for any family and file: for the tests of the fallback.
QuoteFont chooseQuoteFont(const QString& family, const QString& file, qreal pointSize);

}  // namespace lz::shop::print
