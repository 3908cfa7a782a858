#pragma once

#include <QString>
#include <memory>

#include "shop/quote/quote.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace lz::shop::print {

// Qt's print preview of a quote on `printer` (set to A4 portrait first), painting what the
// PDF shows (quote_pdf.h); printing from it prints those pages. The quote and the shop's
// header are copied: the dialog may outlive them. Nothing when the quote has a problem; the
// message is then in `problem`.
std::unique_ptr<QPrintPreviewDialog> makeQuotePrintPreview(QPrinter& printer, QWidget* parent,
                                                           const ShopHeader& shop,
                                                           const Quote& quote, QString& problem);

}  // namespace lz::shop::print
