#include "shop/print/quote_document.h"

#include <QTextDocument>
#include <QTextOption>
#include <array>

#include "shop/quote/amount_in_capitals.h"
#include "shop/quote/quote_table.h"
#include "shop/quote/quote_text.h"

namespace lz::shop::print {

namespace {

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped().replace(QLatin1Char('\n'),
                                                                QLatin1String("<br>"));
}

QString money(Fen fen) {
    return QString::fromStdString(formatYuan(fen, Grouping::Thousands));
}

// The columns of the lines' table: heading, share of the width, numbers to the right.
struct Column {
    const char* heading;
    int percent;
    bool right;
};
constexpr std::array<Column, 10> kColumns = {{
    {"序号", 5, false},
    {"询价型号", 14, false},
    {"报价型号", 14, false},
    {"品牌", 8, false},
    {"数量", 7, true},
    {"单位", 5, false},
    {"单价", 10, true},
    {"金额", 12, true},
    {"货期", 9, false},
    {"备注", 16, false},
}};

void appendShopHeader(QString& html, const ShopHeader& shop) {
    if (!shop.name.empty()) {
        html += QStringLiteral(
                    "<p align=\"center\" style=\"font-size:17pt; font-weight:bold; "
                    "margin-bottom:2px\">%1</p>")
                    .arg(escaped(shop.name));
    }
    QStringList contact;
    if (!shop.address.empty()) {
        contact << QStringLiteral("地址：") + escaped(shop.address);
    }
    if (!shop.phone.empty()) {
        contact << QStringLiteral("电话：") + escaped(shop.phone);
    }
    // Rich text folds runs of blanks, the ideographic space too; these stay.
    QString lines = contact.join(QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;"));
    if (!shop.bank.empty()) {
        lines += (lines.isEmpty() ? QString() : QStringLiteral("<br>")) +
                 QStringLiteral("开户行：") + escaped(shop.bank);
    }
    if (!lines.isEmpty()) {
        html += QStringLiteral("<p align=\"center\" style=\"font-size:9pt; margin-top:0px\">%1</p>")
                    .arg(lines);
    }
    html += QStringLiteral("<hr>");
}

void appendCustomerBlock(QString& html, const Quote& quote) {
    const auto cell = [](const char* name, const QString& value) {
        return QStringLiteral("<td width=\"55%\">%1：%2</td>").arg(QString::fromUtf8(name), value);
    };
    const auto pair = [](const char* name, const QString& value) {
        return QStringLiteral("<td>%1：%2</td>").arg(QString::fromUtf8(name), value);
    };
    const QString validity = QStringLiteral("%1 天（至 %2）")
                                 .arg(quote.validDays)
                                 .arg(QString::fromStdString(formatDate(validUntil(quote))));
    html += QStringLiteral(
        "<table width=\"100%\" cellpadding=\"2\" cellspacing=\"0\" "
        "style=\"font-size:10pt; margin-bottom:6px\">");
    html += QStringLiteral("<tr>") + cell("客户", escaped(quote.customer)) +
            pair("单号", escaped(quote.number)) + QStringLiteral("</tr>");
    html += QStringLiteral("<tr>") + cell("联系人", escaped(quote.contact)) +
            pair("日期", QString::fromStdString(formatDate(quote.date))) + QStringLiteral("</tr>");
    html += QStringLiteral("<tr>") + cell("报价人", escaped(quote.quotedBy)) +
            pair("有效期", validity) + QStringLiteral("</tr>");
    html += QStringLiteral("</table>");
}

void appendLines(QString& html, const Quote& quote, const QuoteAmounts& amounts) {
    html += QStringLiteral(
        "<p align=\"right\" style=\"font-size:8pt; margin-top:0px; margin-bottom:2px\">"
        "金额单位：元</p>");
    html += QStringLiteral(
        "<table width=\"100%\" border=\"0.5\" cellspacing=\"0\" cellpadding=\"3\" "
        "style=\"border-color:#555555; border-style:solid; "
        "font-size:9pt\">");
    html += QStringLiteral("<thead><tr>");
    for (const Column& column : kColumns) {
        html += QStringLiteral("<th width=\"%1%\" bgcolor=\"#e6e6e6\" align=\"center\">%2</th>")
                    .arg(column.percent)
                    .arg(QString::fromUtf8(column.heading));
    }
    html += QStringLiteral("</tr></thead>");
    for (std::size_t i = 0; i < quote.lines.size(); ++i) {
        const QuoteLine& line = quote.lines[i];
        std::optional<Fen> amount;
        if (i < amounts.lineAmounts.size()) {
            amount = amounts.lineAmounts[i];
        }
        const std::array<QString, 10> cells = {
            QString::number(i + 1),
            escaped(line.askedModel),
            escaped(line.offeredModel),
            escaped(line.brand),
            line.quantity ? QString::number(*line.quantity) : QString(),
            escaped(line.unit),
            line.unitPrice ? money(*line.unitPrice) : QString(),
            amount ? money(*amount) : QString(),
            escaped(line.delivery),
            escaped(lineNoteCell(line)),
        };
        html += QStringLiteral("<tr>");
        for (std::size_t c = 0; c < cells.size(); ++c) {
            html += QStringLiteral("<td align=\"%1\">%2</td>")
                        .arg(kColumns[c].right  ? QStringLiteral("right")
                             : c == 0 || c == 5 ? QStringLiteral("center")
                                                : QStringLiteral("left"),
                             cells[c]);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
}

void appendTotals(QString& html, const Quote& quote, const QuoteAmounts& amounts) {
    const auto row = [](const QString& label, const QString& value, bool strong = false) {
        const QString weight = strong ? QStringLiteral(" style=\"font-weight:bold\"") : QString();
        return QStringLiteral(
                   "<tr><td align=\"right\"%3>%1：</td>"
                   "<td align=\"right\"%3>%2</td></tr>")
            .arg(label, value, weight);
    };
    html += QStringLiteral(
        "<table align=\"right\" cellpadding=\"2\" cellspacing=\"0\" "
        "style=\"font-size:10pt; margin-top:6px\">");
    html += row(QString::fromUtf8(kSubtotalLabel), money(amounts.subtotal));
    if (quote.taxBasis == TaxBasis::ExcludingTax) {
        html += row(QString::fromStdString(taxLabel(quote.taxRateBasisPoints)), money(amounts.tax));
    }
    if (amounts.freight != 0) {
        html += row(QString::fromUtf8(kFreightLabel), money(amounts.freight));
    }
    if (amounts.adjustment != 0) {
        html += row(QString::fromUtf8(kAdjustmentLabel), money(amounts.adjustment));
    }
    html += row(QString::fromUtf8(kTotalLabel), QStringLiteral("¥") + money(amounts.total), true);
    html += QStringLiteral("</table>");
    html += QStringLiteral("<p align=\"right\" style=\"font-size:10pt\">人民币（大写）：%1</p>")
                .arg(QString::fromStdString(amountInCapitals(amounts.total)));
}

void appendTerms(QString& html, const Quote& quote, const QuoteAmounts& amounts) {
    const QString rate = QString::fromStdString(formatTaxRate(quote.taxRateBasisPoints));
    QStringList terms;
    terms << (quote.taxBasis == TaxBasis::IncludingTax
                  ? QStringLiteral("以上单价含 %1 增值税。").arg(rate)
                  : QStringLiteral("以上单价不含税，税额按 %1 计入总额。").arg(rate));
    terms << QStringLiteral("本报价有效期 %1 天（%2 至 %3）。")
                 .arg(quote.validDays)
                 .arg(QString::fromStdString(formatDate(quote.date)),
                      QString::fromStdString(formatDate(validUntil(quote))));
    bool anyReference = false;
    for (const QuoteLine& line : quote.lines) {
        anyReference |= line.priceSource == PriceSource::Reference && line.unitPrice.has_value();
    }
    if (anyReference) {
        terms << QStringLiteral("注明“参考价”的单价为参考价格，以确认订货时为准。");
    }
    if (amounts.linesWithoutAmount > 0) {
        terms << QStringLiteral("未填数量或单价的型号不计入合计。");
    }
    html += QStringLiteral(
        "<p style=\"font-size:9pt; margin-top:10px; margin-bottom:2px\">"
        "<b>说明</b></p>");
    html += QStringLiteral("<p style=\"font-size:9pt; margin-top:0px\">");
    for (int i = 0; i < terms.size(); ++i) {
        html += QStringLiteral("%1%2. %3")
                    .arg(i > 0 ? QStringLiteral("<br>") : QString())
                    .arg(i + 1)
                    .arg(terms[i]);
    }
    html += QStringLiteral("</p>");
    if (!quote.note.empty()) {
        html += QStringLiteral("<p style=\"font-size:9pt\">备注：%1</p>").arg(escaped(quote.note));
    }
    html += QStringLiteral(
        "<table width=\"100%\" cellpadding=\"2\" cellspacing=\"0\" "
        "style=\"font-size:10pt; margin-top:18px\"><tr>"
        "<td width=\"60%\">客户确认（签字／盖章）：</td><td>日期：</td></tr></table>");
}

}  // namespace

QString quoteHtml(const ShopHeader& shop, const Quote& quote, const QuoteAmounts& amounts) {
    QString html = QStringLiteral("<html><body>");
    appendShopHeader(html, shop);
    html += QStringLiteral(
        "<p align=\"center\" style=\"font-size:20pt; font-weight:bold; margin-top:4px; "
        "margin-bottom:8px\">报价单</p>");
    appendCustomerBlock(html, quote);
    appendLines(html, quote, amounts);
    appendTotals(html, quote, amounts);
    appendTerms(html, quote, amounts);
    html += QStringLiteral("</body></html>");
    return html;
}

std::unique_ptr<QTextDocument> quoteDocument(const ShopHeader& shop, const Quote& quote,
                                             const QuoteAmounts& amounts, const QFont& font) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    document->setDocumentMargin(0);
    document->setHtml(quoteHtml(shop, quote, amounts));
    return document;
}

}  // namespace lz::shop::print
