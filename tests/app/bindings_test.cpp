// The binding table, every control's event on the real main window, and the toolbar's page
// switch.
#include "app/bindings/event_bindings.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_database.h"
#include "content/url_opener.h"
#include "query/result_list_fill.h"
#include "tests/app_support/main_window_fixture.h"
#include "tests/query/shipped_catalogue_window.h"
#include "tests/support/small_catalogue.h"
#include "ui/clipboard.h"
#include "ui/file_dialogs.h"
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

namespace lz::bindings {
namespace {

using ui::ControlKind;
using ui::EventKind;

const ui::WindowTemplate* templateNamed(std::string_view name) {
    for (const auto* candidate :
         {&windows::mainWindowTemplate(), &windows::bearingPictureWindowTemplate(),
          &windows::designationAssistantWindowTemplate(), &windows::shopStockWindowTemplate(),
          &windows::stockImportWindowTemplate(), &windows::quoteWindowTemplate(),
          &windows::quoteHistoryWindowTemplate(), &windows::shopHeaderWindowTemplate()}) {
        if (candidate->name == name) {
            return candidate;
        }
    }
    return nullptr;
}

ControlKind kindRaising(EventKind event) {
    switch (event) {
        case EventKind::Clicked:
            return ControlKind::Button;
        case EventKind::EnterPressed:
            return ControlKind::EditBox;  // or a combo box, see below
        case EventKind::TextSettled:
            return ControlKind::EditBox;
        case EventKind::LeftButtonPressed:
            return ControlKind::Label;
        case EventKind::ItemSelected:
            return ControlKind::Menu;
        case EventKind::CurrentItemChanged:
        case EventKind::RightClicked:
        case EventKind::RowDoubleClicked:
        case EventKind::CopyPressed:
            return ControlKind::ListView;
        case EventKind::ToolButtonClicked:
            return ControlKind::ToolBar;
        case EventKind::ChoiceChanged:
            return ControlKind::ComboBox;
        case EventKind::TextChanged:
            return ControlKind::EditBox;
        case EventKind::HeaderClicked:
            return ControlKind::ListView;
        case EventKind::Created:
            break;
    }
    return ControlKind::RecordSet;
}

TEST(EventBindings, EveryBindingNamesAControlThatRaisesItsEvent) {
    for (const Binding& binding : eventBindings()) {
        SCOPED_TRACE(std::string(binding.window) + " / " + std::string(binding.control));
        const ui::WindowTemplate* window = templateNamed(binding.window);
        ASSERT_NE(window, nullptr);
        if (binding.event == EventKind::Created) {
            EXPECT_TRUE(binding.control.empty());
            continue;
        }
        const auto control =
            std::find_if(window->controls.begin(), window->controls.end(),
                         [&](const ui::ControlTemplate& c) { return c.name == binding.control; });
        ASSERT_NE(control, window->controls.end());
        if (binding.event == EventKind::EnterPressed && control->kind == ControlKind::ComboBox) {
            continue;
        }
        EXPECT_EQ(control->kind, kindRaising(binding.event));
        if (binding.event == EventKind::ItemSelected) {
            // Each menu item bound, by its caption.
            struct Item {
                std::string_view menu;
                int item;
                std::string_view caption;
            };
            static constexpr Item kItems[] = {
                {"右键", 0, "查看"},
                {"右键", 1, "互换型号"},
                {"右键", 2, "型号解读"},
                {"右键", 3, "按任意型号查找…"},
                {"右键", 4, "导出…"},
                {"右键", 5, "本店库存"},
                {"右键", 6, "导入本店库存…"},
                {"右键", 7, "加入报价单"},
                {"右键", 8, "报价单…"},
                {"右键1", 0, "导出…"},
                {"右键1", 1, "加入报价单"},
                {"右键2", 0, "导出…"},
                {"右键2", 1, "加入报价单"},
                {"右键_型号助手", 0, "加入报价单"},
                {"右键_本店库存", 0, "加入报价单"},
            };
            const auto expected =
                std::find_if(std::begin(kItems), std::end(kItems), [&](const Item& item) {
                    return item.menu == binding.control && item.item == binding.item;
                });
            ASSERT_NE(expected, std::end(kItems)) << binding.item;
            EXPECT_EQ(control->menuItems.at(binding.item).caption, expected->caption);
        }
    }
}

// Every event the program answers, raised the way a person raises it (a click, a key, a
// menu item, a mouse press on the real widget) on the shipped catalogue, and what the
// person then sees, typed here: a control whose event is not wired, not bound or bound to
// another action shows something else. Enter in the search fields: EnterKey, in
// tests/query.
class EveryControl : public test::ShippedCatalogueWindowTest {
protected:
    void SetUp() override {
        ShippedCatalogueWindowTest::SetUp();
        content::setUrlOpenerForTesting(
            [this](std::string_view address) { opened_.emplace_back(address); });
        ui::FileDialogs::setResponder([this](const ui::SaveFileRequest& request) {
            offeredNames_.push_back(request.suggestedName);
            return std::optional<std::string>();
        });
        ui::FileDialogs::setOpenResponder([this](const ui::OpenFileRequest& request) {
            offeredNames_.push_back(request.caption);
            return std::optional<std::string>();
        });
        answer_ = ui::BoxAnswer::No;
    }
    void TearDown() override {
        content::setUrlOpenerForTesting({});
        ui::FileDialogs::setResponder({});
        ui::FileDialogs::setOpenResponder({});
        ShippedCatalogueWindowTest::TearDown();
        QApplication::processEvents();
    }

