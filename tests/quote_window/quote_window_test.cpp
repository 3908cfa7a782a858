// The 报价单 window end to end on the real main window and the shipped catalogue: rows added
// from five lists (menus and Ctrl+Q), quantities and the quote's figures typed into the boxes,
// the sums, the print preview, the PDF read back, the CSV; the kept quotes opened, copied and
// deleted, and a quote that outlives the shop file being closed. Files are chosen and boxes
// answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>

#include "query/result_list_fill.h"
#include "shop/actions/open_quote.h"
#include "shop/actions/quote_windows.h"
#include "shop/store/quote_store.h"
#include "shop/store/shop_session.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/shop/fixture_files.h"
#include "ui/file_dialogs.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/main_window_template.h"
#include "windows/quote_window_template.h"
#include "windows/shop_stock_template.h"

namespace lz::shop {
namespace {

using namespace windows;
using actions::OpenQuote;

// Today by the C library's clock: "%Y%m%d" as the quote number writes it, "20261208";
// "%Y-%m-%d" as the window shows the date.
std::string today(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string pdfText(const std::string& path) {
    QProcess process;
    process.start("pdftotext", {"-enc", "UTF-8", QString::fromStdString(path), "-"});
    if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed; it comes with poppler-utils (scripts/install-deps.sh)";
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

class QuoteWindow : public lz::test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ui::FileDialogs::setResponder([this](const ui::SaveFileRequest& request) {
            offeredNames_.push_back(request.suggestedName);
            return savedFile_;
        });
        ui::FileDialogs::setOpenResponder([this](const ui::OpenFileRequest& request) {
            offeredNames_.push_back(request.caption);
            return chosenFile_;
        });
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_NE(ShopSession::instance().file(), nullptr);
    }
    void TearDown() override {
        actions::setQuotePreviewResponder({});
        ui::FileDialogs::setResponder({});
        ui::FileDialogs::setOpenResponder({});
        MainWindowTest::TearDown();
        QApplication::processEvents();
    }

    // The shop stocks NSK's 6205-2RS (catalogue row 466) at 32.50 yuan.
    static void stockOneBearing() {
        StockLine line;
        line.sourceLine = 2;
        line.designation = "6205DDU";
        line.brand = "NSK";
        line.quantity = 10;
        line.priceFen = 3250;
        line.match = MatchState::Matched;
        line.bh = 466;
        ASSERT_TRUE(ShopSession::instance().file()->importLines({line}, "库存.csv").ok);
        ShopSession::instance().changed();
    }

    static QMenu* menu(const ui::Window& window, std::string_view name) {
        return qobject_cast<QMenu*>(window.widgetForTesting(name));
    }
    // By its caption: the menu's other items may come and go.
    static void chooseMenuItem(const ui::Window& window, std::string_view name,
                               const QString& caption) {
        for (QAction* action : menu(window, name)->actions()) {
            if (action->text() == caption) {
                action->trigger();
                return;
            }
        }
        FAIL() << "no menu item " << caption.toStdString() << " in " << name;
    }
    static ui::Window* window(std::string_view name) {
        return ui::WindowManager::instance().find(name);
    }
    static void click(ui::Window& window, std::string_view button) {
        QTest::mouseClick(window.widgetForTesting(button), Qt::LeftButton);
    }
    // The text of a box replaced as a person does: select all, type.
    static void type(ui::Window& window, std::string_view box, std::string_view text) {
        QWidget* target = window.widgetForTesting(box);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(target, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    // The text of a box replaced at once, as a paste or an input method does it.
    static void replaceAtOnce(ui::Window& window, std::string_view box, std::string_view text) {
        QWidget* target = window.widgetForTesting(box);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        if (text.empty()) {
            QTest::keyClick(target, Qt::Key_Delete);
        } else {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown,
                                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                                Qt::NoModifier);
        }
        ASSERT_EQ(window.text(box), text);
    }
    static void choose(ui::Window& window, std::string_view box, int index) {
        auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting(box));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Ctrl+Q where a person presses it: in the window, its list having the focus.
    static void pressCtrlQ(ui::Window& window, std::string_view list) {
        QWidget* top = window.widgetForTesting();
        top->activateWindow();
        QApplication::setActiveWindow(top);
        QWidget* focus = window.widgetForTesting(list);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Q, Qt::ControlModifier);
    }
    // The rows of the bearing list with these catalogue rows, in this order.
    void listBearings(const char* ids) {
        query::fillBearingList(
            *main_, std::string("select * from bearing where bh in (") + ids + ") order by bh");
    }
    // The quote's lines as the window lists them, the cells joined with '|'.
    static std::vector<std::string> lines(const ui::Window& quote) {
        return rowsOf(quote, kQuoteLines, kLineColumnCount);
    }
    static std::vector<std::string> sums(const ui::Window& quote) {
        return {quote.text(kQuoteSubtotal), quote.text(kQuoteTax), quote.text(kQuoteTotal)};
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const ui::BoxRequest& box : boxes_) {
            texts.push_back(box.text);
        }
        return texts;
    }
    // The number of the n-th quote of today.
    static std::string numberOfToday(int n) {
        char counter[8];
        std::snprintf(counter, sizeof counter, "-%03d", n);
        return today("%Y%m%d") + counter;
    }

