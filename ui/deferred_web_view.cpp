#include "ui/deferred_web_view.h"

#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/web_view_factory.h"

namespace lz::ui {

DeferredWebView::DeferredWebView(QWidget* parent, const ControlTemplate& control, bool real)
    : QWidget(parent), control_(control), real_(real) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setFocusPolicy(Qt::StrongFocus);
    watchedWindow_ = window();
    watchedWindow_->installEventFilter(this);
}

bool DeferredWebView::eventFilter(QObject* watched, QEvent* event) {
    // The window's first paint (or the request that carries it) means it is on the screen;
    // the view is made after that paint has been flushed, not inside it.
    if (watched == watchedWindow_ &&
        (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest)) {
        watchedWindow_->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { makeView(); });
    }
    return QWidget::eventFilter(watched, event);
}

void DeferredWebView::makeView() {
    if (view_ != nullptr) {
        return;
    }
    const bool hadFocus = hasFocus();
    view_ = makeWebView(this, control_, real_);
    layout()->addWidget(view_);
    view_->setFocusPolicy(focusPolicy());
    setFocusProxy(view_);
    if (hadFocus) {
        view_->setFocus();
    }
}

}  // namespace lz::ui
