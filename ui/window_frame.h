#pragma once

#include <functional>

#include <QWidget>

namespace lz::ui {

// The top-level widget of a built window: closes on Esc unless a focused control took the
// key, and reports its closing so the window manager can forget the window.
class WindowFrame : public QWidget {
public:
    explicit WindowFrame(Qt::WindowFlags flags);

    void setCloseHandler(std::function<void()> handler) { closeHandler_ = std::move(handler); }
    bool isClosed() const { return closed_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeHandler_;
    bool closed_ = false;
};

}  // namespace lz::ui