    ui::Window* main_ = nullptr;
    std::optional<std::string> savedFile_;
    std::optional<std::string> chosenFile_;
    std::vector<std::string> offeredNames_;
};

TEST_F(QuoteWindow, AddRowsFromFiveListsTypeQuantitiesAndPrintTheSums) {
    stockOneBearing();

    // The bearing list: NSK 6205 (row 463), not stocked: the price list's price with tax,
    // 32.4207, as the reference price 32.42.
    listBearings("463, 466");
    main_->selectRow("超级列表框_主窗口", 0);
    chooseMenuItem(*main_, "右键", "加入报价单");
    ui::Window* quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr) << "the window opens with the first line";
    // NSK 6205-2RS (row 466), stocked: the shop's price, offered in NSK's writing, 6205DDU.
    // By Ctrl+Q this time.
    main_->selectRow("超级列表框_主窗口", 1);
    pressCtrlQ(*main_, "超级列表框_主窗口");

    // The imported price list: NSK 6205ZZC3 at 39.29 / 45.9693.
    main_->setCurrentPage(kMainPages, 1);
    query::fillImportedPriceList(*main_, "select * from prjk where ID = 10543");
    main_->selectRow("超级列表框_主窗口1", 0);
    chooseMenuItem(*main_, "右键1", "加入报价单");

    // The 本店库存 window's line.
    main_->setCurrentPage(kMainPages, 0);
    chooseMenuItem(*main_, "右键", "本店库存");
    ui::Window* stock = window(kShopStockWindowName);
    ASSERT_NE(stock, nullptr);
    stock->selectRow(kShopStockList, 0);
    chooseMenuItem(*stock, kShopStockMenu, "加入报价单");
    // The domestic price list: 洛阳's 6205 at 9.42 / 11.0214.
    main_->setCurrentPage(kMainPages, 2);
    query::fillDomesticPriceList(*main_, "select * from prgc where id = 11629");
    main_->selectRow("超级列表框_主窗口2", 0);
    chooseMenuItem(*main_, "右键2", "加入报价单");

    EXPECT_EQ(lines(*quote), (std::vector<std::string>{
                                 "6205|6205|NSK||套|32.42|参考价||||",
                                 "6205DDU|6205DDU|NSK||套|32.50|本店价||||",
                                 "6205ZZC3|6205ZZC3|NSK||套|45.97|参考价||||",
                                 "6205DDU|6205DDU|NSK||套|32.50|本店价||||",
                                 "6205|6205|洛阳||套|11.02|参考价||||",
                             }));
    EXPECT_EQ(quote->selectedRow(kQuoteLines), 4) << "the line added is selected";
    EXPECT_EQ(quote->text(kLineBrand), "洛阳");
    EXPECT_EQ(sums(*quote), (std::vector<std::string>{"合计：0.00", "税额：0.00", "总额：0.00"}));

