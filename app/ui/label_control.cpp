#include "app/ui/label_control.h"

#include <QMouseEvent>
#include <QPainter>

namespace lz::ui {

int keyStateOf(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ControlModifier) {
        state += 1;
    }
    if (modifiers & Qt::ShiftModifier) {
        state += 2;
    }
    if (modifiers & Qt::AltModifier) {
        state += 4;
    }
    return state;
}

LabelControl::LabelControl(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
}

void LabelControl::setTextColor(const QColor& color) {
    textColor_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void LabelControl::setEngraved(bool engraved) {
    engraved_ = engraved;
    update();
}

void LabelControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    if (pressHandler_) {
        const QPoint position = event->position().toPoint();
        pressHandler_(position.x(), position.y(), keyStateOf(event->modifiers()));
    }
}

void LabelControl::paintEvent(QPaintEvent* event) {
    if (!engraved_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    int flags = static_cast<int>(alignment());
    if (wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    const QRect area = contentsRect();
    painter.setPen(Qt::white);
    painter.drawText(area.translated(1, 1), flags, text());
    painter.setPen(textColor_);
    painter.drawText(area, flags, text());
}

}  // namespace lz::ui
