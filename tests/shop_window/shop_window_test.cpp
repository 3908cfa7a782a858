// The shop's windows end to end on the real main window and the shipped catalogue: a stock
// list imported through the column dialog (a column changed, a bearing chosen for a line
// the catalogue did not settle), the 本店库存 window with its filter, sorting, export and
// undo, and a shop file that is not ours. Files are chosen and boxes answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "shop/store/shop_session.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/shop/fixture_files.h"
#include "ui/file_dialogs.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/shop_stock_template.h"
#include "windows/stock_import_template.h"

namespace lz::shop {
namespace {

namespace fs = std::filesystem;
using namespace windows;

class ShopWindows : public lz::test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ui::FileDialogs::setOpenResponder([this](const ui::OpenFileRequest& request) {
            openRequests_.push_back(request);
            return chosenFile_;
        });
        ui::FileDialogs::setResponder([this](const ui::SaveFileRequest&) { return savedFile_; });
    }
    void TearDown() override {
        ui::FileDialogs::setOpenResponder({});
        ui::FileDialogs::setResponder({});
        MainWindowTest::TearDown();
        QApplication::processEvents();
    }

    ui::Window* start() {
        main_ = openMainWindow();
        return main_;
    }
    // By its caption: the menu's other items may come and go.
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
    static void click(ui::Window& window, std::string_view button) {
        QTest::mouseClick(window.widgetForTesting(button), Qt::LeftButton);
    }
    // What a person does with a drop-down list: opens it and picks the item.
    static void choose(ui::Window& window, std::string_view box, int index) {
        auto* combo = qobject_cast<QComboBox*>(window.widgetForTesting(box));
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void clickHeading(ui::Window& window, std::string_view list, int column) {
        QHeaderView* header =
            qobject_cast<QTableView*>(window.widgetForTesting(list))->horizontalHeader();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    // Key by key, as typed; characters beyond ASCII arrive as an input method commits them.
    static void type(ui::Window& window, std::string_view box, std::string_view text) {
        QWidget* target = window.widgetForTesting(box);
        for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(target, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    static std::vector<std::string> rows(const ui::Window& window, std::string_view list,
                                         int columns) {
        return rowsOf(window, list, columns);
    }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const ui::BoxRequest& box : boxes_) {
            texts.push_back(box.text);
        }
        return texts;
    }
    ui::Window* importFixture(const char* name) {
        chosenFile_ = shop::test::fixture(name).toStdString();
        chooseMenuItem("导入本店库存…");
        return window(kStockImportWindowName);
    }

    ui::Window* main_ = nullptr;
    std::optional<std::string> chosenFile_;
    std::optional<std::string> savedFile_;
    std::vector<ui::OpenFileRequest> openRequests_;
};

TEST_F(ShopWindows, ImportThroughTheColumnDialogThenFindTheStockInItsWindow) {
    ASSERT_NE(start(), nullptr);
    ASSERT_TRUE(boxes_.empty());
    ASSERT_NE(ShopSession::instance().file(), nullptr) << "opened at start";
    EXPECT_EQ(ShopSession::instance().file()->path(), fs::path(dataDirectory()) / "shop.sqlite");

    ui::Window* dialog = importFixture("stock_shared_strings.xlsx");
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(openRequests_.size(), 1u);
    EXPECT_EQ(openRequests_[0].caption, "导入本店库存");
    EXPECT_EQ(dialog->text(kStockImportFile), *chosenFile_);
    EXPECT_EQ(dialog->text(kStockImportSheet), "库存");
    EXPECT_EQ(dialog->text(kStockImportHeader), "各列的内容（表头在第 2 行）：");
    // The header found: 型号 in the first column ... 备注 in the seventh.
    const char* fields[] = {"第 1 列：型号", "第 2 列：品牌", "第 3 列：数量", "第 4 列：单价",
                            "第 5 列：进价", "第 6 列：货位", "第 7 列：备注"};
    for (std::size_t k = 0; k < kStockImportFieldBoxes.size(); ++k) {
        EXPECT_EQ(dialog->text(kStockImportFieldBoxes[k]), fields[k]);
        EXPECT_EQ(dialog->itemCount(kStockImportFieldBoxes[k]), 8) << "（无） and seven columns";
    }
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 5 行：已匹配 3，待确认 2，未匹配 0");
    EXPECT_EQ(rows(*dialog, kStockImportPreview, 10),
              (std::vector<std::string>{
                  "3|6205-2RS|NSK|10|32.50|25.00|A-01||已匹配|NSK 6205-2RS",
                  "4|6206DDU|NSK|4|45.80|38.25|A-02|现货|已匹配|NSK 6206-2RS",
                  "5|6207ZZ|SKF|2|0.29||B-01||已匹配|SKF 6207-2Z",
                  "6|6208|FAG|3|28.00|||含税|待确认|6208",
                  "7|6209|NTN|1|12.30||||待确认|6209",
              }));

    // Without the brand column, the designations alone: most lines wait for the user.
    choose(*dialog, kStockImportFieldBoxes[1], 0);
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 5 行：已匹配 1，待确认 4，未匹配 0");
    // Giving 品牌 the column of 货位 takes it from 货位.
    choose(*dialog, kStockImportFieldBoxes[1], 6);
    EXPECT_EQ(dialog->currentIndex(kStockImportFieldBoxes[5]), 0);
    choose(*dialog, kStockImportFieldBoxes[1], 2);
    choose(*dialog, kStockImportFieldBoxes[5], 6);
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 5 行：已匹配 3，待确认 2，未匹配 0");

    // The FAG 6208 the catalogue lacks: the candidates are the other brands' 6208; the
    // user takes NSK's.
    dialog->selectRow(kStockImportPreview, 3);
    EXPECT_EQ(dialog->text(kStockImportSearchBox), "6208");
    EXPECT_EQ(rows(*dialog, kStockImportCandidates, 4),
              (std::vector<std::string>{"487|NSK|6208|6208", "15095|NACHI|6208|6208",
                                        "30721|KOYO|6208|6208", "42460|INA|6208|6208"}));
    dialog->selectRow(kStockImportCandidates, 0);
    click(*dialog, kStockImportChooseButton);
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 5 行：已匹配 4，待确认 1，未匹配 0");
    EXPECT_EQ(dialog->cellText(kStockImportPreview, 3, 8), "已匹配");
    EXPECT_EQ(dialog->cellText(kStockImportPreview, 3, 9), "NSK 6208");
    EXPECT_EQ(dialog->cellText(kStockImportPreview, 3, 10), "按所选轴承");
    // The lines of one state.
    choose(*dialog, kStockImportShown, 2);
    EXPECT_EQ(rows(*dialog, kStockImportPreview, 2), (std::vector<std::string>{"7|6209"}));

    click(*dialog, kStockImportImportButton);
    EXPECT_EQ(window(kStockImportWindowName), nullptr) << "the dialog closes";
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"已导入 5 行：已匹配 4，待确认 1，未匹配 0"}));
    ShopFile& file = *ShopSession::instance().file();
    const auto lines = file.lines();
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 5u);
    EXPECT_EQ((*lines)[3].bh, 487);
    EXPECT_EQ((*lines)[3].match, MatchState::Matched);
    EXPECT_EQ(file.findOverride("6208", "FAG"), (MatchOverride{"6208", "FAG", 487, ""}));
    // The stock by row, for the lists beside interchangeable bearings.
    EXPECT_EQ(ShopSession::instance().stock().ofRow(466)->quantity, 10);
    EXPECT_EQ(ShopSession::instance().stock().ofRow(487)->lowestPriceFen, 2800);

    // The 本店库存 window.
    chooseMenuItem("本店库存");
    ui::Window* stock = window(kShopStockWindowName);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(rows(*stock, kShopStockList, 8), (std::vector<std::string>{
                                                   "6205-2RS|NSK|10|32.50|A-01||6205-2RS|已匹配",
                                                   "6206DDU|NSK|4|45.80|A-02|现货|6206-2RS|已匹配",
                                                   "6207ZZ|SKF|2|0.29|B-01||6207-2Z|已匹配",
                                                   "6208|FAG|3|28.00||含税|6208|已匹配",
                                                   "6209|NTN|1|12.30|||6209|待确认",
                                               }));
    EXPECT_EQ(stock->text(kShopStockCounts), "共 5 行（已匹配 4，待确认 1，未匹配 0）");
    EXPECT_EQ(stock->text(kShopStockImportInfo).rfind("上次导入：stock_shared_strings.xlsx（", 0),
              0u);
    EXPECT_TRUE(stock->isEnabled(kShopStockUndoButton));

    // Filter: every word, in any case.
    type(*stock, kShopStockFilter, "nsk 62");
    EXPECT_EQ(rows(*stock, kShopStockList, 1), (std::vector<std::string>{"6205-2RS", "6206DDU"}));
    EXPECT_EQ(stock->text(kShopStockCounts), "显示 2 行，共 5 行（已匹配 4，待确认 1，未匹配 0）");
    stock->setText(kShopStockFilter, "");
    type(*stock, kShopStockFilter, "待确认");
    EXPECT_EQ(rows(*stock, kShopStockList, 1), (std::vector<std::string>{"6209"}));
    QTest::keyClick(stock->widgetForTesting(kShopStockFilter), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(stock->widgetForTesting(kShopStockFilter), Qt::Key_Delete);
    ASSERT_EQ(stock->rowCount(kShopStockList), 5);

    // Sorting by 售价, up then down.
    clickHeading(*stock, kShopStockList, 3);
    EXPECT_EQ(rows(*stock, kShopStockList, 1),
              (std::vector<std::string>{"6207ZZ", "6209", "6208", "6205-2RS", "6206DDU"}));
    clickHeading(*stock, kShopStockList, 3);
    EXPECT_EQ(rows(*stock, kShopStockList, 1),
              (std::vector<std::string>{"6206DDU", "6205-2RS", "6208", "6209", "6207ZZ"}));

    // Export: the lines as shown.
    savedFile_ = (home_.path() / "本店库存.csv").string();
    click(*stock, kShopStockExportButton);
    EXPECT_EQ(test::fileBytes(*savedFile_),
              "\xEF\xBB\xBF型号,品牌,数量,售价,货位,备注,匹配型号,状态\r\n"
              "6206DDU,NSK,4,45.80,A-02,现货,6206-2RS,已匹配\r\n"
              "6205-2RS,NSK,10,32.50,A-01,,6205-2RS,已匹配\r\n"
              "6208,FAG,3,28.00,,含税,6208,已匹配\r\n"
              "6209,NTN,1,12.30,,,6209,待确认\r\n"
              "6207ZZ,SKF,2,0.29,B-01,,6207-2Z,已匹配\r\n");

    // Importing the same list again: the answer given once settles the FAG 6208.
    boxes_.clear();
    dialog = importFixture("stock_shared_strings.xlsx");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 5 行：已匹配 4，待确认 1，未匹配 0");
    click(*dialog, kStockImportImportButton);
    EXPECT_EQ(stock->rowCount(kShopStockList), 5) << "the open window shows the new list";

    // Undo, after the user confirms: the list before the last import.
    answer_ = ui::BoxAnswer::No;
    boxes_.clear();
    click(*stock, kShopStockUndoButton);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].buttons, ui::BoxButtons::YesNo);
    EXPECT_EQ(file.lines()->size(), 5u) << "nothing undone without a yes";
    answer_ = ui::BoxAnswer::Yes;
    click(*stock, kShopStockUndoButton);
    EXPECT_EQ(file.lines()->size(), 5u) << "the first import's list";
    EXPECT_FALSE(stock->isEnabled(kShopStockUndoButton)) << "one level of undo";
    EXPECT_EQ(stock->text(kShopStockImportInfo), "");
}