    // Quantities typed into the selected line's box; the last two lines deleted.
    click(*quote, kDeleteLineButton);
    EXPECT_EQ(quote->selectedRow(kQuoteLines), 3) << "the line before is selected";
    click(*quote, kDeleteLineButton);
    const char* quantities[] = {"4", "2", "1"};
    for (int row = 0; row < 3; ++row) {
        quote->selectRow(kQuoteLines, row);
        type(*quote, kLineQuantity, quantities[row]);
    }
    EXPECT_EQ(lines(*quote), (std::vector<std::string>{
                                 "6205|6205|NSK|4|套|32.42|参考价|129.68|||",
                                 "6205DDU|6205DDU|NSK|2|套|32.50|本店价|65.00|||",
                                 "6205ZZC3|6205ZZC3|NSK|1|套|45.97|参考价|45.97|||",
                             }));
    EXPECT_EQ(sums(*quote),
              (std::vector<std::string>{"合计：240.65", "税额：0.00", "总额：240.65"}));

    // A negative quantity is refused, said in red, and the line keeps its 4.
    quote->selectRow(kQuoteLines, 0);
    replaceAtOnce(*quote, kLineQuantity, "-1");
    EXPECT_EQ(quote->text(kQuoteProblem), "数量不能为负数");
    EXPECT_EQ(quote->cellText(kQuoteLines, 0, kAmountColumn), "129.68");
    type(*quote, kLineQuantity, "40");
    EXPECT_EQ(quote->text(kQuoteProblem), "");
    EXPECT_EQ(quote->cellText(kQuoteLines, 0, kAmountColumn), "1296.80");
    type(*quote, kLineQuantity, "4");
    // A price typed by hand is no longer the reference price.
    quote->selectRow(kQuoteLines, 2);
    type(*quote, kLineUnitPrice, "45");
    EXPECT_EQ(quote->cellText(kQuoteLines, 2, kPriceSourceColumn), "");
    EXPECT_EQ(quote->cellText(kQuoteLines, 2, kAmountColumn), "45.00");
    type(*quote, kLineUnitPrice, "45.97");

    // Without tax: 13 % of 240.65 is 31.2845, rounded to 31.28; then freight and a discount.
    choose(*quote, kQuoteTaxBasis, kExcludingTaxItem);
    EXPECT_EQ(sums(*quote),
              (std::vector<std::string>{"合计：240.65", "税额：31.28", "总额：271.93"}));
    type(*quote, kQuoteFreight, "15");
    type(*quote, kQuoteAdjustment, "-6.93");
    EXPECT_EQ(sums(*quote),
              (std::vector<std::string>{"合计：240.65", "税额：31.28", "总额：280.00"}));
    // A discount beyond the total is refused.
    replaceAtOnce(*quote, kQuoteAdjustment, "-1000");
    EXPECT_EQ(quote->text(kQuoteProblem), "总额不能为负数，请检查调整金额");
    EXPECT_EQ(quote->text(kQuoteTotal), "总额：280.00");
    type(*quote, kQuoteAdjustment, "-6.93");
    type(*quote, kQuoteCustomer, "甲机械厂");
    type(*quote, kQuoteContact, "王工");
    // Kept a moment after the last key, without any button: the window may be closed now.
    QTest::qWait(OpenQuote::kKeepDelayMs + 300);
    const auto kept = listQuotes(*ShopSession::instance().file());
    ASSERT_TRUE(kept && kept->size() == 1u);
    EXPECT_EQ(kept->front().customer, "甲机械厂");
    EXPECT_EQ(kept->front().total, 28000);
    EXPECT_EQ(quote->text(kQuoteNumber), numberOfToday(1));

    // The print preview: shown, with its page, and ended by the test.
    int previewPages = -1;
    bool previewShown = false;
    actions::setQuotePreviewResponder([&](QPrintPreviewDialog& dialog) {
        previewShown = dialog.isVisible();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        previewPages = preview->pageCount();
    });
    click(*quote, kQuotePreviewButton);
    EXPECT_TRUE(previewShown);
    EXPECT_EQ(previewPages, 1);
    EXPECT_EQ(quote->text(kQuoteNumber), numberOfToday(1));

