#include "ui/window_manager.h"

#include <algorithm>

#include <QApplication>
#include <QScreen>
#include <QWindow>

#include "ui/modal_stacking.h"
#include "ui/window.h"
#include "ui/window_frame.h"
#include "ui/window_widgets.h"

namespace lz::ui {
namespace {

Rect rectOf(const QRect& rect) {
    return Rect{rect.x(), rect.y(), rect.width(), rect.height()};
}

// Beside the owner on the owner's screen, and kept above it by the window system (a
// transient window); the frame's top-left corner is what move() places.
void placeBeside(WindowFrame& frame, QWidget& owner, const WindowTemplate& windowTemplate) {
    const QScreen* screen = owner.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const Point corner =
            besidePosition(rectOf(screen->availableGeometry()), rectOf(owner.frameGeometry()),
                           windowTemplate.outerWidth, windowTemplate.outerHeight);
        frame.move(corner.x, corner.y);
    }
    frame.winId();  // makes the native window, which the transient parent is set on
    if (frame.windowHandle() != nullptr && owner.windowHandle() != nullptr) {
        frame.windowHandle()->setTransientParent(owner.windowHandle());
    }
}

}  // namespace

// Closed windows are not destroyed at once: an action may still hold the window it runs
// for (a fill processes messages after every row, and the user may close the window
// meanwhile). They are destroyed once no event is being dispatched any more.
struct WindowManager::State {
    EventSink sink;
    bool webViews = true;
    bool quitHooked = false;
    bool collectScheduled = false;
    int dispatchDepth = 0;
    std::vector<std::unique_ptr<Window>> open;
    std::vector<std::unique_ptr<Window>> closed;
};

class WindowBuilder {
public:
    using State = WindowManager::State;

    static WindowManager::State& state() { return *WindowManager::instance().state_; }

    static void dispatch(Window& window, const Event& event) {
        State& s = state();
        if (!s.sink) {
            return;
        }
        const EventSink sink = s.sink;  // the sink may be replaced while it runs
        ++s.dispatchDepth;
        sink(window, event);
        --s.dispatchDepth;
        if (s.dispatchDepth == 0 && !s.closed.empty()) {
            scheduleCollect();
        }
    }

    static void windowClosed(Window* window) {
        State& s = state();
        const auto found = std::find_if(s.open.begin(), s.open.end(), [window](const auto& open) {
            return open.get() == window;
        });
        if (found == s.open.end()) {
            return;
        }
        s.closed.push_back(std::move(*found));
        s.open.erase(found);
        scheduleCollect();
        // Its tool windows go with it; each closing comes back here and is forgotten alike.
        std::vector<Window*> tools;
        for (const auto& open : s.open) {
            if (!open->windowTemplate().ownerWindow.empty() &&
                open->windowTemplate().ownerWindow == window->name()) {
                tools.push_back(open.get());
            }
        }
        for (Window* tool : tools) {
            tool->close();
        }
    }

    static void scheduleCollect() {
        State& s = state();
        if (s.collectScheduled || QCoreApplication::instance() == nullptr) {
            return;
        }
        s.collectScheduled = true;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                State& s = state();
                s.collectScheduled = false;
                if (s.dispatchDepth == 0) {
                    s.closed.clear();
                }
            },
            Qt::QueuedConnection);
    }

    // Windows must go before the application does; the program's exec() ends here.
    static void hookQuit() {
        State& s = state();
        if (s.quitHooked || QCoreApplication::instance() == nullptr) {
            return;
        }
        s.quitHooked = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] {
            State& s = state();
            s.closed.clear();
            std::vector<std::unique_ptr<Window>> open = std::move(s.open);
            s.open.clear();
            open.clear();
        });
        QObject::connect(QCoreApplication::instance(), &QObject::destroyed,
                         [] { state().quitHooked = false; });
    }
};

WindowManager& WindowManager::instance() {
    static WindowManager manager;
    return manager;
}

WindowManager::WindowManager() : state_(std::make_unique<State>()) {}

void WindowManager::setEventSink(EventSink sink) {
    state_->sink = std::move(sink);
}

void WindowManager::setWebViewsEnabled(bool enabled) {
    state_->webViews = enabled;
}

bool WindowManager::webViewsEnabled() const {
    return state_->webViews;
}

Window* WindowManager::open(const WindowTemplate& windowTemplate, bool modal) {
    if (Window* existing = find(windowTemplate.name)) {
        existing->activate();
        return existing;
    }
    if (!validateTemplate(windowTemplate).empty()) {
        return nullptr;
    }
    WindowBuilder::hookQuit();

    auto window =
        std::make_unique<Window>(std::make_unique<WindowWidgets>(windowTemplate, state_->webViews));
    Window* built = window.get();
    built->widgets().setEventHandler(
        [built](const Event& event) { WindowBuilder::dispatch(*built, event); });
    built->widgets().setCloseHandler([built] { WindowBuilder::windowClosed(built); });
    state_->open.push_back(std::move(window));

    WindowFrame* frame = built->widgets().frame();
    Window* owner = windowTemplate.ownerWindow.empty() ? nullptr : find(windowTemplate.ownerWindow);
    if (owner != nullptr) {
        frame->setWindowFlag(Qt::Tool, true);
    } else if (modal) {
        frame->setWindowModality(Qt::ApplicationModal);
        stackAboveOnTopWindows(*frame);
    }
    WindowBuilder::dispatch(*built, Event{{}, EventKind::Created, {}});
    if (built->widgets().isClosed()) {
        return nullptr;
    }
    // The owner may have closed during the created event.
    owner = windowTemplate.ownerWindow.empty() ? nullptr : find(windowTemplate.ownerWindow);
    if (owner != nullptr) {
        placeBeside(*frame, *owner->widgets().frame(), windowTemplate);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const Point corner = centredPosition(area.width(), area.height(), windowTemplate.outerWidth,
                                             windowTemplate.outerHeight);
        frame->move(area.x() + corner.x, area.y() + corner.y);
    }
    frame->show();
    return built;
}

Window* WindowManager::find(std::string_view name) const {
    for (const auto& window : state_->open) {
        if (window->name() == name) {
            return window.get();
        }
    }
    return nullptr;
}

std::vector<Window*> WindowManager::openWindows() const {
    std::vector<Window*> windows;
    for (const auto& window : state_->open) {
        windows.push_back(window.get());
    }
    return windows;
}

void WindowManager::closeAll() {
    for (Window* window : openWindows()) {
        window->close();
    }
    if (state_->dispatchDepth == 0) {
        state_->closed.clear();
    }
}

Point centredPosition(int screenWidth, int screenHeight, int outerWidth, int outerHeight) {
    return Point{(screenWidth - outerWidth) / 2, (screenHeight - outerHeight) / 2};
}

Point besidePosition(Rect screen, Rect owner, int outerWidth, int outerHeight) {
    const int screenRight = screen.left + screen.width;
    const int ownerRight = owner.left + owner.width;
    int x = 0;
    if (ownerRight + outerWidth <= screenRight) {
        x = ownerRight;
    } else if (owner.left - outerWidth >= screen.left) {
        x = owner.left - outerWidth;
    } else if (screenRight - ownerRight >= owner.left - screen.left) {
        x = screenRight - outerWidth;
    } else {
        x = screen.left;
    }
    const int lowest = screen.top + screen.height - outerHeight;
    const int y = std::min(owner.top, lowest);
    return Point{std::max(x, screen.left), std::max(y, screen.top)};
}

}  // namespace lz::ui
