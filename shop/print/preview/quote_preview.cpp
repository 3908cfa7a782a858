#include "shop/print/preview/quote_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "shop/print/quote_pdf.h"
#include "shop/quote/quote_amounts.h"

namespace lz::shop::print {

std::unique_ptr<QPrintPreviewDialog> makeQuotePrintPreview(QPrinter& printer, QWidget* parent,
                                                           const ShopHeader& shop,
                                                           const Quote& quote, QString& problem) {
    const auto problems = checkQuote(quote);
    if (!problems.empty()) {
        problem = QString::fromStdString(describeProblem(problems.front()));
        return nullptr;
    }
    problem.clear();
    setQuotePageLayout(printer);
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setWindowTitle(
        QStringLiteral("报价单 %1 — 打印预览").arg(QString::fromStdString(quote.number)));
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [shop, quote](QPrinter* target) { paintQuote(*target, shop, quote); });
    return dialog;
}

}  // namespace lz::shop::print