    // The PDF, read back as text.
    savedFile_ = (home_.path() / "报价单.pdf").string();
    click(*quote, kQuotePdfButton);
    EXPECT_EQ(offeredNames_.back(), "报价单-" + numberOfToday(1) + ".pdf");
    const std::string text = pdfText(*savedFile_);
    for (const char* expected : {"甲机械厂", "金额", "合计", "6205ZZC3", "280.00"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    }

    // The CSV: the quote's table with the export's rules ("-6.93" would be a formula).
    savedFile_ = (home_.path() / "报价单.csv").string();
    click(*quote, kQuoteExportButton);
    EXPECT_EQ(fileText(*savedFile_),
              "\xEF\xBB\xBF"
              "序号,询价型号,报价型号,品牌,数量,单位,单价,金额,货期,备注\r\n"
              "1,6205,6205,NSK,4,套,32.42,129.68,,参考价\r\n"
              "2,6205DDU,6205DDU,NSK,2,套,32.50,65.00,,\r\n"
              "3,6205ZZC3,6205ZZC3,NSK,1,套,45.97,45.97,,\r\n"
              ",,,,,,合计,240.65,,\r\n"
              ",,,,,,税额（13%）,31.28,,\r\n"
              ",,,,,,运费,15.00,,\r\n"
              ",,,,,,调整,'-6.93,,\r\n"
              ",,,,,,总额,280.00,,\r\n"
              ",,,,,,大写,贰佰捌拾元整,,\r\n");
    EXPECT_TRUE(boxes_.empty()) << boxTexts().front();
}

// Rows of the 型号助手 by Ctrl+Q; the kept quotes listed, opened, copied (the copy is a quote
// of its own) and deleted after asking; the shop's header set once; and all of it still
// there when the program starts again on the same shop file.
TEST_F(QuoteWindow, KeptQuotesOpenCopyDeleteAndOutliveARestart) {
    listBearings("463");
    main_->selectRow("超级列表框_主窗口", 0);
    chooseMenuItem(*main_, "右键", "加入报价单");
    ui::Window* quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr);
    type(*quote, kQuoteCustomer, "甲机械厂");
    type(*quote, kLineQuantity, "3");
    EXPECT_EQ(quote->text(kQuoteTotal), "总额：97.26");

    // 新建 keeps the quote and begins an empty one.
    click(*quote, kQuoteNewButton);
    EXPECT_EQ(quote->rowCount(kQuoteLines), 0);
    EXPECT_EQ(quote->text(kQuoteCustomer), "");
    EXPECT_EQ(quote->text(kQuoteNumber), "");
    EXPECT_EQ(quote->text(kQuoteValidDays), "7");
    EXPECT_EQ(quote->text(kQuoteTaxRate), "13");
    EXPECT_EQ(quote->text(kQuoteTaxBasis), "含税");

