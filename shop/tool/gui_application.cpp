#include "shop/tool/gui_application.h"

#include <QGuiApplication>

namespace lz::shop_tool {

bool ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // QGuiApplication keeps argc and argv by reference: both live as long as it does. It is
    // never deleted, so it outlives every use, and is still reachable at exit.
    static int argc = 1;
    static char name[] = "lingzhou-shop";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const application = new QGuiApplication(argc, argv);
    return application != nullptr;
}

}  // namespace lz::shop_tool
