// The banner's prompt, the hidden online-search button and the two modal web windows. No
// address is ever opened: the test catches what would be handed to the desktop, and what the
// web views would load.
#include "content/web_links.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <mutex>
#include <string>
#include <vector>

#include "app/bindings/event_bindings.h"
#include "content/url_opener.h"
#include "tests/app_support/main_window_fixture.h"
#include "ui/window.h"
#include "ui/window_manager.h"

// Read by LeakSanitizer in sanitizer builds, unused otherwise. The web engine and the font
// library it starts keep a few allocations to the end of the process on purpose; they are
// not this program's, and its own leaks are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore.so\n"
           "leak:libfontconfig.so\n";
}

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

// Takes note of every address the web engine is asked for and lets none through: the real
// web views load, and no site is ever reached from a test.
class RequestRecorder : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const std::lock_guard lock(mutex_);
        requested_.push_back(info.requestUrl().toString().toStdString());
        info.block(true);
    }
    std::vector<std::string> requested() const {
        const std::lock_guard lock(mutex_);
        return requested_;
    }
    void clear() {
        const std::lock_guard lock(mutex_);
        requested_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> requested_;
};

struct PriceWindow {
    const char* button;
    const char* name;
    const char* title;
    const char* address;
};

// The windows hold real web views here (the main window's stay placeholders): what they ask
// the web engine for is what a user's browser engine would load.
TEST_F(WebLinksTest, PriceButtonsOpenModalWebWindowsOnTheirPagesAnewEachTime) {
    // As the program does: the engine's sandbox refuses to start for root (containers).
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    RequestRecorder recorder;
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&recorder);
    ui::WindowManager::instance().setWebViewsEnabled(true);
    for (const PriceWindow& expected :
         {PriceWindow{"按钮5", "imported_price_web", "进口价格联网查询",
                      "http://www.zhoucheng-query.example/imprice.asp"},
          PriceWindow{"按钮9", "domestic_price_web", "国产价格联网查询",
                      "http://www.zhoucheng-query.example/guochan/"}}) {
        SCOPED_TRACE(expected.title);
        for (int time = 0; time < 2; ++time) {
            recorder.clear();
            click(expected.button);
            ui::Window* web = ui::WindowManager::instance().find(expected.name);
            ASSERT_NE(web, nullptr);
            QWidget* frame = web->widgetForTesting();
            EXPECT_TRUE(frame->isVisible());
            EXPECT_EQ(frame->windowTitle(), QString(expected.title));
            EXPECT_EQ(frame->parentWidget(), nullptr);
            EXPECT_EQ(frame->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(QApplication::activeModalWidget(), frame);
            ASSERT_NE(qobject_cast<QWebEngineView*>(web->widgetForTesting("超文本浏览框1")),
                      nullptr);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !recorder.requested().empty(); }, 30'000));
            const auto requested = recorder.requested();
            ASSERT_FALSE(requested.empty());
            EXPECT_EQ(requested.front(), expected.address);
            EXPECT_TRUE(opened_.empty());

            web->close();
            QApplication::processEvents();
            EXPECT_EQ(ui::WindowManager::instance().find(expected.name), nullptr);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        }
    }
    ui::WindowManager::instance().setWebViewsEnabled(false);
    QApplication::processEvents();
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
}

}  // namespace
}  // namespace lz::content
