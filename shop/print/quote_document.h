#pragma once

#include <QFont>
#include <QString>
#include <memory>

#include "shop/quote/quote.h"
#include "shop/quote/quote_amounts.h"

class QTextDocument;

namespace lz::shop::print {

// The printed quote as rich text: the shop's header, the title 报价单, the customer block
// (客户, 联系人, 报价人, 单号, 日期, 有效期), the lines as a table (序号 … 备注, its heading
// row repeated on every page), the totals right-aligned with the total in capitals, then
// the terms (tax, validity, reference prices) and the note. Every text of the quote is
// escaped: a customer called "<b>" prints as such. `amounts` as computeAmounts gave them.
QString quoteHtml(const ShopHeader& shop, const Quote& quote, const QuoteAmounts& amounts);

// The same as a document in `font` (see quote_font.h), wrapping long designations
// anywhere rather than running past their column.
std::unique_ptr<QTextDocument> quoteDocument(const ShopHeader& shop, const Quote& quote,
                                             const QuoteAmounts& amounts, const QFont& font);

}  // namespace lz::shop::print
