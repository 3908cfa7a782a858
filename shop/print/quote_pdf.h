#pragma once

#include <QByteArray>
#include <QString>

#include "shop/quote/quote.h"

class QPagedPaintDevice;

namespace lz::shop::print {

// A4 portrait with margins of 15 mm: set on the PDF writer, and on the printer of the
// preview before the user may change it.
void setQuotePageLayout(QPagedPaintDevice& device);

// Lays the quote out on the page of `device` and paints it, page after page, each with the quote's
// number and "第 n 页，共 N 页" at its foot. `device` is a QPdfWriter, or the QPrinter of a print
// dialog or print preview (quote_preview.h). The quote is checked first: when checkQuote finds a
// problem nothing is painted and the first problem is returned ("第 3 行：数量不能为负数"); an
// empty string on success. The font is quoteFont(): ask it for the warning to show when the font is
// missing.
QString paintQuote(QPagedPaintDevice& device, const ShopHeader& shop, const Quote& quote);

struct QuotePdf {
    QByteArray bytes;  // the PDF file; empty when there is a problem
    QString problem;
};

// The quote as a PDF file's bytes, in memory. Needs a QGuiApplication, no widgets: works on
// the offscreen platform.
QuotePdf quotePdf(const ShopHeader& shop, const Quote& quote);

// Writes the PDF to `path`, whole or not at all: an existing file is replaced only when
// the new one is complete. Returns the message on failure, an empty string on success.
QString saveQuotePdf(const QString& path, const ShopHeader& shop, const Quote& quote);

}  // namespace lz::shop::print
