#include "ui/label_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/caption_layout.h"

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

void LabelControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    if (engraved_) {
        painter.setPen(Qt::white);
        drawCaption(painter, area.translated(1, 1), text(), font(), alignment(), wordWrap());
    }
    painter.setPen(textColor_);
    drawCaption(painter, area, text(), font(), alignment(), wordWrap());
}

}  // namespace lz::ui