    // Back to the window as it opened, with nothing recorded and no other window open.
    void reset() {
        for (const std::string_view name :
             {windows::kBearingPictureWindowName, windows::kDesignationAssistantWindowName,
              std::string_view("imported_price_web"), std::string_view("domestic_price_web"),
              windows::kShopStockWindowName}) {
            if (ui::Window* window = ui::WindowManager::instance().find(name)) {
                window->close();
            }
        }
        QApplication::processEvents();
        for (const char* box :
             {"编辑框1", "编辑框_内径", "编辑框_外径", "编辑框_厚度", "编辑框2", "编辑框3"}) {
            main_->setText(box, "");
        }
        for (const char* combo : {"组合框_品牌", "组合框_类型", "组合框3", "组合框4"}) {
            main_->setText(combo, "全部");
        }
        for (const query::ResultList* list :
             {&query::kBearingList, &query::kImportedPriceList, &query::kDomesticPriceList}) {
            main_->clearRows(list->listName);
        }
        showPage(0);
        boxes_.clear();
        opened_.clear();
        offeredNames_.clear();
        ui::setClipboardText("");
    }

    void press(std::string_view button) {
        auto* widget = qobject_cast<QAbstractButton*>(main_->widgetForTesting(button));
        ASSERT_NE(widget, nullptr) << button;
        widget->click();  // hidden buttons too
    }
    void pressToolButton(const char* caption) {
        for (auto* button : widget("工具条")->findChildren<QToolButton*>()) {
            if (button->text() == QString(caption)) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no tool button " << caption;
    }
    void pressBanner() {
        QWidget* banner = widget("标签12");
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(
                type, QPointF(20, 10), banner->mapToGlobal(QPointF(20, 10)), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(banner, &event);
        }
    }
    QMenu* menu(std::string_view name) const {
        return qobject_cast<QMenu*>(main_->widgetForTesting(name));
    }
    void chooseItem(std::string_view name, int item) { menu(name)->actions().at(item)->trigger(); }
    void rightClick(const query::ResultList& list) {
        auto* view = qobject_cast<QAbstractScrollArea*>(widget(list.listName));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 30),
                                view->viewport()->mapToGlobal(QPoint(20, 30)));
        QApplication::sendEvent(view->viewport(), &event);
    }
    void doubleClickFirstRow(const query::ResultList& list) {
        auto* view = qobject_cast<QAbstractItemView*>(widget(list.listName));
        const QPoint centre = view->visualRect(view->model()->index(0, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }
    void copy(const query::ResultList& list) {
        QTest::keyClick(widget(list.listName), Qt::Key_C, Qt::ControlModifier);
    }
    // Lists the NTN 6205LLU, selected.
    void listOneBearing() {
        query::fillBearingList(*main_, "select * from bearing where ckxh = '6205LLU'");
        ASSERT_EQ(rows(query::kBearingList), 1);
        main_->selectRow(query::kBearingList.listName, 0);
    }
    static ui::Window* windowNamed(std::string_view name) {
        return ui::WindowManager::instance().find(name);
    }
    // The picture window shows the NTN 6205LLU's new and old designations.
    static void expectPictureOfTheNtn6205LLU() {
        ui::Window* picture = windowNamed(windows::kBearingPictureWindowName);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->text("编辑框4"), "6205-2RS");
        EXPECT_EQ(picture->text("编辑框7"), "180205");
    }
    void expectListed(const query::ResultList& list, const char* statement) {
        const auto expected = statementRows(list, statement);
        ASSERT_FALSE(expected.empty()) << statement;
        EXPECT_EQ(listed(list), expected);
    }
    void expectPage(int page) const { EXPECT_EQ(main_->currentPage("选择夹1"), page); }
    static ui::Window* openedAssistant() {
        return windowNamed(windows::kDesignationAssistantWindowName);
    }
    // The 型号助手 opened on its page "按实测尺寸" with d and D typed in.
    ui::Window* measuredSizePage(std::string_view inner, std::string_view outer) {
        chooseItem("右键", 3);
        ui::Window* assistant = openedAssistant();
        if (assistant != nullptr) {
            assistant->setCurrentPage(windows::kAssistantPages, windows::kByMeasuredSizePage);
            assistant->setText(windows::kMeasuredInner, inner);
            assistant->setText(windows::kMeasuredOuter, outer);
        }
        return assistant;
    }
    // The typed text settles and is looked up.
    static void waitForAssistantRows(ui::Window& assistant) {
        QDeadlineTimer deadline(5000);
        while (assistant.rowCount(windows::kAssistantList) == 0 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        ASSERT_GT(assistant.rowCount(windows::kAssistantList), 0) << "nothing was looked up";
    }

    std::vector<std::string> opened_;
    std::vector<std::string> offeredNames_;
};

TEST_F(EveryControl, DoesWhatItsUserAsksFor) {
    using query::kBearingList, query::kImportedPriceList, query::kDomesticPriceList;
    const auto dimensions = [this] {
        main_->setText("编辑框_内径", "25");
        main_->setText("编辑框_外径", "52");
        main_->setText("编辑框_厚度", "15");
    };
    struct Use {
        const char* what;
        std::function<void()> act;
        std::function<void()> expect;
    };
    const std::vector<Use> uses = {
        {"按钮1",
         [&] {
             main_->setText("编辑框1", "6205");
             press("按钮1");
         },
         [&] { expectListed(kBearingList, "select * from bearing where newno like '%6205%'"); }},
        {"按钮搜索",
         [&] {
             main_->setText("组合框_品牌", "FAG");
             press("按钮搜索");
         },
         [&] { expectListed(kBearingList, "select * from bearing where ppai='FAG'"); }},
        {"按钮2 (hidden)",
         [&] {
             dimensions();
             main_->setText("组合框_品牌", "SKF");
             press("按钮2");
         },
         [&] {
             expectListed(kBearingList,
                          "select * from bearing where ppai='SKF' and njin='25' and wjin='52' "
                          "and gdu='15'");
         }},
        {"按钮3 (hidden)",
         [&] {
             dimensions();
             main_->setText("组合框_类型", "深沟球轴承");
             press("按钮3");
         },
         [&] {
             expectListed(kBearingList,
                          "select * from bearing where btype='深沟球轴承' and njin='25' and "
                          "wjin='52' and gdu='15'");
         }},
        {"按钮11 (hidden)",
         [&] {
             dimensions();
             press("按钮11");
         },
         [&] {
             expectListed(kBearingList,
                          "select * from bearing where gdu='15' and wjin='52' and njin='25'");
         }},
        {"按钮4 (hidden)", [&] { press("按钮4"); },
         [&] {
             EXPECT_EQ(opened_, std::vector<std::string>{"http://www.zhoucheng-query.example/"});
         }},
        {"按钮12",
         [&] {
             showPage(1);
             main_->setText("编辑框2", "6000");
             press("按钮12");
         },
         [&] { expectListed(kImportedPriceList, "select * from prjk where newno like '%6000%'"); }},
        {"按钮_查询国产",
         [&] {
             showPage(2);
             main_->setText("编辑框3", "6204");
             press("按钮_查询国产");
         },
         [&] { expectListed(kDomesticPriceList, "select * from prgc where newno like '%6204%'"); }},
        {"按钮5", [&] { press("按钮5"); },
         [&] {
             ui::Window* web = windowNamed("imported_price_web");
             ASSERT_NE(web, nullptr);
             EXPECT_EQ(web->widgetForTesting()->windowTitle(), QString("进口价格联网查询"));
         }},
        {"按钮9", [&] { press("按钮9"); },
         [&] {
             ui::Window* web = windowNamed("domestic_price_web");
             ASSERT_NE(web, nullptr);
             EXPECT_EQ(web->widgetForTesting()->windowTitle(), QString("国产价格联网查询"));
         }},
        {"工具条: 国产价格查询", [&] { pressToolButton("国产价格查询"); }, [&] { expectPage(2); }},
        {"工具条: 轴承数据",
         [&] {
             showPage(3);
             pressToolButton("轴承数据");
         },
         [&] {
             expectPage(0);
             EXPECT_EQ(rows(kBearingList), 29) << "the first rows are listed again";
         }},
        {"标签12", [&] { pressBanner(); },
         [&] {
             ASSERT_EQ(boxes_.size(), 1u);
             EXPECT_EQ(boxes_[0].text, "是否打开澜岳轴承网？");
         }},
        {"超级列表框_主窗口: right click",
         [&] {
             listOneBearing();
             rightClick(kBearingList);
         },
         [&] {
             EXPECT_TRUE(menu("右键")->isVisible());
             menu("右键")->close();
         }},
        {"超级列表框_主窗口: double click",
         [&] {
             listOneBearing();
             main_->selectRow(kBearingList.listName, -1);
             doubleClickFirstRow(kBearingList);
         },
         [&] { expectPictureOfTheNtn6205LLU(); }},
        {"超级列表框_主窗口: Ctrl+C",
         [&] {
             listOneBearing();
             copy(kBearingList);
         },
         [&] {
             EXPECT_TRUE(ui::clipboardText().starts_with(
                 "ID\t轴承名称\t新型号\t旧型号\t内径\t外径\t厚度\t品牌\t轴承类型\t详细说明"))
                 << ui::clipboardText();
         }},
        {"右键: 查看",
         [&] {
             listOneBearing();
             chooseItem("右键", 0);
         },
         [&] { expectPictureOfTheNtn6205LLU(); }},
        {"右键: 互换型号",
         [&] {
             listOneBearing();
             chooseItem("右键", 1);
         },
         [&] {
             // The row itself first, every 6205-2RS, then those of other clearances.
             const auto names = column(kBearingList, 1);
             ASSERT_GT(names.size(), 3u);
             EXPECT_TRUE(names.front().starts_with("NTN 6205LLU")) << names.front();
             EXPECT_EQ(main_->cellText(kBearingList.listName, 1, 2), "6205-2RS");
             EXPECT_EQ(
                 main_->cellText(kBearingList.listName, static_cast<int>(names.size()) - 1, 2),
                 "6205-2RS/C3");
         }},
        {"右键: 型号解读",
         [&] {
             listOneBearing();
             chooseItem("右键", 2);
         },
         [&] {
             ui::Window* assistant = openedAssistant();
             ASSERT_NE(assistant, nullptr);
             EXPECT_EQ(assistant->text(windows::kAssistantInput), "6205LLU");
             waitForAssistantRows(*assistant);
             EXPECT_TRUE(assistant->text(windows::kAssistantDecoding).starts_with("6205-2RS"));
         }},
        {"右键: 按任意型号查找…", [&] { chooseItem("右键", 3); },
         [&] {
             ui::Window* assistant = openedAssistant();
             ASSERT_NE(assistant, nullptr);
             EXPECT_FALSE(assistant->widgetForTesting()->isModal());
             EXPECT_TRUE(main_->widgetForTesting()->isEnabled());
         }},
        {"右键: 导出…",
         [&] {
             listOneBearing();
             chooseItem("右键", 4);
         },
         [&] { EXPECT_EQ(offeredNames_, std::vector<std::string>{"轴承列表.csv"}); }},
        {"右键: 本店库存", [&] { chooseItem("右键", 5); },
         [&] {
             ui::Window* stock = windowNamed(windows::kShopStockWindowName);
             ASSERT_NE(stock, nullptr);
             EXPECT_EQ(stock->text(windows::kShopStockCounts), "共 0 行");
         }},
        {"右键: 导入本店库存…", [&] { chooseItem("右键", 6); },
         [&] { EXPECT_EQ(offeredNames_, std::vector<std::string>{"导入本店库存"}); }},
        {"超级列表框_主窗口1: right click, Ctrl+C, 导出…",
         [&] {
             showPage(1);
             query::fillImportedPriceList(*main_, "select * from prjk where ppai='SKF'");
             rightClick(kImportedPriceList);
             copy(kImportedPriceList);
             chooseItem("右键1", 0);
         },
         [&] {
             EXPECT_TRUE(menu("右键1")->isVisible());
             menu("右键1")->close();
             EXPECT_TRUE(ui::clipboardText().starts_with(
                 "编号\t品牌\t型号\t不含税价格（元）\t含税价格（元）"));
             EXPECT_EQ(offeredNames_, std::vector<std::string>{"进口轴承价格.csv"});
         }},
        {"超级列表框_主窗口2: right click, Ctrl+C, 导出…",
         [&] {
             showPage(2);
             query::fillDomesticPriceList(*main_, "select * from prgc where ppai='洛阳'");
             rightClick(kDomesticPriceList);
             copy(kDomesticPriceList);
             chooseItem("右键2", 0);
         },
         [&] {
             EXPECT_TRUE(menu("右键2")->isVisible());
             menu("右键2")->close();
             EXPECT_TRUE(ui::clipboardText().starts_with(
                 "编号\t旧型号\t新型号\t不含税价格（元）\t含税价格（元）\t厂家"));
             EXPECT_EQ(offeredNames_, std::vector<std::string>{"国产轴承价格.csv"});
         }},
        {"designation_assistant: typing",
         [&] {
             chooseItem("右键", 3);
             ui::Window* assistant = openedAssistant();
             ASSERT_NE(assistant, nullptr);
             QTest::keyClicks(assistant->widgetForTesting(windows::kAssistantInput), "6205llu");
         },
         [&] {
             ui::Window* assistant = openedAssistant();
             waitForAssistantRows(*assistant);
             EXPECT_EQ(assistant->cellText(windows::kAssistantList, 0, 0),
                       "同一轴承（各厂写法）（9）");
         }},
        {"designation_assistant: Enter",
         [&] {
             chooseItem("右键", 3);
             ui::Window* assistant = openedAssistant();
             ASSERT_NE(assistant, nullptr);
             assistant->setText(windows::kAssistantInput, "6205LLU");
             QTest::keyClick(assistant->widgetForTesting(windows::kAssistantInput), Qt::Key_Return);
         },
         [&] {
             // At once, without waiting for the text to settle.
             EXPECT_GT(openedAssistant()->rowCount(windows::kAssistantList), 1);
         }},
        {"designation_assistant: 列入轴承列表",
         [&] {
             chooseItem("右键", 3);
             ui::Window* assistant = openedAssistant();
             ASSERT_NE(assistant, nullptr);
             assistant->setText(windows::kAssistantInput, "NU 205 ECP");
             waitForAssistantRows(*assistant);
             showPage(2);
             qobject_cast<QAbstractButton*>(
                 assistant->widgetForTesting(windows::kAssistantToBearingList))
                 ->click();
         },
         [&] {
             expectPage(0);
             EXPECT_EQ(column(kBearingList, 1).front(), "SKF  NU 205 ECP 轴承");
         }},
        {"designation_assistant: double click",
         [&] {
             chooseItem("右键", 3);
             ui::Window* assistant = openedAssistant();
             ASSERT_NE(assistant, nullptr);
             assistant->setText(windows::kAssistantInput, "6205LLU");
             waitForAssistantRows(*assistant);
             auto* view = qobject_cast<QAbstractItemView*>(
                 assistant->widgetForTesting(windows::kAssistantList));
             // Row 0 is the group's heading; row 1 the NTN 6205LLU, typed as stamped.
             const QPoint centre = view->visualRect(view->model()->index(1, 1)).center();
             QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
             QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
         },
         [&] { expectPictureOfTheNtn6205LLU(); }},
        {"designation_assistant 按实测尺寸: Enter in every input, 查找",
         [&] {
             ui::Window* assistant = measuredSizePage("24.98", "52.02");
             ASSERT_NE(assistant, nullptr);
             for (const std::string_view input :
                  {windows::kMeasuredInner, windows::kMeasuredOuter, windows::kMeasuredWidth,
                   windows::kMeasuredTolerance, windows::kMeasuredWidthTolerance,
                   windows::kMeasuredType}) {
                 SCOPED_TRACE(input);
                 assistant->clearRows(windows::kMeasuredList);
                 QWidget* box = assistant->widgetForTesting(input);
                 QTest::keyClick(box->focusProxy() != nullptr ? box->focusProxy() : box,
                                 Qt::Key_Return);
                 EXPECT_EQ(assistant->cellText(windows::kMeasuredList, 0, 0),
                           "25 × 52 × 15 mm　306 个");
             }
             assistant->clearRows(windows::kMeasuredList);
             qobject_cast<QAbstractButton*>(assistant->widgetForTesting(windows::kMeasuredSearch))
                 ->click();
         },
         [&] {
             EXPECT_EQ(openedAssistant()->cellText(windows::kMeasuredList, 0, 0),
                       "25 × 52 × 15 mm　306 个");
         }},
        {"designation_assistant 按实测尺寸: 列入轴承列表",
         [&] {
             ui::Window* assistant = measuredSizePage("1-3/8\"", "2-27/32\"");
             ASSERT_NE(assistant, nullptr);
             qobject_cast<QAbstractButton*>(assistant->widgetForTesting(windows::kMeasuredSearch))
                 ->click();
             showPage(2);
             qobject_cast<QAbstractButton*>(
                 assistant->widgetForTesting(windows::kMeasuredToBearingList))
                 ->click();
         },
         [&] {
             expectPage(0);
             EXPECT_EQ(column(kBearingList, 1),
                       (std::vector<std::string>{"TIMKEN  HM88649 轴承", "TIMKEN  16137 轴承"}));
         }},
        {"designation_assistant 按实测尺寸: double click",
         [&] {
             ui::Window* assistant = measuredSizePage("24.98", "52.02");
             ASSERT_NE(assistant, nullptr);
             qobject_cast<QAbstractButton*>(assistant->widgetForTesting(windows::kMeasuredSearch))
                 ->click();
             auto* view = qobject_cast<QAbstractItemView*>(
                 assistant->widgetForTesting(windows::kMeasuredList));
             // Row 0 is the size's heading; row 1 NSK's 6205.
             const QPoint centre = view->visualRect(view->model()->index(1, 1)).center();
             QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
             QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
         },
         [&] {
             ui::Window* picture = windowNamed(windows::kBearingPictureWindowName);
             ASSERT_NE(picture, nullptr);
             EXPECT_EQ(picture->text("编辑框4"), "6205");
         }},
    };
    for (const Use& use : uses) {
        SCOPED_TRACE(use.what);
        reset();
        use.act();
        use.expect();
    }
    reset();
}

class PageSwitchTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        std::string rows;
        for (int bh = 1; bh <= 40; ++bh) {
            rows += "INSERT INTO bearing (bh) VALUES (" + std::to_string(bh) + ");";
        }
        rows += "INSERT INTO prjk VALUES (3.0,'NACHI','6000 C3','5.3','6.201');";
        const std::string path = (home_.path() / "small.db").string();
        ASSERT_TRUE(test::writeSmallCatalogue(path, rows));
        ASSERT_TRUE(main_->database(query::kCatalogueConnection).OpenMdbDatabase(path));
    }

