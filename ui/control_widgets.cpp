// The widget of each kind of control, with the properties its template sets.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTimer>

#include "ui/deferred_web_view.h"
#include "ui/label_control.h"
#include "ui/list_model.h"
#include "ui/list_view.h"
#include "ui/picture_box.h"
#include "ui/qt_conversions.h"
#include "ui/status_bar_widget.h"
#include "ui/tab_control.h"
#include "ui/toolbar_widget.h"
#include "ui/web_view_factory.h"
#include "ui/window_frame.h"
#include "ui/window_widgets.h"

namespace lz::ui {
namespace {

constexpr int kComboListMinHeight = 160;

// Combo lists leave one extra pixel between their items.
class SpacedItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 1);
    }
};

void setTextColours(QWidget* widget, const ControlTemplate& control) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Text, toQColor(control.textColor));
    colours.setColor(QPalette::Base,
                     control.hasBackground ? toQColor(control.background) : QColor(Qt::white));
    widget->setPalette(colours);
}

}  // namespace

QWidget* WindowWidgets::makeWidget(const ControlTemplate& control, QWidget* parent) {
    const std::string_view name = control.name;
    switch (control.kind) {
        case ControlKind::Label:
            return makeLabel(control, parent);
        case ControlKind::Button: {
            auto* button = new QPushButton(captionText(control.text), parent);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button,
                             [this, name] { raise(name, EventKind::Clicked); });
            return button;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(captionText(control.text), parent);
            box->setChecked(control.checked);
            return box;
        }
        case ControlKind::RadioButton:
            return makeRadioButton(control, parent);
        case ControlKind::GroupBox:
            return new QGroupBox(parent);
        case ControlKind::EditBox:
            return makeEditBox(control, parent);
        case ControlKind::ComboBox:
            return makeComboBox(control, parent);
        case ControlKind::ListView:
            return makeListView(control, parent);
        case ControlKind::PictureBox: {
            auto* box = new PictureBox(parent);
            if (!control.picture.empty()) {
                box->setPictureResource(toQString(control.picture));
            }
            return box;
        }
        case ControlKind::WebView:
            if (control.afterWindowShown) {
                return new DeferredWebView(parent, control, realWebViews_);
            }
            return makeWebView(parent, control, realWebViews_);
        case ControlKind::StatusBar:
            return new StatusBarWidget(parent, control.panes);
        case ControlKind::ToolBar:
            return makeToolbar(control, parent);
        case ControlKind::TabControl: {
            std::vector<QString> titles;
            for (std::string_view title : control.pages) {
                titles.push_back(toQString(title));
            }
            return new TabControl(parent, titles, control.tabStrip, control.currentPage);
        }
        case ControlKind::Menu:
        case ControlKind::DatabaseConnection:
        case ControlKind::RecordSet:
            break;
    }
    return new QWidget(parent);
}

QWidget* WindowWidgets::makeLabel(const ControlTemplate& control, QWidget* parent) {
    auto* label = new LabelControl(parent);
    label->setText(captionText(control.text));
    label->setTextColor(toQColor(control.textColor));
    if (control.font.pixelHeight > 0) {
        label->setFont(toQFont(control.font));
    }
    label->setAlignment(toQtAlignment(control.hAlign, control.vAlign));
    label->setWordWrap(control.wordWrap);
    label->setEngraved(control.engraved);
    if (control.hasBackground) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, toQColor(control.background));
        label->setPalette(colours);
        label->setAutoFillBackground(true);
    }
    const std::string_view name = control.name;
    label->setPressHandler([this, name](int x, int y, int keyState) {
        raise(name, EventKind::LeftButtonPressed, EventArgs{-1, x, y, keyState});
    });
    return label;
}

QWidget* WindowWidgets::makeRadioButton(const ControlTemplate& control, QWidget* parent) {
    auto* button = new QRadioButton(captionText(control.text), parent);
    // Radio buttons of one container (one tab page counts as one) exclude each other.
    QButtonGroup*& group = radioGroups_[{control.container, control.page}];
    if (group == nullptr) {
        group = new QButtonGroup(frame_.data());
        group->setExclusive(true);
    }
    group->addButton(button);
    button->setChecked(control.checked);
    return button;
}

