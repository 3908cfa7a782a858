// Quotes written as PDF on the offscreen platform and read back as a person's PDF reader
// would: the text (pdftotext) must be the characters printed, searchable and copyable, and
// the font (pdffonts) embedded.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "shop/print/preview/quote_preview.h"
#include "shop/print/quote_font.h"
#include "shop/print/quote_pdf.h"
#include "tests/support/temp_dir.h"

namespace lz::shop::print {
namespace {

using namespace std::chrono_literals;

// The standard output of a poppler tool, or a failure that says how to get the tool.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed (" << process.errorString().toStdString()
                      << "); it comes with poppler-utils, see scripts/install-deps.sh";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QString path(const lz::test::TempDir& dir, const char* name) {
    return QString::fromStdString((dir.path() / name).string());
}

ShopHeader shopHeader() {
    return {"翎轴轴承商行", "0371-12345678", "郑州市二七区轴承市场 A 区 18 号",
            "工商银行二七支行 6222 0000 1111 2222"};
}

QuoteLine line(const char* model, std::int64_t quantity, Fen price) {
    QuoteLine l;
    l.askedModel = model;
    l.offeredModel = model;
    l.brand = "NSK";
    l.quantity = quantity;
    l.unitPrice = price;
    l.delivery = "现货";
    return l;
}

Quote sampleQuote() {
    Quote q;
    q.customer = "华北重工机械有限公司";
    q.contact = "王工";
    q.quotedBy = "李明";
    q.number = "20261208-001";
    q.date = 2026y / 12 / 8;
    q.lines = {line("6205-2RS", 10, 3241), line("NU2210E", 2, 18650)};
    return q;
}

TEST(QuotePdf, ChineseTextComesOutAsTheCharactersPrinted) {
    lz::test::TempDir dir;
    const QString file = path(dir, "quote.pdf");
    ASSERT_EQ(saveQuotePdf(file, shopHeader(), sampleQuote()), QString());

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    const QString text = pdfText(file);
    // 10 × 32.41 + 2 × 186.50 = 324.10 + 373.00 = 697.10
    for (const char* expected : {"华北重工机械有限公司",
                                 "翎轴轴承商行",
                                 "报价单",
                                 "客户",
                                 "联系人",
                                 "报价人",
                                 "日期",
                                 "单号",
                                 "20261208-001",
                                 "2026-12-08",
                                 "有效期",
                                 "2026-12-15",
                                 "序号",
                                 "询价型号",
                                 "报价型号",
                                 "品牌",
                                 "数量",
                                 "单位",
                                 "单价",
                                 "金额",
                                 "货期",
                                 "备注",
                                 "合计",
                                 "总额",
                                 "6205-2RS",
                                 "NU2210E",
                                 "324.10",
                                 "373.00",
                                 "697.10",
                                 "陆佰玖拾柒元壹角整",
                                 "开户行",
                                 "以上单价含 13% 增值税"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // Not one Kangxi radical or CJK radical supplement character in place of an ideograph:
    // 金 would be U+2FA6, 户 U+2F3E, 日 U+2F47.
    for (const QChar c : text) {
        EXPECT_FALSE(c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF)
            << "U+" << QString::number(c.unicode(), 16).toStdString();
    }
    for (const char* single : {"金", "户", "日"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(single))) << single;
    }
}

TEST(QuotePdf, EveryFontIsEmbeddedAndItIsTheQuoteFont) {
    lz::test::TempDir dir;
    const QString file = path(dir, "quote.pdf");
    ASSERT_EQ(saveQuotePdf(file, shopHeader(), sampleQuote()), QString());
    const QStringList lines =
        run(QStringLiteral("pdffonts"), {file}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // name, type…, encoding, then emb sub uni and the object number: read from the end.
    ASSERT_GE(lines.size(), 3) << "no fonts listed";
    bool quoteFontSeen = false;
    for (const QString& fontLine : lines.mid(2)) {
        const QStringList columns = fontLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 7) << fontLine.toStdString();
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes"))
            << "not embedded: " << fontLine.toStdString();
        EXPECT_EQ(columns[columns.size() - 3], QStringLiteral("yes"))
            << "no text map: " << fontLine.toStdString();
        quoteFontSeen |= columns[0] == QStringLiteral("WenQuanYiMicroHei");
    }
    EXPECT_TRUE(quoteFontSeen) << lines.join(QLatin1Char('\n')).toStdString();
}

TEST(QuotePdf, TaxFreightAndAdjustmentAreSpelledOut) {
    lz::test::TempDir dir;
    Quote q = sampleQuote();
    q.taxBasis = TaxBasis::ExcludingTax;
    q.freight = 2000;
    q.adjustment = -710;
    q.lines[1].priceSource = PriceSource::Reference;
    q.note = "款到发货";
    const QString file = path(dir, "net.pdf");
    ASSERT_EQ(saveQuotePdf(file, shopHeader(), q), QString());
    const QString text = pdfText(file);
    // 697.10 × 13 % = 90.623 → 90.62; 697.10 + 90.62 + 20.00 − 7.10 = 800.62
    for (const char* expected :
         {"697.10", "税额（13%）", "90.62", "运费", "20.00", "调整", "-7.10", "800.62",
          "捌佰元零陆角贰分", "以上单价不含税，税额按 13% 计入总额。", "参考价", "款到发货"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("增值税。")));
}

TEST(QuotePdf, TheQuotesOwnTextsPrintAsTyped) {
    lz::test::TempDir dir;
    Quote q = sampleQuote();
    q.customer = "A&B <公司>";
    q.lines[0].note = "<b>不是粗体</b>";
    q.lines[1].offeredModel = std::string(150, '9');  // wraps inside its column
    const QString file = path(dir, "texts.pdf");
    ASSERT_EQ(saveQuotePdf(file, ShopHeader{}, q), QString());
    const QString text = pdfText(file);
    EXPECT_TRUE(text.contains(QStringLiteral("A&B <公司>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<b>不是粗体</b>")));
    EXPECT_TRUE(text.contains(QStringLiteral("报价单")));
    QString digits = text;
    digits.remove(QRegularExpression(QStringLiteral("[^9]")));
    EXPECT_GE(digits.size(), 150);
}

TEST(QuotePdf, AQuoteWithoutLinesOrPricesStillPrints) {
    lz::test::TempDir dir;
    Quote q = sampleQuote();
    q.lines.clear();
    const QString empty = path(dir, "empty.pdf");
    ASSERT_EQ(saveQuotePdf(empty, ShopHeader{}, q), QString());
    EXPECT_TRUE(pdfText(empty).contains(QStringLiteral("零元整")));

    q.lines = {line("6205-2RS", 10, 3241)};
    q.lines[0].unitPrice.reset();
    const QString unpriced = path(dir, "unpriced.pdf");
    ASSERT_EQ(saveQuotePdf(unpriced, ShopHeader{}, q), QString());
    const QString text = pdfText(unpriced);
    EXPECT_TRUE(text.contains(QStringLiteral("6205-2RS")));
    EXPECT_TRUE(text.contains(QStringLiteral("未填数量或单价的型号不计入合计。")));
    EXPECT_TRUE(text.contains(QStringLiteral("零元整")));
}

TEST(QuotePdf, ALongQuoteRunsOverPagesWithItsHeadingsOnEach) {
    lz::test::TempDir dir;
    Quote q = sampleQuote();
    q.lines.clear();
    for (int i = 1; i <= 200; ++i) {
        q.lines.push_back(line(("62" + std::to_string(1000 + i)).c_str(), i, 100));
    }
    const QString file = path(dir, "long.pdf");
    ASSERT_EQ(saveQuotePdf(file, shopHeader(), q), QString());
    const QStringList pages = pdfText(file).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 4);
    for (int p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        EXPECT_TRUE(pages[p].contains(QStringLiteral("询价型号")));
        EXPECT_TRUE(
            pages[p].contains(QStringLiteral("第 %1 页，共 %2 页").arg(p + 1).arg(pages.size())));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("20261208-001")));
    }
    EXPECT_TRUE(pages.front().contains(QStringLiteral("621001")));
    EXPECT_TRUE(pages.back().contains(QStringLiteral("621200")));
    // Σ i × 1.00 for i = 1 … 200 = 20,100.00
    EXPECT_TRUE(pages.back().contains(QStringLiteral("20,100.00")));
    EXPECT_TRUE(pages.back().contains(QStringLiteral("贰万零壹佰元整")));
}

