#include "ui/web_view_factory.h"

#include <QLabel>
#include <QShortcut>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "ui/qt_conversions.h"

namespace lz::ui {
namespace {

// Script errors of the pages shown are none of the user's business where the template
// says so: they are neither shown nor logged.
class QuietPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
};

// Every window closes on an Esc that no control took, and pages never use Esc here. But the
// web engine takes every key for the page and reports Esc as used whether the page used it
// or not, so the window would never see it. The view's shortcut is asked before the page
// gets the key, wherever the focus is inside the page, and closes the window.
void closeWindowOnEscape(QWebEngineView* view) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), view);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, view, [view] { view->window()->close(); });
}

}  // namespace

QWidget* makeWebView(QWidget* parent, const ControlTemplate& control, bool real) {
    const QString address = toQString(control.startAddress);
    if (!real) {
        auto* placeholder = new QLabel(address, parent);
        placeholder->setTextFormat(Qt::PlainText);
        placeholder->setAlignment(Qt::AlignCenter);
        placeholder->setFocusPolicy(Qt::StrongFocus);
        return placeholder;
    }
    auto* view = new QWebEngineView(parent);
    if (control.suppressScriptErrors) {
        view->setPage(new QuietPage(view));
    }
    view->setZoomFactor(1.0);  // the medium text size
    closeWindowOnEscape(view);
    if (!address.isEmpty()) {
        view->load(QUrl(address));
    }
    return view;
}

}  // namespace lz::ui
