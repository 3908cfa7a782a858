#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ui/message_boxes.h"
#include "ui/message_pump.h"

namespace lz::ui::testing {
namespace {

TEST(MessageBoxes, ResponderSeesTextCaptionAndButtons) {
    std::vector<BoxRequest> asked;
    MessageBoxes::setResponder([&](const BoxRequest& request) {
        asked.push_back(request);
        return request.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    });
    EXPECT_EQ(MessageBoxes::show("连接失败"), BoxAnswer::Ok);
    EXPECT_EQ(MessageBoxes::show("是否打开？", "软件协议", BoxButtons::YesNo), BoxAnswer::No);
    MessageBoxes::setResponder({});

    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "连接失败");
    EXPECT_EQ(asked[0].caption, "信息：");
    EXPECT_EQ(asked[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(asked[1].caption, "软件协议");
    EXPECT_EQ(asked[1].buttons, BoxButtons::YesNo);
}

// The real dialog, answered by pressing its button once it is up.
TEST(MessageBoxes, RealBoxesShowChineseButtonsAndReportTheOnePressed) {
    const auto pressWhenShown = [](QMessageBox::StandardButton which,
                                   std::vector<std::string>& seen) {
        QTimer::singleShot(0, [which, &seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons()) {
                seen.push_back(button->text().toStdString());
            }
            box->button(which)->click();
        });
    };
    std::vector<std::string> okBox, yesNoBox;
    pressWhenShown(QMessageBox::Ok, okBox);
    EXPECT_EQ(MessageBoxes::show("连接失败"), BoxAnswer::Ok);
    EXPECT_EQ(okBox, std::vector<std::string>{"确定"});

    pressWhenShown(QMessageBox::No, yesNoBox);
    EXPECT_EQ(MessageBoxes::show("是否打开？", "软件协议", BoxButtons::YesNo), BoxAnswer::No);
    std::sort(yesNoBox.begin(), yesNoBox.end());
    EXPECT_EQ(yesNoBox, (std::vector<std::string>{"否(&N)", "是(&Y)"}));

    std::vector<std::string> ignored;
    pressWhenShown(QMessageBox::Yes, ignored);
    EXPECT_EQ(MessageBoxes::show("是否打开？", "软件协议", BoxButtons::YesNo), BoxAnswer::Yes);
}

TEST(MessagePump, RunsPostedWorkAndReturns) {
    int ran = 0;
    QTimer::singleShot(0, [&] { ++ran; });
    QMetaObject::invokeMethod(
        qApp, [&] { ++ran; }, Qt::QueuedConnection);
    processPendingMessages();
    EXPECT_EQ(ran, 2);
    processPendingMessages();  // nothing pending: returns at once
    EXPECT_EQ(ran, 2);
}

// Work that re-posts itself forever; the posted calls own their state, so a call still
// queued when the test ends is harmless.
void postEndlessly(std::shared_ptr<int> ran, std::shared_ptr<bool> stop) {
    QMetaObject::invokeMethod(
        qApp,
        [ran, stop] {
            if (!*stop) {
                ++*ran;
                postEndlessly(ran, stop);
            }
        },
        Qt::QueuedConnection);
}

TEST(MessagePump, ReturnsWhileWorkKeepsGettingPosted) {
    auto ran = std::make_shared<int>(0);
    auto stop = std::make_shared<bool>(false);
    postEndlessly(ran, stop);
    processPendingMessages();
    EXPECT_GE(*ran, 1);
    *stop = true;
    QApplication::processEvents();
}

TEST(MessagePump, StopsPumpingOnceTheProgramQuits) {
    processPendingMessages();  // the pump starts watching for the quit request
    bool ranInsidePump = false;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QCoreApplication::quit();
        QMetaObject::invokeMethod(
            qApp, [&] { ran = true; }, Qt::QueuedConnection);
        processPendingMessages();
        ranInsidePump = ran;
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(ranInsidePump);

    // After the event loop has ended, pumping works again.
    ran = false;
    QMetaObject::invokeMethod(
        qApp, [&] { ran = true; }, Qt::QueuedConnection);
    processPendingMessages();
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace lz::ui::testing