TEST(QuotePdf, AQuoteWithAProblemWritesNothing) {
    lz::test::TempDir dir;
    const QString file = path(dir, "kept.pdf");
    {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("earlier quote");
    }
    Quote q = sampleQuote();
    q.lines[1].quantity = -2;
    EXPECT_EQ(saveQuotePdf(file, shopHeader(), q), QStringLiteral("第 2 行：数量不能为负数"));
    const QuotePdf pdf = quotePdf(shopHeader(), q);
    EXPECT_TRUE(pdf.bytes.isEmpty());
    EXPECT_EQ(pdf.problem, QStringLiteral("第 2 行：数量不能为负数"));
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("earlier quote"));

    const QString nowhere = path(dir, "no such folder/quote.pdf");
    const QString message = saveQuotePdf(nowhere, shopHeader(), sampleQuote());
    EXPECT_TRUE(message.startsWith(QStringLiteral("无法保存 PDF 文件“"))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST(QuoteFont, IsChosenByNameAndSaysSoWhenMissing) {
    const QuoteFont chosen = quoteFont(10);
    EXPECT_EQ(chosen.warning, QString());
    EXPECT_EQ(QFontInfo(chosen.font).family(), QStringLiteral("WenQuanYi Micro Hei"));
    EXPECT_EQ(chosen.font.pointSizeF(), 10);

    const QuoteFont missing =
        chooseQuoteFont(QStringLiteral("无此字体"), QStringLiteral("/nonexistent/none.ttf"), 9);
    EXPECT_TRUE(missing.warning.contains(QStringLiteral("找不到报价单字体“无此字体”")));
    EXPECT_TRUE(missing.warning.contains(QStringLiteral("fonts-wqy-microhei")));
    EXPECT_TRUE(missing.warning.contains(QStringLiteral("无法搜索或复制")));
    EXPECT_EQ(missing.font.pointSizeF(), 9);
}

TEST(QuotePreview, ShowsThePagesOrSaysWhyNot) {
    QPrinter printer;
    QString problem;
    Quote bad = sampleQuote();
    bad.lines[0].unitPrice = -1;
    EXPECT_EQ(makeQuotePrintPreview(printer, nullptr, shopHeader(), bad, problem), nullptr);
    EXPECT_EQ(problem, QStringLiteral("第 1 行：单价不能为负数"));

    auto dialog = makeQuotePrintPreview(printer, nullptr, shopHeader(), sampleQuote(), problem);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(problem, QString());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    dialog->show();
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->updatePreview();
    EXPECT_EQ(preview->pageCount(), 1);
    dialog->close();
}

}  // namespace
}  // namespace lz::shop::print
