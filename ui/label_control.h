#pragma once

#include <functional>

#include <QColor>
#include <QLabel>

namespace lz::ui {

// A caption label. It reports left-button presses (position relative to the label, key
// state 1 Ctrl + 2 Shift + 4 Alt) and can draw its text engraved: first in white one
// pixel right and down, then in its own colour in place.
class LabelControl : public QLabel {
public:
    using PressHandler = std::function<void(int x, int y, int keyState)>;

    explicit LabelControl(QWidget* parent);

    void setTextColor(const QColor& color);
    void setEngraved(bool engraved);
    void setPressHandler(PressHandler handler) { pressHandler_ = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor textColor_{Qt::black};
    bool engraved_ = false;
    PressHandler pressHandler_;
};

int keyStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace lz::ui
