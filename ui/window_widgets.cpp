#include "ui/window_widgets.h"

#include <algorithm>
#include <cassert>

#include <QCoreApplication>
#include <QMenu>

#include "catalogue/catalogue_database.h"
#include "ui/frame_allowance.h"
#include "ui/qt_conversions.h"
#include "ui/status_bar_widget.h"
#include "ui/tab_control.h"
#include "ui/toolbar_widget.h"
#include "ui/window_frame.h"

namespace lz::ui {

WindowWidgets::Control::Control() = default;
WindowWidgets::Control::~Control() = default;
WindowWidgets::Control::Control(Control&&) noexcept = default;
WindowWidgets::Control& WindowWidgets::Control::operator=(Control&&) noexcept = default;

WindowWidgets::WindowWidgets(const WindowTemplate& windowTemplate, bool realWebViews)
    : template_(windowTemplate), realWebViews_(realWebViews) {
    buildFrame();
    for (const ControlTemplate& control : template_.controls) {
        buildControl(control);
    }
}

WindowWidgets::~WindowWidgets() {
    // Widgets being torn down may still signal (selection models, focus changes); nothing
    // of this window may be reported any more.
    dying_ = true;
    eventHandler_ = nullptr;
    // Without an application the widgets cannot be destroyed safely; the process is
    // ending then anyway.
    if (QCoreApplication::instance() != nullptr) {
        delete frame_.data();
    }
}

WindowFrame* WindowWidgets::frame() const {
    return frame_.data();
}

bool WindowWidgets::isClosed() const {
    return frame_.isNull() || frame_->isClosed();
}

void WindowWidgets::setCloseHandler(std::function<void()> handler) {
    if (frame_) {
        frame_->setCloseHandler(std::move(handler));
    }
}

WindowWidgets::Control* WindowWidgets::find(std::string_view name, ControlKind kind) {
    return const_cast<Control*>(std::as_const(*this).find(name, kind));
}

const WindowWidgets::Control* WindowWidgets::find(std::string_view name, ControlKind kind) const {
    const Control* control = find(name);
    if (control == nullptr || control->controlTemplate->kind != kind) {
        assert(!"control of another kind");
        return nullptr;
    }
    return control;
}

const WindowWidgets::Control* WindowWidgets::find(std::string_view name) const {
    if (lastFound_ != controls_.end() && lastFound_->first == name) {
        return &lastFound_->second;
    }
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        assert(!"no control of that name");
        return nullptr;
    }
    lastFound_ = found;
    return &found->second;
}

void WindowWidgets::buildFrame() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (template_.minimiseBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (template_.stayOnTop) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    frame_ = new WindowFrame(flags);
    frame_->setObjectName(toQString(template_.name));
    frame_->setWindowTitle(toQString(template_.title));
    frame_->setFont(defaultGuiFont());
    frame_->setFixedSize(std::max(0, clientWidthFor(template_.outerWidth)),
                         std::max(0, clientHeightFor(template_.outerHeight)));
}

void WindowWidgets::buildControl(const ControlTemplate& control) {
    Control entry;
    entry.controlTemplate = &control;
    switch (control.kind) {
        case ControlKind::Menu:
            entry.menu = makeMenu(control);
            break;
        case ControlKind::DatabaseConnection:
            entry.database = std::make_unique<catalogue::CatalogueDatabase>();
            break;
        case ControlKind::RecordSet:
            break;
        default: {
            QWidget* parent = frame_.data();
            TabControl* tabControl = nullptr;
            if (!control.container.empty()) {
                parent = controls_.at(control.container).widget;
                if (controls_.at(control.container).controlTemplate->kind ==
                    ControlKind::TabControl) {
                    tabControl = static_cast<TabControl*>(parent);
                }
            }
            QWidget* widget = makeWidget(control, parent);
            widget->setObjectName(toQString(control.name));
            place(control, widget, parent);
            if (!control.tabStop) {
                // Tab moves only among tab stops; a list may still take the focus by click.
                widget->setFocusPolicy((widget->focusPolicy() & Qt::ClickFocus) ? Qt::ClickFocus
                                                                                : Qt::NoFocus);
            }
            if (tabControl != nullptr) {
                tabControl->addPageChild(control.page, widget, control.visible);
            } else if (!control.visible) {
                widget->hide();
            }
            entry.widget = widget;
            break;
        }
    }
    controls_.emplace(control.name, std::move(entry));
}

void WindowWidgets::place(const ControlTemplate& control, QWidget* widget, QWidget* parent) {
    const int parentWidth = parent->width();
    switch (control.kind) {
        case ControlKind::StatusBar:
            widget->setGeometry(0, parent->height() - StatusBarWidget::kHeight, parentWidth,
                                StatusBarWidget::kHeight);
            widget->raise();
            return;
        case ControlKind::ToolBar:
            widget->setGeometry(0, 0, parentWidth,
                                static_cast<ToolbarWidget*>(widget)->heightFor(parentWidth));
            return;
        default: {
            const Rect& box = control.geometry;
            widget->setGeometry(box.left, box.top, std::max(0, box.width), std::max(0, box.height));
            return;
        }
    }
}

void WindowWidgets::raise(std::string_view control, EventKind kind, EventArgs args) {
    if (dying_ || !eventHandler_) {
        return;
    }
    eventHandler_(Event{control, kind, args});
}

}  // namespace lz::ui
