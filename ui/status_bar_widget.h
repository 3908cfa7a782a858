#pragma once

#include <vector>

#include <QWidget>

#include "ui/window_template.h"

namespace lz::ui {

// A status bar docked along the bottom of its window: sunken panes of fixed widths, left
// to right.
class StatusBarWidget : public QWidget {
public:
    static constexpr int kHeight = 20;

    StatusBarWidget(QWidget* parent, const std::vector<StatusPane>& panes);
};

}  // namespace lz::ui
