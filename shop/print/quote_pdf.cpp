#include "shop/print/quote_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "shop/print/quote_document.h"
#include "shop/print/quote_font.h"
#include "shop/quote/quote_amounts.h"

namespace lz::shop::print {

namespace {

constexpr qreal kMarginMillimetres = 15;
constexpr qreal kFooterPointSize = 8;

QString firstProblem(const Quote& quote) {
    const auto problems = checkQuote(quote);
    return problems.empty() ? QString() : QString::fromStdString(describeProblem(problems.front()));
}

QString footerText(const Quote& quote, int page, int pages) {
    const QString pageText = QStringLiteral("第 %1 页，共 %2 页").arg(page).arg(pages);
    if (quote.number.empty()) {
        return pageText;
    }
    return QStringLiteral("报价单 %1　　%2").arg(QString::fromStdString(quote.number), pageText);
}

}  // namespace

void setQuotePageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
}

QString paintQuote(QPagedPaintDevice& device, const ShopHeader& shop, const Quote& quote) {
    if (QString problem = firstProblem(quote); !problem.isEmpty()) {
        return problem;
    }
    const QuoteAmounts amounts = *computeAmounts(quote);
    const QuoteFont chosen = quoteFont();
    const auto document = quoteDocument(shop, quote, amounts, chosen.font);
    // Lay out in the device's own units, so that point sizes come out as points on paper.
    document->documentLayout()->setPaintDevice(&device);

    QFont footerFont = chosen.font;
    footerFont.setPointSizeF(kFooterPointSize);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const QRectF paintArea = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const qreal footerHeight = footerMetrics.height() * 2;
    const QSizeF body(paintArea.width(), paintArea.height() - footerHeight);
    document->setPageSize(body);
    const int pages = document->pageCount();

    QPainter painter;
    if (!painter.begin(&device)) {
        return QStringLiteral("无法开始打印或写入 PDF");
    }
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            return QStringLiteral("无法开始新的一页");
        }
        painter.save();
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, page * body.height()), body);
        context.palette.setColor(QPalette::Text, Qt::black);
        document->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom, footerText(quote, page + 1, pages));
    }
    if (!painter.end()) {
        return QStringLiteral("无法完成打印或 PDF");
    }
    return {};
}

QuotePdf quotePdf(const ShopHeader& shop, const Quote& quote) {
    QuotePdf pdf;
    QBuffer buffer(&pdf.bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setQuotePageLayout(writer);
        writer.setTitle(QStringLiteral("报价单 %1").arg(QString::fromStdString(quote.number)));
        writer.setCreator(QStringLiteral("翎轴"));
        pdf.problem = paintQuote(writer, shop, quote);
    }
    buffer.close();
    if (!pdf.problem.isEmpty()) {
        pdf.bytes.clear();
    }
    return pdf;
}

QString saveQuotePdf(const QString& path, const ShopHeader& shop, const Quote& quote) {
    const QuotePdf pdf = quotePdf(shop, quote);
    if (!pdf.problem.isEmpty()) {
        return pdf.problem;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.bytes) != pdf.bytes.size() ||
        !file.commit()) {
        return QStringLiteral("无法保存 PDF 文件“%1”：%2").arg(path, file.errorString());
    }
    return {};
}

}  // namespace lz::shop::print
