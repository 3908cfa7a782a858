// Takes a screenshot of every page of the main window, of the bearing picture window for
// three bearing types and for another bearing asked for while it is open, of a message box
// above it, of a full-width search, of a web window, of the list menus, the 型号助手 with typed
// designations, its page "按实测尺寸" with measured sizes, the import of a shop's stock list (on a
// test fixture) with its column dialog, the 本店库存 window, the 报价单 window with its history,
// the shop's header, the print preview and a quote from an enquiry list, and the save dialog. Run
// under a real display with a window manager (for example
// tests/ui/desktop/under_window_manager.sh); the data directory is a throwaway one. Usage:
// screenshots OUTPUT_DIR [--no-web]
#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "app/bindings/event_bindings.h"
#include "app/startup/program.h"
#include "query/result_list_fill.h"
#include "shop/actions/quote_windows.h"
#include "shop/actions/shop_windows.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/message_pump.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"
#include "windows/main_window_template.h"
#include "windows/measured_size_page.h"
#include "windows/picture_window_template.h"
#include "windows/quote_window_template.h"
#include "windows/shop_stock_template.h"
#include "windows/stock_import_template.h"
#include "windows/web_window_templates.h"

namespace {

void settle(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void shoot(const QString& directory, const QString& name) {
    settle(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(directory + "/" + name + ".png");
}

}  // namespace

int main(int argc, char** argv) {
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    lz::ui::chooseEventDispatcher();
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    char home[] = "/tmp/lz-screenshots-XXXXXX";
    setenv("XDG_DATA_HOME", mkdtemp(home), 1);

    using lz::ui::WindowManager;
    WindowManager::instance().setWebViewsEnabled(!(argc > 2 && QString(argv[2]) == "--no-web"));
    lz::ui::MessageBoxes::setResponder([](const auto&) { return lz::ui::BoxAnswer::Ok; });
    if (!lz::startup::openMainWindow()) {
        return 1;
    }
    lz::ui::Window& main = *WindowManager::instance().find(lz::windows::kMainWindowName);
    const auto pressToolButton = [&](int index) {
        lz::bindings::dispatchEvent(
            main, {"工具条", lz::ui::EventKind::ToolButtonClicked, {.index = index}});
    };

    shoot(out, "main-1-bearings");
    for (int index = 2; index <= 6; ++index) {
        pressToolButton(index);
        shoot(out, QString("main-%1").arg(index));
        const char* inner = index == 4   ? "选择夹2"
                            : index == 5 ? "选择夹3"
                            : index == 6 ? "选择夹4"
                                         : nullptr;
        const int pages = index == 5 ? 1 : 4;
        for (int page = 1; inner != nullptr && page < pages; ++page) {
            main.setCurrentPage(inner, page);
            shoot(out, QString("main-%1-%2").arg(index).arg(page));
        }
    }

    // The picture window of a ball bearing, a tapered roller bearing and a housed unit, each
    // opened as the user does: its row selected in the bearing list, then "查看".
    pressToolButton(1);
    const struct {
        int bh;
        const char* shot;
    } pictureRows[] = {{463, "picture-window-ball"},
                       {6626, "picture-window-tapered-roller"},
                       {58194, "picture-window-housed-unit"}};
    for (const auto& row : pictureRows) {
        lz::query::fillBearingList(main,
                                   "select * from bearing where bh=" + std::to_string(row.bh));
        main.selectRow("超级列表框_主窗口", 0);
        lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 0}});
        if (auto* picture =
                WindowManager::instance().find(lz::windows::kBearingPictureWindowName)) {
            shoot(out, row.shot);
            picture->close();
            settle(100);
        }
    }
    // Asked for another bearing while open, the window shows that one: NSK 6205, then NACHI
    // 6205/P6. A message box then opens above it, though the picture window stays on top.
    const auto viewRow = [&main](int bh) {
        lz::query::fillBearingList(main, "select * from bearing where bh=" + std::to_string(bh));
        main.selectRow("超级列表框_主窗口", 0);
        lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 0}});
    };
    viewRow(463);
    settle(200);
    viewRow(15085);
    shoot(out, "picture-window-another-bearing");
    lz::ui::MessageBoxes::setResponder({});
    QTimer::singleShot(1500, [&out] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(out +
                                                             "/message-box-above-picture.png");
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    main.setText("编辑框1", "");
    lz::bindings::dispatchEvent(main, {"按钮1", lz::ui::EventKind::Clicked, {}});
    lz::ui::MessageBoxes::setResponder([](const auto&) { return lz::ui::BoxAnswer::Ok; });
    if (auto* picture = WindowManager::instance().find(lz::windows::kBearingPictureWindowName)) {
        picture->close();
        settle(100);
    }

    // Typed in an input method's full-width mode.
    main.setText("编辑框1", "６２０５－２ＲＳ");
    lz::bindings::dispatchEvent(main, {"按钮1", lz::ui::EventKind::Clicked, {}});
    shoot(out, "main-full-width-search");

    if (auto* web =
            WindowManager::instance().open(lz::windows::importedPriceWebWindowTemplate(), true)) {
        shoot(out, "imported-price-web-window");
        web->close();
    }

    // The list menus pop up at the cursor; put it over the list first.
    QCursor::setPos(main.widgetForTesting("超级列表框_主窗口")->mapToGlobal(QPoint(300, 120)));
    main.popupMenu("右键", 3, 3);
    shoot(out, "bearing-list-menu");
    QApplication::activePopupWidget()->close();
    pressToolButton(2);
    main.popupMenu("右键1", 3, 3);
    shoot(out, "imported-price-list-menu");
    QApplication::activePopupWidget()->close();
    pressToolButton(1);
    // The 型号助手 beside the main window, as Ctrl+F opens it, with designations typed into
    // it; then its rows listed in the main window.
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 3}});
    if (auto* assistant =
            WindowManager::instance().find(lz::windows::kDesignationAssistantWindowName)) {
        shoot(out, "designation-assistant");
        const struct {
            const char* typed;
            const char* shot;
        } typedDesignations[] = {{"6205-2RS1/C3", "designation-assistant-6205-2RS1-C3"},
                                 {"NU 205 ECP", "designation-assistant-NU-205-ECP"},
                                 {"6052Z", "designation-assistant-6052Z"},
                                 {"６２０５ ＬＬＵ", "designation-assistant-full-width"}};
        for (const auto& typed : typedDesignations) {
            assistant->setText(lz::windows::kAssistantInput, typed.typed);
            shoot(out, typed.shot);
        }
        lz::bindings::dispatchEvent(
            *assistant, {lz::windows::kAssistantToBearingList, lz::ui::EventKind::Clicked, {}});
        shoot(out, "designation-assistant-listed");

        // The page "按实测尺寸": a worn 6205 in millimetres, an inch cone in inches, a size
        // nothing lies near, and refused values, each searched as Enter searches.
        assistant->setCurrentPage(lz::windows::kAssistantPages, lz::windows::kByMeasuredSizePage);
        shoot(out, "measured-size");
        const struct {
            const char *inner, *outer, *width;
            bool inches;
            const char* shot;
        } measurements[] = {{"24.98", "52.02", "15", false, "measured-size-metric"},
                            {"1-3/8", "2-27/32", "1", true, "measured-size-inch"},
                            {"34.93", "72", "", false, "measured-size-inch-beside-metric"},
                            {"27.5", "61.3", "9", false, "measured-size-nearest"},
                            {"25,4", "-52", "1e300", false, "measured-size-refused"},
                            {"52", "25", "", false, "measured-size-outer-not-above-inner"}};
        for (const auto& measured : measurements) {
            assistant->setText(lz::windows::kMeasuredInner, measured.inner);
            assistant->setText(lz::windows::kMeasuredOuter, measured.outer);
            assistant->setText(lz::windows::kMeasuredWidth, measured.width);
            assistant->setChecked(
                measured.inches ? lz::windows::kMeasuredInches : lz::windows::kMeasuredMillimetres,
                true);
            lz::bindings::dispatchEvent(
                *assistant, {lz::windows::kMeasuredOuter, lz::ui::EventKind::EnterPressed, {}});
            shoot(out, measured.shot);
        }
        assistant->close();
    }
    // A shop's stock list imported: the column dialog with a line to confirm selected and
    // its candidates listed, then the 本店库存 window.
    if (lz::shop::actions::openStockImport(LZ_SOURCE_DIR
                                           "/tests/shop/fixtures/stock_shared_strings.xlsx")) {
        lz::ui::Window& dialog =
            *WindowManager::instance().find(lz::windows::kStockImportWindowName);
        dialog.selectRow(lz::windows::kStockImportPreview, 3);
        shoot(out, "stock-import-dialog");
        dialog.selectRow(lz::windows::kStockImportCandidates, 0);
        lz::bindings::dispatchEvent(
            dialog, {lz::windows::kStockImportChooseButton, lz::ui::EventKind::Clicked, {}});
        lz::bindings::dispatchEvent(
            dialog, {lz::windows::kStockImportImportButton, lz::ui::EventKind::Clicked, {}});
        settle(100);
    }
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 5}});
    if (auto* stock = WindowManager::instance().find(lz::windows::kShopStockWindowName)) {
        shoot(out, "shop-stock-window");
        stock->close();
        settle(100);
    }

    // A quote of three bearings from the bearing list, typed into as a counter does.
    lz::query::fillBearingList(main,
                               "select * from bearing where bh in (463, 466, 487) order by bh");
    for (int row = 0; row < 3; ++row) {
        main.selectRow("超级列表框_主窗口", row);
        lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 7}});
    }
    if (auto* quote = WindowManager::instance().find(lz::windows::kQuoteWindowName)) {
        using namespace lz::windows;
        const auto typed = [&](std::string_view box, std::string_view text) {
            quote->setText(box, text);
            lz::bindings::dispatchEvent(*quote, {box, lz::ui::EventKind::TextChanged, {}});
        };
        typed(kQuoteCustomer, "华北重工机械有限公司");
        typed(kQuoteContact, "王工");
        typed(kQuoteQuotedBy, "李明");
        typed(kQuoteFreight, "20");
        typed(kQuoteNote, "款到发货，不含安装。");
        const char* quantities[] = {"10", "4", "2"};
        const char* deliveries[] = {"现货", "现货", "3 天"};
        for (int row = 0; row < 3; ++row) {
            quote->selectRow(kQuoteLines, row);
            lz::bindings::dispatchEvent(*quote,
                                        {kQuoteLines, lz::ui::EventKind::CurrentItemChanged, {}});
            typed(kLineQuantity, quantities[row]);
            typed(kLineDelivery, deliveries[row]);
        }
        typed(kLineUnitPrice, "28.00");
        quote->selectRow(kQuoteLines, 1);
        lz::bindings::dispatchEvent(*quote,
                                    {kQuoteLines, lz::ui::EventKind::CurrentItemChanged, {}});
        shoot(out, "quote-window");
        lz::bindings::dispatchEvent(*quote, {kQuoteShopButton, lz::ui::EventKind::Clicked, {}});
        if (auto* header = WindowManager::instance().find(kShopHeaderWindowName)) {
            header->setText(kShopHeaderName, "翎轴轴承商行");
            header->setText(kShopHeaderPhone, "0371-12345678");
            header->setText(kShopHeaderAddress, "郑州市二七区轴承市场 A 区 18 号");
            header->setText(kShopHeaderBank, "工商银行二七支行 6222 0000 1111 2222");
            shoot(out, "quote-shop-header");
            lz::bindings::dispatchEvent(*header,
                                        {kShopHeaderSaveButton, lz::ui::EventKind::Clicked, {}});
        }
        lz::shop::actions::setQuotePreviewResponder(
            [&out](QPrintPreviewDialog&) { shoot(out, "quote-print-preview"); });
        lz::bindings::dispatchEvent(*quote, {kQuotePreviewButton, lz::ui::EventKind::Clicked, {}});
        lz::shop::actions::setQuotePreviewResponder({});
        lz::bindings::dispatchEvent(*quote, {kQuoteNewButton, lz::ui::EventKind::Clicked, {}});
        lz::bindings::dispatchEvent(*quote, {kQuoteHistoryButton, lz::ui::EventKind::Clicked, {}});
        if (auto* history = WindowManager::instance().find(kQuoteHistoryWindowName)) {
            shoot(out, "quote-history");
            history->close();
        }
        // A customer's enquiry list: the lines to settle marked.
        lz::ui::FileDialogs::setOpenResponder([](const lz::ui::OpenFileRequest&) {
            return std::optional<std::string>(LZ_SOURCE_DIR "/tests/shop/fixtures/enquiry.xlsx");
        });
        lz::bindings::dispatchEvent(*quote, {kQuoteEnquiryButton, lz::ui::EventKind::Clicked, {}});
        lz::ui::FileDialogs::setOpenResponder({});
        quote->selectRow(kQuoteLines, 4);
        lz::bindings::dispatchEvent(*quote,
                                    {kQuoteLines, lz::ui::EventKind::CurrentItemChanged, {}});
        shoot(out, "quote-from-enquiry");
        quote->close();
        settle(100);
    }

    // The save dialog runs its own loop: shot and closed from inside it.
    QTimer::singleShot(1500, [&out] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(out + "/save-dialog.png");
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 4}});

    std::system((std::string("rm -rf ") + home).c_str());
    std::_Exit(0);
}
