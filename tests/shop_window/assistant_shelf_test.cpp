// The 型号助手 shows the shelf: a shop's list imported through the column dialog, then a
// designation typed into the 型号助手 lists the shop's quantity and price beside every
// bearing it holds, marks the rows on the shelf, and opens the 本店库存 window by its
// button. Without shop data (undone, or a file that is not ours) the columns stay empty.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "shop/store/shop_session.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/shop/fixture_files.h"
#include "ui/file_dialogs.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/designation_assistant_template.h"
#include "windows/shop_stock_template.h"
#include "windows/stock_import_template.h"

namespace lz::shop {
namespace {

namespace fs = std::filesystem;
using namespace windows;

// The result list's columns read here.
constexpr int kBrandColumn = 2, kShelfQuantityColumn = 7, kShelfPriceColumn = 8;

// Two lines for NSK 6205-2RS (one with the brand glued on), SKF's 6205-2RS/C3 sold out,
// NTN 6205ZZ without a price, and a 6205 of no brand, which several makers make.
constexpr const char* kStockList =
    "型号,品牌,数量,单价\r\n"
    "6205-2RS,NSK,10,32.50\r\n"
    "NSK6205DDU,,2,35\r\n"
    "6205-2RSH/C3,SKF,0,40\r\n"
    "6205ZZ,NTN,3,\r\n"
    "6205,,5,20\r\n";

class AssistantShelf : public lz::test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ui::FileDialogs::setOpenResponder(
            [this](const ui::OpenFileRequest&) { return chosenFile_; });
    }
    void TearDown() override {
        ui::FileDialogs::setOpenResponder({});
        MainWindowTest::TearDown();
        QApplication::processEvents();
    }

    void chooseMenuItem(const QString& caption) {
        for (QAction* action : qobject_cast<QMenu*>(main_->widgetForTesting("右键"))->actions()) {
            if (action->text() == caption) {
                action->trigger();
                return;
            }
        }
        FAIL() << "no menu item " << caption.toStdString();
    }
    static ui::Window* window(std::string_view name) {
        return ui::WindowManager::instance().find(name);
    }

    void importStockList() {
        const fs::path list = home_.path() / "库存.csv";
        test::writeBytes(list, kStockList);
        chosenFile_ = list.string();
        chooseMenuItem("导入本店库存…");
        ui::Window* dialog = window(kStockImportWindowName);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->text(kStockImportCounts), "共 5 行：已匹配 4，待确认 1，未匹配 0");
        QTest::mouseClick(dialog->widgetForTesting(kStockImportImportButton), Qt::LeftButton);
        ASSERT_EQ(window(kStockImportWindowName), nullptr);
    }

    // Types `text` key by key into the emptied box and waits until it has been looked up.
    static void typeInAssistant(ui::Window& assistant, std::string_view text) {
        if (!assistant.text(kAssistantInput).empty()) {
            const auto emptied = assistant.listGeneration(kAssistantList);
            assistant.setText(kAssistantInput, "");
            waitForLookup(assistant, emptied);
        }
        const auto before = assistant.listGeneration(kAssistantList);
        for (const char c : text) {
            QTest::keyClick(assistant.widgetForTesting(kAssistantInput), c);
        }
        waitForLookup(assistant, before);
    }
    static void waitForLookup(ui::Window& assistant, std::uint64_t generation) {
        QDeadlineTimer deadline(5000);
        while (assistant.listGeneration(kAssistantList) <= generation && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_GT(assistant.listGeneration(kAssistantList), generation) << "no lookup came";
        QTest::qWait(2 * kAssistantSettleMs);
    }

    // Every bearing row that shows something of the shop or is marked, in list order:
    // "bh brand|本店库存|本店价|marked"; and how many bearing rows there are.
    struct Shelf {
        std::vector<std::string> rows;
        int bearings = 0;
    };
    static Shelf shelfOf(const ui::Window& assistant) {
        Shelf shelf;
        for (int row = 0; row < assistant.rowCount(kAssistantList); ++row) {
            if (assistant.isHeadingRow(kAssistantList, row)) {
                EXPECT_FALSE(assistant.isRowMarked(kAssistantList, row));
                continue;
            }
            ++shelf.bearings;
            const std::string quantity =
                assistant.cellText(kAssistantList, row, kShelfQuantityColumn);
            const std::string price = assistant.cellText(kAssistantList, row, kShelfPriceColumn);
            const bool marked = assistant.isRowMarked(kAssistantList, row);
            if (!quantity.empty() || !price.empty() || marked) {
                shelf.rows.push_back(
                    std::to_string(assistant.rowKey(kAssistantList, row).value_or(0)) + " " +
                    assistant.cellText(kAssistantList, row, kBrandColumn) + "|" + quantity + "|" +
                    price + "|" + (marked ? "marked" : ""));
            }
        }
        return shelf;
    }

    ui::Window* openAssistant() {
        chooseMenuItem("按任意型号查找…");
        return window(kDesignationAssistantWindowName);
    }

    ui::Window* main_ = nullptr;
    std::optional<std::string> chosenFile_;
};