    // From the 型号助手, by Ctrl+Q: NSK 6205DDU, unpriced here (no stock, no list price).
    chooseMenuItem(*main_, "右键", "按任意型号查找…");
    ui::Window* assistant = window("designation_assistant");
    ASSERT_NE(assistant, nullptr);
    assistant->setText("编辑框_型号", "6205DDU");
    QDeadlineTimer deadline(5000);
    while (assistant->rowCount("超级列表框_型号助手") == 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    assistant->selectRow("超级列表框_型号助手", 1);  // row 0 is the group's heading
    pressCtrlQ(*assistant, "超级列表框_型号助手");
    EXPECT_EQ(lines(*quote), (std::vector<std::string>{"6205DDU|6205DDU|NSK||套||||||"}));
    type(*quote, kQuoteCustomer, "乙贸易公司");
    type(*quote, kQuoteNote, "含运费");

    // The shop's header, set once.
    click(*quote, kQuoteShopButton);
    ui::Window* header = window(kShopHeaderWindowName);
    ASSERT_NE(header, nullptr);
    type(*header, kShopHeaderName, "翎轴轴承商行");
    type(*header, kShopHeaderPhone, "0371-12345678");
    click(*header, kShopHeaderSaveButton);
    EXPECT_EQ(window(kShopHeaderWindowName), nullptr);

    // 历史报价单: the newest first.
    click(*quote, kQuoteHistoryButton);
    ui::Window* history = window(kQuoteHistoryWindowName);
    ASSERT_NE(history, nullptr);
    const std::string one = numberOfToday(1);
    const std::string two = numberOfToday(2);
    const std::string three = numberOfToday(3);
    EXPECT_EQ(rowsOf(*history, kHistoryList, 5),
              (std::vector<std::string>{two + "|" + today("%Y-%m-%d") + "|乙贸易公司|1|0.00",
                                        one + "|" + today("%Y-%m-%d") + "|甲机械厂|1|97.26"}));

    // A copy of the first: a new number, the same lines, a quote of its own.
    history->selectRow(kHistoryList, 1);
    click(*history, kHistoryCopyButton);
    EXPECT_EQ(window(kQuoteHistoryWindowName), nullptr);
    EXPECT_EQ(quote->text(kQuoteNumber), three);
    EXPECT_EQ(quote->text(kQuoteCustomer), "甲机械厂");
    EXPECT_EQ(lines(*quote),
              (std::vector<std::string>{"6205|6205|NSK|3|套|32.42|参考价|97.26|||"}));
    quote->selectRow(kQuoteLines, 0);
    type(*quote, kLineQuantity, "5");
    click(*quote, kQuoteHistoryButton);
    history = window(kQuoteHistoryWindowName);
    ASSERT_NE(history, nullptr);
    ShopFile& file = *ShopSession::instance().file();
    EXPECT_EQ(loadQuote(file, one).quote.lines.at(0).quantity, 3) << "the original as it was";
    EXPECT_EQ(loadQuote(file, three).quote.lines.at(0).quantity, 5);

    // Deleting asks first; "否" keeps the quote.
    answer_ = ui::BoxAnswer::No;
    history->selectRow(kHistoryList, 2);
    ASSERT_EQ(history->cellText(kHistoryList, 2, 0), one);
    click(*history, kHistoryDeleteButton);
    EXPECT_EQ(boxTexts(),
              (std::vector<std::string>{"删除报价单 " + one + "（甲机械厂）？\n删除后不能恢复。"}));
    EXPECT_EQ(boxes_.back().buttons, ui::BoxButtons::YesNo);
    EXPECT_EQ(history->rowCount(kHistoryList), 3);
    EXPECT_EQ(loadQuote(file, one).status, QuoteLookup::Found);
    answer_ = ui::BoxAnswer::Yes;
    click(*history, kHistoryDeleteButton);
    EXPECT_EQ(history->rowCount(kHistoryList), 2);
    EXPECT_EQ(loadQuote(file, one).status, QuoteLookup::NotFound);
    // The open quote deleted, with a change not yet kept: it stays deleted, and the window
    // begins a new quote.
    type(*quote, kQuoteNote, "改");
    ASSERT_EQ(history->cellText(kHistoryList, 0, 0), three);
    history->selectRow(kHistoryList, 0);
    click(*history, kHistoryDeleteButton);
    QTest::qWait(OpenQuote::kKeepDelayMs + 300);
    EXPECT_EQ(loadQuote(file, three).status, QuoteLookup::NotFound);
    EXPECT_EQ(history->rowCount(kHistoryList), 1);
    EXPECT_EQ(quote->text(kQuoteNumber), "");
    EXPECT_EQ(quote->rowCount(kQuoteLines), 0);
    click(*history, kHistoryCloseButton);

    // The program ends and starts again on the same shop file.
    ui::WindowManager::instance().closeAll();
    QApplication::processEvents();
    main_ = openMainWindow();
    ASSERT_NE(main_, nullptr);
    chooseMenuItem(*main_, "右键", "报价单…");
    quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr);
    EXPECT_EQ(quote->rowCount(kQuoteLines), 0) << "a new run begins with a new quote";
    click(*quote, kQuoteHistoryButton);
    history = window(kQuoteHistoryWindowName);
    ASSERT_NE(history, nullptr);
    ASSERT_EQ(history->rowCount(kHistoryList), 1);
    history->selectRow(kHistoryList, 0);
    ASSERT_EQ(history->cellText(kHistoryList, 0, 0), two);
    click(*history, kHistoryOpenButton);
    EXPECT_EQ(quote->text(kQuoteNumber), two);
    EXPECT_EQ(quote->text(kQuoteCustomer), "乙贸易公司");
    EXPECT_EQ(quote->text(kQuoteNote), "含运费");
    EXPECT_EQ(lines(*quote), (std::vector<std::string>{"6205DDU|6205DDU|NSK||套||||||"}));
    click(*quote, kQuoteShopButton);
    header = window(kShopHeaderWindowName);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->text(kShopHeaderName), "翎轴轴承商行");
    EXPECT_EQ(header->text(kShopHeaderPhone), "0371-12345678");
    click(*header, kShopHeaderCancelButton);
}

