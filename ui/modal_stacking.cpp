#include "ui/modal_stacking.h"

#include <QWidget>

namespace lz::ui {

void stackAboveOnTopWindows(QWidget& modalWindow) {
    modalWindow.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

}  // namespace lz::ui