QWidget* WindowWidgets::makeEditBox(const ControlTemplate& control, QWidget* parent) {
    QWidget* edit = nullptr;
    if (control.multiLine) {
        auto* box = new QPlainTextEdit(parent);
        box->setPlainText(captionText(control.text));
        box->setReadOnly(control.readOnly);
        box->setLineWrapMode(control.wordWrap ? QPlainTextEdit::WidgetWidth
                                              : QPlainTextEdit::NoWrap);
        box->setTabChangesFocus(true);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(control.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAsNeeded);
        edit = box;
    } else {
        auto* box = new QLineEdit(parent);
        // The toolkit's own maximum, 32,767 characters, as a native edit box without a limit
        // set: a huge paste is cut there instead of making every later key slow.
        box->setText(toQString(control.text));
        box->setReadOnly(control.readOnly);
        const std::string_view name = control.name;
        QObject::connect(box, &QLineEdit::returnPressed, box,
                         [this, name] { raise(name, EventKind::EnterPressed); });
        if (control.settleMs >= 0) {
            // Every change starts the wait again; only the text that then stays is reported.
            auto* settle = new QTimer(box);
            settle->setSingleShot(true);
            settle->setInterval(control.settleMs);
            QObject::connect(box, &QLineEdit::textChanged, settle, qOverload<>(&QTimer::start));
            QObject::connect(settle, &QTimer::timeout, box,
                             [this, name] { raise(name, EventKind::TextSettled); });
        }
        // Typing only: a text an action sets raises nothing.
        QObject::connect(box, &QLineEdit::textEdited, box,
                         [this, name] { raise(name, EventKind::TextChanged); });
        edit = box;
    }
    setTextColours(edit, control);
    if (control.font.pixelHeight > 0) {
        edit->setFont(toQFont(control.font));
    }
    return edit;
}

QWidget* WindowWidgets::makeComboBox(const ControlTemplate& control, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    const std::string_view name = control.name;
    if (control.dropDownList) {
        for (std::string_view item : control.items) {
            combo->addItem(toQString(item));
        }
        combo->setCurrentIndex(combo->findText(toQString(control.text)));
        // The user's choices only: items and indexes an action sets raise nothing.
        QObject::connect(combo, &QComboBox::activated, combo, [this, name](int index) {
            raise(name, EventKind::ChoiceChanged, EventArgs{index, 0, 0, 0});
        });
        combo->view()->setMinimumHeight(kComboListMinHeight);
        combo->setItemDelegate(new SpacedItemDelegate(combo));
        return combo;
    }
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // No completer: it would complete typed text to an item and match items regardless
    // of case, and the text read back must be exactly what was typed.
    combo->setCompleter(nullptr);
    for (std::string_view item : control.items) {
        combo->addItem(toQString(item));
    }
    combo->setEditText(toQString(control.text));
    // The insert policy keeps Enter from adding the typed text to the list.
    QObject::connect(combo->lineEdit(), &QLineEdit::returnPressed, combo,
                     [this, name] { raise(name, EventKind::EnterPressed); });
    combo->view()->setMinimumHeight(kComboListMinHeight);
    combo->setItemDelegate(new SpacedItemDelegate(combo));
    setTextColours(combo, control);
    return combo;
}

QWidget* WindowWidgets::makeListView(const ControlTemplate& control, QWidget* parent) {
    auto* list = new ListView(parent, control.columns);
    const std::string_view name = control.name;
    if (control.sortableColumns) {
        list->setHeaderClickHandler([this, name](int column) {
            raise(name, EventKind::HeaderClicked, EventArgs{column, 0, 0, 0});
        });
    }
    list->setCurrentRowHandler([this, name] { raise(name, EventKind::CurrentItemChanged); });
    list->setRightClickHandler([this, name] { raise(name, EventKind::RightClicked); });
    list->setRowDoubleClickHandler([this, name] { raise(name, EventKind::RowDoubleClicked); });
    list->setCopyHandler([this, name] { raise(name, EventKind::CopyPressed); });
    return list;
}

QWidget* WindowWidgets::makeToolbar(const ControlTemplate& control, QWidget* parent) {
    auto* toolbar = new ToolbarWidget(parent, control.buttons);
    const std::string_view name = control.name;
    toolbar->setClickHandler([this, name](int index) {
        raise(name, EventKind::ToolButtonClicked, EventArgs{index, 0, 0, 0});
    });
    return toolbar;
}

QMenu* WindowWidgets::makeMenu(const ControlTemplate& control) {
    auto* menu = new QMenu(frame_.data());
    menu->setObjectName(toQString(control.name));
    menu->setTitle(captionText(control.text));
    const std::string_view name = control.name;
    for (std::size_t i = 0; i < control.menuItems.size(); ++i) {
        QAction* action = menu->addAction(captionText(control.menuItems[i].caption));
        if (!control.menuItems[i].shortcut.empty()) {
            // Known to the window as well, the key works wherever the window's focus is,
            // while the menu itself stays hidden.
            action->setShortcut(QKeySequence(toQString(control.menuItems[i].shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            frame_->addAction(action);
        }
        const int index = static_cast<int>(i);
        QObject::connect(action, &QAction::triggered, menu, [this, name, index] {
            raise(name, EventKind::ItemSelected, EventArgs{index, 0, 0, 0});
        });
    }
    return menu;
}

}  // namespace lz::ui