// An enquiry list becomes a new quote: the customer's texts as written, the quantities, and
// the lines the counter must settle marked until a bearing is named; a file that is no list
// is said and changes nothing.
TEST_F(QuoteWindow, AnEnquiryListStartsAQuoteWithTheLinesToSettleMarked) {
    chooseMenuItem(*main_, "右键", "报价单…");
    ui::Window* quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr);
    type(*quote, kQuoteCustomer, "丙矿山机械");

    chosenFile_ = test::fixture("bad_empty.csv").toStdString();
    click(*quote, kQuoteEnquiryButton);
    EXPECT_EQ(offeredNames_, std::vector<std::string>{"从询价单导入"});
    EXPECT_EQ(boxTexts(), std::vector<std::string>{"无法导入 " + *chosenFile_ + "：\n文件是空的"});
    EXPECT_EQ(quote->text(kQuoteCustomer), "丙矿山机械") << "the open quote stays";

    // Six lines: one with a brand glued on, one in full-width characters, one several makers
    // have, one no catalogue knows, one of a brand that does not make it.
    chosenFile_ = test::fixture("enquiry.xlsx").toStdString();
    click(*quote, kQuoteEnquiryButton);
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(quote->text(kQuoteCustomer), "") << "a new quote";
    std::vector<std::string> asked;
    for (int row = 0; row < quote->rowCount(kQuoteLines); ++row) {
        asked.push_back(quote->cellText(kQuoteLines, row, kAskedModelColumn) + "|" +
                        quote->cellText(kQuoteLines, row, kQuantityColumn) + "|" +
                        quote->cellText(kQuoteLines, row, kCheckColumn));
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"6205-2RS|10|", "NSK6206DDU|4|", "６２０７ＺＺ|2|",
                                               "6206 2RS|20|多个匹配", "XYZ-123|1|未匹配",
                                               "6208|3|多个匹配"}));
    EXPECT_EQ(quote->text(kQuoteProblem),
              "已从询价单导入 6 行；请核对：未匹配 1 行，多个匹配 2 行");
    ShopFile& file = *ShopSession::instance().file();
    ASSERT_EQ(listQuotes(file)->size(), 1u) << "the quote typed before, kept";
    EXPECT_EQ(listQuotes(file)->front().customer, "丙矿山机械");

    // The counter names the bearing of the unknown text: the line is settled.
    quote->selectRow(kQuoteLines, 4);
    type(*quote, kLineOfferedModel, "6209");
    type(*quote, kLineBrand, "NSK");
    EXPECT_EQ(quote->cellText(kQuoteLines, 4, kCheckColumn), "");
    EXPECT_EQ(quote->cellText(kQuoteLines, 4, kAskedModelColumn), "XYZ-123") << "as asked";
    EXPECT_EQ(quote->cellText(kQuoteLines, 3, kCheckColumn), "多个匹配");
}

