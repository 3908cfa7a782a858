#include "ui/status_bar_widget.h"

#include <QLabel>

#include "ui/qt_conversions.h"

namespace lz::ui {

StatusBarWidget::StatusBarWidget(QWidget* parent, const std::vector<StatusPane>& panes)
    : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    int left = 0;
    for (const StatusPane& pane : panes) {
        auto* label = new QLabel(toQString(pane.text), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(left, 0, pane.width, kHeight);
        left += pane.width;
    }
}

}  // namespace lz::ui
