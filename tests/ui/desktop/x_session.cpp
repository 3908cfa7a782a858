#include "tests/ui/desktop/x_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace lz::ui::desktop {
namespace {

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(5000);
    if (ok != nullptr) {
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The window ids of a root window property, in the order xprop prints them.
std::vector<WId> rootWindowList(const char* property) {
    const QString output = run("xprop", {"-root", property});
    std::vector<WId> windows;
    const qsizetype hash = output.indexOf('#');
    if (hash < 0) {
        return windows;
    }
    static const QRegularExpression id("0x[0-9a-fA-F]+");
    for (auto match = id.globalMatch(output.mid(hash)); match.hasNext();) {
        windows.push_back(match.next().captured().toULongLong(nullptr, 16));
    }
    return windows;
}

}  // namespace

std::vector<WId> stackingOrder() {
    return rootWindowList("_NET_CLIENT_LIST_STACKING");
}

WId activeWindow() {
    const std::vector<WId> active = rootWindowList("_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active.front();
}

WId xWindowOf(const QWidget* window) {
    return window != nullptr ? window->window()->winId() : 0;
}

bool isTopmost(const QWidget* window) {
    const std::vector<WId> order = stackingOrder();
    return !order.empty() && order.back() == xWindowOf(window);
}

bool typeOnKeyboard(const QStringList& keys) {
    bool ok = false;
    run("xdotool", keys, &ok);
    return ok;
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return condition();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

}  // namespace lz::ui::desktop