TEST_F(ShopWindows, CancelKeepsNeitherTheListNorTheAnswersGiven) {
    ASSERT_NE(start(), nullptr);
    ui::Window* dialog = importFixture("stock.xls");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isEnabled(kStockImportSheet)) << "two sheets to choose from";
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 4 行：已匹配 3，待确认 1，未匹配 0");
    choose(*dialog, kStockImportSheet, 1);
    EXPECT_EQ(dialog->text(kStockImportSheet), "备用");
    EXPECT_EQ(rows(*dialog, kStockImportPreview, 9),
              (std::vector<std::string>{"2|7205B||1|||||待确认"}));
    dialog->selectRow(kStockImportPreview, 0);
    dialog->selectRow(kStockImportCandidates, 0);
    click(*dialog, kStockImportChooseButton);
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 1 行：已匹配 1，待确认 0，未匹配 0");
    click(*dialog, kStockImportCancelButton);
    EXPECT_EQ(window(kStockImportWindowName), nullptr);
    EXPECT_EQ(ShopSession::instance().file()->lines()->size(), 0u);
    EXPECT_EQ(ShopSession::instance().file()->overrides()->size(), 0u);
    EXPECT_FALSE(ShopSession::instance().file()->undoableImport());
}

TEST_F(ShopWindows, ALineTheCatalogueDoesNotKnowIsFoundBySearching) {
    ASSERT_NE(start(), nullptr);
    const fs::path list = home_.path() / "list.csv";
    test::writeBytes(list, "型号,数量\r\nXYZ-9,1\r\n6205LLU,2\r\n");
    chosenFile_ = list.string();
    chooseMenuItem("导入本店库存…");
    ui::Window* dialog = window(kStockImportWindowName);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 2 行：已匹配 1，待确认 0，未匹配 1");
    dialog->selectRow(kStockImportPreview, 0);
    EXPECT_EQ(dialog->rowCount(kStockImportCandidates), 0);
    click(*dialog, kStockImportChooseButton);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"请先选中一个候选轴承"}));
    dialog->setText(kStockImportSearchBox, "6205LLU");
    QTest::keyClick(dialog->widgetForTesting(kStockImportSearchBox), Qt::Key_Return);
    ASSERT_GT(dialog->rowCount(kStockImportCandidates), 0);
    EXPECT_EQ(dialog->cellText(kStockImportCandidates, 0, 0), "8925");
    // A double click on a candidate takes it.
    QTableView* candidates =
        qobject_cast<QTableView*>(dialog->widgetForTesting(kStockImportCandidates));
    dialog->selectRow(kStockImportCandidates, 0);
    emit candidates->doubleClicked(candidates->model()->index(0, 0));
    EXPECT_EQ(dialog->text(kStockImportCounts), "共 2 行：已匹配 2，待确认 0，未匹配 0");
    click(*dialog, kStockImportImportButton);
    EXPECT_EQ(ShopSession::instance().file()->findOverride("XYZ-9", ""),
              (MatchOverride{"XYZ-9", "", 8925, ""}));
}

