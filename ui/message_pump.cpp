#include "ui/message_pump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace lz::ui {
namespace {

// Bounds one call even if something keeps re-posting work (a zero timer), so that a
// fill that pumps after every row always gets control back.
constexpr int kMaxRounds = 64;

// Notices the application's quit request, after which a fill must stop pumping; the
// request is over once the event loop has ended (aboutToQuit).
class QuitWatcher : public QObject {
public:
    bool quitting = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
            quitting = true;
        }
        return false;
    }
};

QuitWatcher* watcher() {
    static QuitWatcher* installed = nullptr;
    QCoreApplication* application = QCoreApplication::instance();
    if (installed == nullptr && application != nullptr) {
        installed = new QuitWatcher;
        installed->setParent(application);
        application->installEventFilter(installed);
        QObject::connect(application, &QCoreApplication::aboutToQuit, installed,
                         [] { installed->quitting = false; });
        QObject::connect(installed, &QObject::destroyed, [] { installed = nullptr; });
    }
    return installed;
}

bool isQuitting() {
    const QuitWatcher* quit = watcher();
    return QCoreApplication::closingDown() || quit == nullptr || quit->quitting;
}

}  // namespace

void chooseEventDispatcher() {
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) {
        qputenv("QT_NO_GLIB", "1");
    }
}

void processPendingMessages() {
    if (isQuitting()) {
        return;
    }
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < kMaxRounds && !isQuitting(); ++round) {
        QCoreApplication::sendPostedEvents();
        if (dispatcher == nullptr || !dispatcher->processEvents(QEventLoop::AllEvents)) {
            break;
        }
    }
}

}  // namespace lz::ui
