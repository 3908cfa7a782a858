#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <utility>

#include <QPointer>

#include "ui/event.h"
#include "ui/window_template.h"

class QButtonGroup;
class QMenu;
class QWidget;

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::ui {

class WindowFrame;

// The Qt side of one built window: its frame and the widget (or object) of every control,
// found by control name. The template's texts must outlive the window; the templates are
// constant data of the program.
class WindowWidgets {
public:
    struct Control {
        const ControlTemplate* controlTemplate = nullptr;
        QWidget* widget = nullptr;  // null for menus and the non-visual kinds
        QMenu* menu = nullptr;
        std::uint64_t generation = 0;  // list views: grows with every clearRows
        std::unique_ptr<catalogue::CatalogueDatabase> database;

        Control();
        ~Control();
        Control(Control&&) noexcept;
        Control& operator=(Control&&) noexcept;
    };

    using EventHandler = std::function<void(const Event& event)>;

    // Builds the window (hidden) and every control in template order. The template must
    // have passed validateTemplate.
    WindowWidgets(const WindowTemplate& windowTemplate, bool realWebViews);
    ~WindowWidgets();
    WindowWidgets(const WindowWidgets&) = delete;
    WindowWidgets& operator=(const WindowWidgets&) = delete;

    const WindowTemplate& windowTemplate() const { return template_; }
    WindowFrame* frame() const;
    bool isClosed() const;

    void setEventHandler(EventHandler handler) { eventHandler_ = std::move(handler); }
    void setCloseHandler(std::function<void()> handler);

    // The control of that name and kind, or nullptr (asserting in debug builds).
    Control* find(std::string_view name, ControlKind kind);
    const Control* find(std::string_view name, ControlKind kind) const;
    // Any control of that name, or nullptr (asserting in debug builds).
    const Control* find(std::string_view name) const;

private:
    void buildFrame();
    void buildControl(const ControlTemplate& control);
    QWidget* makeWidget(const ControlTemplate& control, QWidget* parent);
    QWidget* makeLabel(const ControlTemplate& control, QWidget* parent);
    QWidget* makeEditBox(const ControlTemplate& control, QWidget* parent);
    QWidget* makeComboBox(const ControlTemplate& control, QWidget* parent);
    QWidget* makeListView(const ControlTemplate& control, QWidget* parent);
    QWidget* makeToolbar(const ControlTemplate& control, QWidget* parent);
    QWidget* makeRadioButton(const ControlTemplate& control, QWidget* parent);
    QMenu* makeMenu(const ControlTemplate& control);
    void place(const ControlTemplate& control, QWidget* widget, QWidget* parent);
    void raise(std::string_view control, EventKind kind, EventArgs args = {});

    WindowTemplate template_;
    bool realWebViews_;
    QPointer<WindowFrame> frame_;
    std::map<std::string_view, Control> controls_;
    // Actions name one control many times in a row (a fill sets every cell of its list).
    mutable std::map<std::string_view, Control>::const_iterator lastFound_ = controls_.end();
    std::map<std::pair<std::string_view, int>, QButtonGroup*> radioGroups_;
    EventHandler eventHandler_;
    bool dying_ = false;
};

}  // namespace lz::ui