TEST_F(ShopWindows, FilesThatCannotBeImportedSaySoAndChangeNothing) {
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(importFixture("bad_empty.csv"), nullptr);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"无法导入 bad_empty.csv：\n文件是空的"}));
    // No header: the dialog opens on the sheet, and the user says where the designations are.
    boxes_.clear();
    ui::Window* dialog = importFixture("bad_no_header.csv");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(dialog->text(kStockImportHeader),
              "找不到表头（型号、数量……）：请为各列选择内容（第一行当作表头）");
    EXPECT_EQ(dialog->text(kStockImportCounts), "请选择“型号”所在的列");
    EXPECT_FALSE(dialog->isEnabled(kStockImportImportButton));
    choose(*dialog, kStockImportFieldBoxes[0], 1);
    EXPECT_TRUE(dialog->isEnabled(kStockImportImportButton));
    EXPECT_GT(dialog->rowCount(kStockImportPreview), 0);
    click(*dialog, kStockImportCancelButton);
    EXPECT_EQ(ShopSession::instance().file()->lines()->size(), 0u);
}

// A file at the shop file's place that is not ours: said at start, left as it is, and the
// shop's windows say why there is no shop data.
TEST_F(ShopWindows, AShopFileThatIsNotOursIsNeverWrittenAndTheProgramGoesOn) {
    fs::create_directories(dataDirectory());
    const fs::path path = fs::path(dataDirectory()) / "shop.sqlite";
    test::writeBytes(path, "型号,数量\n6205,1\n");
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{
                              "本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据"}));
    EXPECT_GT(main_->rowCount("超级列表框_主窗口"), 0) << "the catalogue is listed all the same";
    boxes_.clear();
    chooseMenuItem("导入本店库存…");
    EXPECT_TRUE(openRequests_.empty()) << "no file asked for";
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{
                              "本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据"}));
    chooseMenuItem("本店库存");
    ui::Window* stock = window(kShopStockWindowName);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->rowCount(kShopStockList), 0);
    EXPECT_EQ(stock->text(kShopStockImportInfo),
              "本店数据文件不是本程序的文件，未作任何改动；本次不使用本店数据");
    EXPECT_FALSE(stock->isEnabled(kShopStockImportButton));
    EXPECT_FALSE(stock->isEnabled(kShopStockUndoButton));
    EXPECT_EQ(test::fileBytes(path), "型号,数量\n6205,1\n");
    EXPECT_FALSE(fs::exists(fs::path(dataDirectory()) / "backups"));
}

}  // namespace
}  // namespace lz::shop