// Each field of the quote takes what people type (full-width digits, "¥", "元", "%",
// "天", thousands separators) and refuses the rest in red, keeping its last good value. A
// refused text stays in its box, and said, until it is put right (typed back here, to the
// value the quote kept); the cases run in order, each from what the one before left.
TEST_F(QuoteWindow, EveryFieldTakesWhatItCanAndSaysWhatItCannot) {
    using namespace std::chrono_literals;
    chooseMenuItem(*main_, "右键", "报价单…");
    ui::Window* quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr);
    struct Case {
        std::string_view box;
        std::string typed;
        const char* problem;
        std::function<bool(const Quote&)> holds;
        std::string putRight = {};  // for a refused text
    };
    const Case cases[] = {
        {kQuoteDate, "2026/12/8", "", [](const Quote& q) { return q.date == 2026y / 12 / 8; }},
        {kQuoteDate, "2026-02-30", "日期无效（例如 2026-12-08）",
         [](const Quote& q) { return q.date == 2026y / 12 / 8; }, "2026-12-08"},
        {kQuoteDate, "2026-12-08x", "日期无效（例如 2026-12-08）",
         [](const Quote& q) { return q.date == 2026y / 12 / 8; }, "2026-12-08"},
        {kQuoteValidDays, "30天", "", [](const Quote& q) { return q.validDays == 30; }},
        {kQuoteValidDays, "0", "有效期应为 1 至 365 天",
         [](const Quote& q) { return q.validDays == 30; }, "30"},
        {kQuoteValidDays, "366", "有效期应为 1 至 365 天",
         [](const Quote& q) { return q.validDays == 30; }, "30"},
        {kQuoteTaxRate, "6.5%", "", [](const Quote& q) { return q.taxRateBasisPoints == 650; }},
        {kQuoteTaxRate, "１３", "", [](const Quote& q) { return q.taxRateBasisPoints == 1300; }},
        {kQuoteTaxRate, "101", "税率应在 0% 至 100% 之间",
         [](const Quote& q) { return q.taxRateBasisPoints == 1300; }, "13"},
        {kQuoteFreight, "¥1,234.50", "", [](const Quote& q) { return q.freight == 123450; }},
        {kQuoteFreight, "-5", "运费不能为负数", [](const Quote& q) { return q.freight == 123450; },
         "1234.50"},
        {kQuoteFreight, "abc", "运费不是数字", [](const Quote& q) { return q.freight == 123450; },
         "1234.50"},
        {kQuoteFreight, "", "", [](const Quote& q) { return q.freight == 0; }},
        {kQuoteAdjustment, "－３元", "", [](const Quote& q) { return q.adjustment == -300; }},
        {kQuoteAdjustment, "-3.01", "总额不能为负数，请检查调整金额",
         [](const Quote& q) { return q.adjustment == -300; }, "-3"},
        {kQuoteContact, "王工", "", [](const Quote& q) { return q.contact == "王工"; }},
        {kQuoteQuotedBy, std::string(201, 'x'), "文字过长（最多 200 字）",
         [](const Quote& q) { return q.quotedBy.empty(); }, ""},
        {kQuoteQuotedBy, std::string(200, 'x'), "",
         [](const Quote& q) { return q.quotedBy.size() == 200; }},
    };
    // A discount needs a total to come off: one line of 3 × 1.00, all of it taken off by
    // "－３元", a fen more refused.
    OpenQuote::instance().change([](Quote& q) {
        QuoteLine line;
        line.offeredModel = "6205";
        line.quantity = 3;
        line.unitPrice = 100;
        q.lines.push_back(line);
    });
    actions::showOpenQuote();
    for (const Case& each : cases) {
        SCOPED_TRACE(std::string(each.box) + " ← " + each.typed);
        replaceAtOnce(*quote, each.box, each.typed);
        EXPECT_EQ(quote->text(kQuoteProblem), each.problem);
        EXPECT_TRUE(each.holds(OpenQuote::instance().quote()));
        if (*each.problem != 0) {
            replaceAtOnce(*quote, each.box, each.putRight);
            EXPECT_EQ(quote->text(kQuoteProblem), "");
            EXPECT_TRUE(each.holds(OpenQuote::instance().quote()));
        }
    }
    // With "－３元" off the 3.00, the line cannot go: the total would be below zero.
    quote->selectRow(kQuoteLines, 0);
    click(*quote, kDeleteLineButton);
    EXPECT_EQ(quote->text(kQuoteProblem), "总额不能为负数，请检查调整金额");
    EXPECT_EQ(quote->rowCount(kQuoteLines), 1);
    EXPECT_EQ(OpenQuote::instance().quote().lines.size(), 1u);
    EXPECT_TRUE(boxes_.empty());
}

// The window closed right after the last key: the quote is still the open one, and is kept
// a moment later all the same.
TEST_F(QuoteWindow, ClosingTheWindowLosesNothing) {
    chooseMenuItem(*main_, "右键", "报价单…");
    ui::Window* quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr);
    type(*quote, kQuoteCustomer, "丁机电公司");
    quote->close();
    QApplication::processEvents();
    ASSERT_EQ(window(kQuoteWindowName), nullptr);
    QTest::qWait(OpenQuote::kKeepDelayMs + 300);
    const auto kept = listQuotes(*ShopSession::instance().file());
    ASSERT_TRUE(kept && kept->size() == 1u);
    EXPECT_EQ(kept->front().customer, "丁机电公司");
    chooseMenuItem(*main_, "右键", "报价单…");
    quote = window(kQuoteWindowName);
    ASSERT_NE(quote, nullptr);
    EXPECT_EQ(quote->text(kQuoteCustomer), "丁机电公司");
    EXPECT_EQ(quote->text(kQuoteNumber), numberOfToday(1));
}

}  // namespace
}  // namespace lz::shop
