#pragma once

#include <QWidget>

#include "ui/window_template.h"

namespace lz::ui {

// Holds the place of a web view whose browser engine may start only once its window has been
// seen: creating the first web view starts the engine and its helper processes, which would
// otherwise hold back the window's first appearance. The view (or the placeholder that stands
// in for it where web views are off) is made in the turn of the event loop that follows the
// window's first paint, and starts loading its address then; until that moment this box is
// empty and keeps the focus for it.
class DeferredWebView : public QWidget {
    Q_OBJECT

public:
    DeferredWebView(QWidget* parent, const ControlTemplate& control, bool real);

    // The view, once made; nullptr before.
    QWidget* view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeView();

    const ControlTemplate& control_;
    bool real_;
    QWidget* watchedWindow_ = nullptr;
    QWidget* view_ = nullptr;
};

}  // namespace lz::ui
