// Message boxes and dialogs open above every window of the program, the picture window that
// stays on top included, and take the keyboard: judged by openbox's stacking and answered
// with keys typed through the X server.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/desktop/x_session.h"
#include "ui/file_dialogs.h"
#include "ui/message_boxes.h"
#include "ui/window.h"
#include "ui/window_manager.h"
#include "windows/picture_window_template.h"

namespace lz::ui::desktop {
namespace {

// A plain window such as the main window: neither on top nor modal.
WindowTemplate plainWindow() {
    WindowTemplate window;
    window.name = "普通窗口";
    window.title = "普通窗口";
    window.outerWidth = 800;
    window.outerHeight = 600;
    return window;
}

// A small dialog of the program's own, opened modal: one edit box to type into.
constexpr std::string_view kDialogBox = "编辑框_输入";
WindowTemplate modalDialog() {
    WindowTemplate window;
    window.name = "对话框";
    window.title = "对话框";
    window.outerWidth = 300;
    window.outerHeight = 120;
    ControlTemplate box;
    box.kind = ControlKind::EditBox;
    box.name = kDialogBox;
    box.geometry = {20, 20, 200, 22};
    box.tabStop = true;
    window.controls.push_back(box);
    return window;
}

// What the window manager made of a modal box or dialog while it was open.
struct Seen {
    bool shown = false;     // it was mapped
    bool topmost = false;   // highest in the stacking order
    bool active = false;    // the window manager gave it the keyboard
    bool typed = false;     // xdotool ran
    bool leftOpen = false;  // the typed keys did not close it; the watch closed it
};

// While a modal box runs its own event loop, waits for it to appear, records where the
// window manager put it, then types: each of `keys` is one xdotool command. A box still
// open two seconds later is closed, and so is one that never gets mapped, so that a box the
// keys never reach ends the test instead of hanging it.
class ModalWatch {
public:
    explicit ModalWatch(std::vector<QStringList> keys) : keys_(std::move(keys)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(20);
    }

    const Seen& seen() const { return seen_; }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!seen_.typed) {
            if (deadline_.hasExpired()) {
                giveUp(modal);
            } else if (modal != nullptr && modal->isVisible() && isMapped(modal)) {
                // Openbox may take a moment to stack and focus a freshly mapped window.
                if (settle_.isForever()) {
                    settle_ = QDeadlineTimer(2000);
                }
                if (activeWindow() == xWindowOf(modal) || settle_.hasExpired()) {
                    typeInto(modal);
                }
            }
            return;
        }
        if (modal == nullptr) {
            timer_.stop();
        } else if (typedAt_.hasExpired()) {
            giveUp(modal);
        }
    }

    static bool isMapped(const QWidget* modal) {
        const std::vector<WId> order = stackingOrder();
        return std::find(order.begin(), order.end(), xWindowOf(modal)) != order.end();
    }

    void typeInto(QWidget* modal) {
        seen_.shown = true;
        seen_.topmost = isTopmost(modal);
        seen_.active = activeWindow() == xWindowOf(modal);
        seen_.typed = std::all_of(keys_.begin(), keys_.end(), typeOnKeyboard);
        typedAt_ = QDeadlineTimer(2000);
    }

    void giveUp(QWidget* modal) {
        timer_.stop();
        if (modal == nullptr) {
            return;
        }
        seen_.leftOpen = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    std::vector<QStringList> keys_;
    QTimer timer_;
    QDeadlineTimer deadline_{8000};
    QDeadlineTimer settle_{QDeadlineTimer::Forever};
    QDeadlineTimer typedAt_{QDeadlineTimer::Forever};
    Seen seen_;
};

class BoxesAboveTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowManager& manager = WindowManager::instance();
        manager.setWebViewsEnabled(false);
        manager.setEventSink([](Window&, const Event&) {});
        MessageBoxes::setResponder({});
        FileDialogs::setResponder({});
        plain_ = plainWindow();
        ASSERT_NE(manager.open(plain_), nullptr);
        picture_ = manager.open(windows::bearingPictureWindowTemplate());
        ASSERT_NE(picture_, nullptr);
        // The picture window is up, on top and has the keyboard, as after "查看".
        ASSERT_TRUE(waitUntil([this] {
            return activeWindow() == xWindowOf(picture_->widgetForTesting()) &&
                   isTopmost(picture_->widgetForTesting());
        }));
    }

    void TearDown() override {
        WindowManager::instance().closeAll();
        WindowManager::instance().setEventSink({});
        QApplication::processEvents();
    }

    WindowTemplate plain_;
    Window* picture_ = nullptr;
};

TEST_F(BoxesAboveTest, MessageBoxesShowAboveThePictureWindowAndTakeTheKeys) {
    const struct {
        BoxButtons buttons;
        QStringList keys;
        BoxAnswer expected;
    } cases[] = {
        {BoxButtons::Ok, {"key", "Return"}, BoxAnswer::Ok},
        {BoxButtons::YesNo, {"key", "y"}, BoxAnswer::Yes},
    };
    for (const auto& box : cases) {
        SCOPED_TRACE(box.keys.join(' ').toStdString());
        ModalWatch watch({box.keys});
        const BoxAnswer answer = MessageBoxes::show("查询内容不能为空！", "提示信息", box.buttons);
        EXPECT_TRUE(watch.seen().shown);
        EXPECT_TRUE(watch.seen().topmost) << "the box opened under another window";
        EXPECT_TRUE(watch.seen().active);
        EXPECT_TRUE(watch.seen().typed);
        EXPECT_FALSE(watch.seen().leftOpen) << "the typed keys did not reach the box";
        EXPECT_EQ(answer, box.expected);
    }
}

TEST_F(BoxesAboveTest, TheSaveDialogShowsAboveThePictureWindowAndTakesTheKeys) {
    ModalWatch watch({{"type", "--delay", "20", "lz-typed"}, {"key", "Return"}});
    const std::optional<std::string> chosen =
        FileDialogs::askSaveFileName({"导出轴承列表", "轴承列表.csv", "CSV 文件", "csv"});
    EXPECT_TRUE(watch.seen().shown);
    EXPECT_TRUE(watch.seen().topmost) << "the dialog opened under another window";
    EXPECT_TRUE(watch.seen().active);
    EXPECT_FALSE(watch.seen().leftOpen) << "the typed keys did not reach the dialog";
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(chosen->ends_with("/lz-typed.csv")) << *chosen;
}

TEST_F(BoxesAboveTest, ModalWindowsShowAboveThePictureWindowAndTakeTheKeys) {
    const WindowTemplate dialogTemplate = modalDialog();
    Window* dialog = WindowManager::instance().open(dialogTemplate, true);
    ASSERT_NE(dialog, nullptr);
    QWidget* frame = dialog->widgetForTesting();
    ASSERT_TRUE(waitUntil([frame] { return activeWindow() == xWindowOf(frame); }))
        << "the dialog never got the keyboard";
    EXPECT_TRUE(waitUntil([frame] { return isTopmost(frame); }, 1000))
        << "the dialog opened under another window";
    ASSERT_TRUE(typeOnKeyboard({"type", "--delay", "20", "6205"}));
    EXPECT_TRUE(waitUntil([dialog] { return dialog->text(kDialogBox) == "6205"; }, 3000))
        << dialog->text(kDialogBox);
}

}  // namespace
}  // namespace lz::ui::desktop