    void pressToolButton(int index) {
        dispatchEvent(*main_, {"工具条", EventKind::ToolButtonClicked, {.index = index}});
    }
    int page() const { return main_->currentPage("选择夹1"); }
    int bearingRows() const { return main_->rowCount(query::kBearingList.listName); }

    ui::Window* main_ = nullptr;
};

TEST_F(PageSwitchTest, ButtonsShowTheirPagesAndOnlyTheFirstRelists) {
    query::fillBearingList(*main_, "select * from bearing where bh=40");
    ASSERT_EQ(bearingRows(), 1);
    for (int index = 2; index <= 6; ++index) {
        pressToolButton(index);
        EXPECT_EQ(page(), index - 1);
        EXPECT_EQ(bearingRows(), 1) << "button " << index << " must not relist";
    }
    pressToolButton(1);
    EXPECT_EQ(page(), 0);
    EXPECT_EQ(bearingRows(), 29);

    query::fillBearingList(*main_, "select * from bearing where bh=40");
    pressToolButton(1);
    EXPECT_EQ(bearingRows(), 29) << "also when the page is shown already";
}

TEST_F(PageSwitchTest, SeparatorAndUnknownIndexesDoNothing) {
    pressToolButton(3);
    for (int index : {0, 7, -1, 100}) {
        pressToolButton(index);
        EXPECT_EQ(page(), 2);
    }
}

TEST_F(PageSwitchTest, APageKeepsItsListBetweenVisits) {
    pressToolButton(2);
    query::fillImportedPriceList(*main_, "select * from prjk");
    pressToolButton(1);
    pressToolButton(2);
    EXPECT_EQ(page(), 1);
    EXPECT_EQ(main_->cellText(query::kImportedPriceList.listName, 0, 1), "NACHI");
}

TEST_F(PageSwitchTest, UnboundEventsAreIgnored) {
    dispatchEvent(*main_, {"单选框1", EventKind::Clicked, {}});
    dispatchEvent(*main_, {"超级列表框_主窗口", EventKind::CurrentItemChanged, {}});
    dispatchEvent(*main_, {"右键", EventKind::ItemSelected, {.index = 9}});
    EXPECT_EQ(page(), 0);
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace lz::bindings
