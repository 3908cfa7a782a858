// Takes a screenshot of every page of the main window, of the bearing picture window for
// three bearing types, of a web window, of the list menus, the designation lookup dialog, the
// import of a shop's stock list (on a test fixture) with its column dialog, the 本店库存
// window, and the save dialog. Run under a real display (for example xvfb-run); the data directory is a
// throwaway one. Usage: screenshots OUTPUT_DIR [--no-web]
#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "app/bindings/event_bindings.h"
#include "app/startup/program.h"
#include "query/result_list_fill.h"
#include "shop/actions/shop_windows.h"
#include "ui/message_boxes.h"
#include "ui/message_pump.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_lookup_template.h"
#include "windows/main_window_template.h"
#include "windows/picture_window_template.h"
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
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 2}});
    if (auto* lookup = WindowManager::instance().find(lz::windows::kDesignationLookupWindowName)) {
        lookup->setText(lz::windows::kDesignationLookupBox, "６２０５ ＬＬＵ");
        shoot(out, "designation-lookup");
        lz::bindings::dispatchEvent(*lookup, {"按钮_查找", lz::ui::EventKind::Clicked, {}});
        shoot(out, "designation-lookup-result");
    }
    // A shop's stock list imported: the column dialog with a line to confirm selected and
    // its candidates listed, then the 本店库存 window.
    if (lz::shop::actions::openStockImport(LZ_SOURCE_DIR
                                           "/tests/shop/fixtures/stock_shared_strings.xlsx")) {
        lz::ui::Window& dialog = *WindowManager::instance().find(lz::windows::kStockImportWindowName);
        dialog.selectRow(lz::windows::kStockImportPreview, 3);
        shoot(out, "stock-import-dialog");
        dialog.selectRow(lz::windows::kStockImportCandidates, 0);
        lz::bindings::dispatchEvent(
            dialog, {lz::windows::kStockImportChooseButton, lz::ui::EventKind::Clicked, {}});
        lz::bindings::dispatchEvent(
            dialog, {lz::windows::kStockImportImportButton, lz::ui::EventKind::Clicked, {}});
        settle(100);
    }
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 4}});
    if (auto* stock = WindowManager::instance().find(lz::windows::kShopStockWindowName)) {
        shoot(out, "shop-stock-window");
        stock->close();
        settle(100);
    }

    // The save dialog runs its own loop: shot and closed from inside it.
    QTimer::singleShot(1500, [&out] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(out + "/save-dialog.png");
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    lz::bindings::dispatchEvent(main, {"右键", lz::ui::EventKind::ItemSelected, {.index = 3}});

    std::system((std::string("rm -rf ") + home).c_str());
    std::_Exit(0);
}
