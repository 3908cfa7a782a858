// Esc closes the price web windows wherever their focus is, inside the web page included:
// real web engine views on a real display, the key typed through the X server.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>
#include <optional>
#include <string>

#include "tests/ui/desktop/x_session.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/web_window_templates.h"

namespace lz::ui::desktop {
namespace {

class WebWindowEscTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowManager& manager = WindowManager::instance();
        manager.setWebViewsEnabled(true);
        manager.setEventSink([](Window&, const Event&) {});
    }

    void TearDown() override {
        WindowManager::instance().closeAll();
        WindowManager::instance().setEventSink({});
        QApplication::processEvents();
    }

    // Opens the window as its button does (modal) and waits until the window manager has
    // given it the keyboard and the focus is inside its web view; with `loaded`, also until
    // the page (for the online pages, the web engine's page saying the site cannot be
    // reached) has finished loading.
    static QWebEngineView* openWithFocusInPage(const WindowTemplate& web, bool loaded) {
        Window* window = WindowManager::instance().open(web, true);
        if (window == nullptr) {
            ADD_FAILURE() << "not opened";
            return nullptr;
        }
        QWidget* frame = window->widgetForTesting();
        auto* view = frame->findChild<QWebEngineView*>();
        if (view == nullptr) {
            ADD_FAILURE() << "no web view";
            return nullptr;
        }
        const bool ready = waitUntil([frame, view, loaded] {
            const QWidget* focus = QApplication::focusWidget();
            return activeWindow() == xWindowOf(frame) && focus != nullptr &&
                   view->isAncestorOf(focus) && !(loaded && view->page()->isLoading());
        });
        EXPECT_TRUE(ready) << "the web view never had the focus";
        return ready ? view : nullptr;
    }

    // The id of the element that has the page's focus, as the page's script says.
    static QString focusedElementId(QWebEngineView* view) {
        // Shared: the answer may come after the wait has given up.
        auto answer = std::make_shared<std::optional<QString>>();
        view->page()->runJavaScript("document.activeElement ? document.activeElement.id : ''",
                                    [answer](const QVariant& id) { *answer = id.toString(); });
        waitUntil([&answer] { return answer->has_value(); }, 2000);
        return answer->value_or(QString());
    }

    static bool isOpen(const WindowTemplate& web) {
        return WindowManager::instance().find(web.name) != nullptr;
    }

    static bool escapeCloses(const WindowTemplate& web) {
        return typeOnKeyboard({"key", "Escape"}) &&
               waitUntil([&web] { return !isOpen(web); }, 3000);
    }
};

TEST_F(WebWindowEscTest, EscClosesEitherPriceWindowFreshlyOpenedAndOnceItsPageHasLoaded) {
    for (const WindowTemplate* web :
         {&windows::importedPriceWebWindowTemplate(), &windows::domesticPriceWebWindowTemplate()}) {
        for (const bool loaded : {false, true}) {
            SCOPED_TRACE(std::string(web->title) + (loaded ? ", loaded" : ", fresh"));
            ASSERT_NE(openWithFocusInPage(*web, loaded), nullptr);
            if (loaded) {
                // The page settles (its own view takes the focus) a moment after loading.
                waitUntil([] { return false; }, 1000);
            }
            EXPECT_TRUE(escapeCloses(*web));
            WindowManager::instance().closeAll();
        }
    }
}

TEST_F(WebWindowEscTest, EscClosesThePriceWindowFromATextFieldOfThePage) {
    // The online page cannot be reached from a test; a page with a text field stands in, and
    // the field is clicked as a user would click it.
    WindowTemplate web = windows::importedPriceWebWindowTemplate();
    web.controls.front().startAddress =
        "data:text/html,<input id=f style='width:600px;height:200px'>";
    QWebEngineView* view = openWithFocusInPage(web, true);
    ASSERT_NE(view, nullptr);
    const QPoint field = view->mapToGlobal(QPoint(100, 50));
    const QStringList click = {"mousemove", QString::number(field.x()), QString::number(field.y()),
                               "click", "1"};
    // Clicked again until the page says the field has its focus: a busy machine may lay the
    // page out only after the first click.
    EXPECT_TRUE(waitUntil(
        [view, &click] { return typeOnKeyboard(click) && focusedElementId(view) == "f"; }, 10000))
        << "the click did not reach the page's field";
    EXPECT_TRUE(escapeCloses(web));
}

}  // namespace
}  // namespace lz::ui::desktop
