#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "ui/window_template.h"

namespace lz::ui {

// A flat toolbar docked along the top of its window: a divider line, then the buttons
// (caption beside a 32 x 32 picture of the toolbar image list) and separators, wrapped
// into further rows when the window is too narrow for one.
class ToolbarWidget : public QWidget {
public:
    static constexpr int kIconSide = 32;
    static constexpr int kDividerHeight = 2;

    using ClickHandler = std::function<void(int index)>;

    ToolbarWidget(QWidget* parent, const std::vector<ToolButton>& entries);

    void setClickHandler(ClickHandler handler) { clickHandler_ = std::move(handler); }
    // The height the toolbar needs at `width`, divider included.
    int heightFor(int width) const;

    // The image list's picture `number` as a resource path.
    static QString picturePath(int number);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ClickHandler clickHandler_;
};

}  // namespace lz::ui
