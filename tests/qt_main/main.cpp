// main() of the Qt test programs: one QApplication for the whole run, offscreen unless
// the caller chose a platform, on the event dispatcher the program runs on.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/message_pump.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    lz::ui::chooseEventDispatcher();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