TEST_F(AssistantShelf, TheAssistantShowsTheShelf) {
    main_ = openMainWindow();
    ASSERT_NE(main_, nullptr);
    importStockList();
    ui::Window* assistant = openAssistant();
    ASSERT_NE(assistant, nullptr);

    auto* view = qobject_cast<QTableView*>(assistant->widgetForTesting(kAssistantList));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->model()->headerData(kShelfQuantityColumn, Qt::Horizontal).toString(),
              "本店库存");
    EXPECT_EQ(view->model()->headerData(kShelfPriceColumn, Qt::Horizontal).toString(), "本店价");

    typeInAssistant(*assistant, "6205-2RS");
    // NSK 6205-2RS twice on the shelf: the quantities added, the prices as a range; SKF's
    // 6205-2RS/C3 sold out (shown, not marked); NTN 6205ZZ without a price. The 6205 of no
    // brand waits for the user, so no 6205 row shows it.
    const Shelf shelf = shelfOf(*assistant);
    EXPECT_EQ(shelf.rows, (std::vector<std::string>{
                              "466 NSK|12|32.50–35.00|marked",
                              "22467 SKF|0|40.00|",
                              "8924 NTN|3||marked",
                          }));
    EXPECT_GT(shelf.bearings, 40) << "every other bearing listed as before";

    // The button opens the 本店库存 window on the lines imported.
    QTest::mouseClick(assistant->widgetForTesting(kAssistantShopStock), Qt::LeftButton);
    ui::Window* stock = window(kShopStockWindowName);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(
        rowsOf(*stock, kShopStockList, 4),
        (std::vector<std::string>{"6205-2RS|NSK|10|32.50", "6205DDU|NSK|2|35.00",
                                  "6205-2RSH/C3|SKF|0|40.00", "6205ZZ|NTN|3|", "6205||5|20.00"}));

    // Undone, the shop holds nothing: the next lookup shows empty columns and no marks.
    answer_ = ui::BoxAnswer::Yes;
    QTest::mouseClick(stock->widgetForTesting(kShopStockUndoButton), Qt::LeftButton);
    ASSERT_EQ(stock->rowCount(kShopStockList), 0);
    typeInAssistant(*assistant, "6205LLU");
    EXPECT_EQ(shelfOf(*assistant).rows, std::vector<std::string>{});
    EXPECT_EQ(shelfOf(*assistant).bearings, shelf.bearings);
}

// Without shop data (here a file that is not ours at the shop file's place) the 型号助手
// lists as ever, its two columns empty, and says nothing more than the start did.
TEST_F(AssistantShelf, WithoutShopDataTheColumnsStayEmpty) {
    fs::create_directories(dataDirectory());
    test::writeBytes(fs::path(dataDirectory()) / "shop.sqlite", "型号,数量\n6205,1\n");
    main_ = openMainWindow();
    ASSERT_NE(main_, nullptr);
    ASSERT_EQ(ShopSession::instance().file(), nullptr);
    ASSERT_EQ(boxes_.size(), 1u) << "said once, at start";
    ui::Window* assistant = openAssistant();
    ASSERT_NE(assistant, nullptr);
    typeInAssistant(*assistant, "6205-2RS");
    const Shelf shelf = shelfOf(*assistant);
    EXPECT_EQ(shelf.rows, std::vector<std::string>{});
    EXPECT_GT(shelf.bearings, 40);
    EXPECT_EQ(assistant->text(kAssistantStatus).rfind("找到 ", 0), 0u);
    EXPECT_EQ(boxes_.size(), 1u);
}

}  // namespace
}  // namespace lz::shop
