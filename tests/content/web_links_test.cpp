// The banner's prompt, the hidden online-search button and the two modal web windows. Web
// views are placeholders here and no address is ever opened: the test catches them.
#include "content/web_links.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "app/bindings/event_bindings.h"
#include "content/url_opener.h"
#include "tests/app_support/main_window_fixture.h"
#include "ui/window.h"
#include "ui/window_manager.h"

namespace lz::content {
namespace {

class WebLinksTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setUrlOpenerForTesting([this](std::string_view address) { opened_.emplace_back(address); });
        main_ = openMainWindow();
        ASSERT_NE(main_, nullptr);
        boxes_.clear();
    }
    void TearDown() override {
        setUrlOpenerForTesting({});
        MainWindowTest::TearDown();
        QApplication::processEvents();
    }

    // A left-button press on the banner, as the platform delivers it.
    void pressBanner() {
        QWidget* banner = main_->widgetForTesting("标签12");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 10),
                          banner->mapToGlobal(QPointF(20, 10)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(banner, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(20, 10),
                            banner->mapToGlobal(QPointF(20, 10)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(banner, &release);
    }

    void click(std::string_view button) {
        bindings::dispatchEvent(*main_, {button, ui::EventKind::Clicked, {}});
    }

    ui::Window* main_ = nullptr;
    std::vector<std::string> opened_;
};

TEST_F(WebLinksTest, BannerAsksOnEveryPressAndOnlyYesOpensTheCompanySite) {
    answer_ = ui::BoxAnswer::No;
    pressBanner();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "是否打开澜岳轴承网？");
    EXPECT_EQ(boxes_[0].caption, "软件协议");
    EXPECT_EQ(boxes_[0].buttons, ui::BoxButtons::YesNo);
    EXPECT_TRUE(opened_.empty());

    answer_ = ui::BoxAnswer::Yes;
    pressBanner();
    EXPECT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(opened_, std::vector<std::string>{"http://www.lanyue.example/"});

    pressBanner();
    EXPECT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(opened_.size(), 2u);
}

TEST_F(WebLinksTest, HiddenOnlineSearchButtonOpensTheOnlineSiteWithoutAsking) {
    EXPECT_FALSE(main_->isVisible("按钮4"));
    click("按钮4");
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(opened_, std::vector<std::string>{"http://www.zhoucheng-query.example/"});
}

struct PriceWindow {
    const char* button;
    const char* name;
    const char* title;
    const char* address;
};

TEST_F(WebLinksTest, PriceButtonsOpenModalWebWindowsOnTheirPagesAnewEachTime) {
    for (const PriceWindow& expected :
         {PriceWindow{"按钮5", "imported_price_web", "进口价格联网查询",
                      "http://www.zhoucheng-query.example/imprice.asp"},
          PriceWindow{"按钮9", "domestic_price_web", "国产价格联网查询",
                      "http://www.zhoucheng-query.example/guochan/"}}) {
        SCOPED_TRACE(expected.title);
        for (int time = 0; time < 2; ++time) {
            click(expected.button);
            ui::Window* web = ui::WindowManager::instance().find(expected.name);
            ASSERT_NE(web, nullptr);
            QWidget* frame = web->widgetForTesting();
            EXPECT_TRUE(frame->isVisible());
            EXPECT_EQ(frame->windowTitle(), QString(expected.title));
            EXPECT_EQ(frame->parentWidget(), nullptr);
            EXPECT_EQ(frame->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(QApplication::activeModalWidget(), frame);
            // With web engines off the view is a placeholder that names its start address.
            auto* view = qobject_cast<QLabel*>(web->widgetForTesting("超文本浏览框1"));
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(view->text(), QString(expected.address));
            EXPECT_TRUE(opened_.empty());

            web->close();
            QApplication::processEvents();
            EXPECT_EQ(ui::WindowManager::instance().find(expected.name), nullptr);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        }
    }
}

}  // namespace
}  // namespace lz::content
