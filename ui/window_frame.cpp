#include "ui/window_frame.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace lz::ui {

WindowFrame::WindowFrame(Qt::WindowFlags flags) : QWidget(nullptr, flags) {}

void WindowFrame::keyPressEvent(QKeyEvent* event) {
    // Only keys that no child accepted arrive here, so a control that uses Esc keeps it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) {
        return;
    }
    closed_ = true;
    if (closeHandler_) {
        closeHandler_();
    }
}

}  // namespace lz::ui
