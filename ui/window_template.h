#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lz::ui {

// A window is described by data: the window template and its control templates, in
// template order. The builder turns a template into Qt widgets; nothing else creates
// or moves controls.

enum class ControlKind {
    Label,
    Button,
    CheckBox,
    RadioButton,
    GroupBox,
    EditBox,
    ComboBox,
    ListView,
    PictureBox,
    WebView,
    StatusBar,
    ToolBar,
    TabControl,
    Menu,
    DatabaseConnection,  // non-visual: the catalogue connection
    RecordSet,           // non-visual: present, used by no action
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Pixel height 0 means the system's default GUI font. Face "" means the system's
// default face for Chinese text; "宋体" maps to an installed Song/Ming-style face.
struct FontSettings {
    int pixelHeight = 0;
    int weight = 400;  // 400 normal, 700 bold
    std::string_view face{};
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center, Bottom };

// How a list view sorts by a column when its heading is clicked: numbers as numbers, texts
// in Chinese collation; None: a click on its heading leaves the order as it is.
enum class ColumnSort { Text, Number, None };

struct ListColumn {
    std::string_view title{};
    int width = 0;
    ColumnSort sort = ColumnSort::Text;
};

// A toolbar entry: a separator, or a button with a picture number of the image list.
struct ToolButton {
    bool separator = false;
    int picture = -1;
    std::string_view caption{};
    std::string_view tooltip{};
};

struct StatusPane {
    int width = 0;
    std::string_view text{};
};

struct MenuItem {
    std::string_view caption{};
    // A key combination (such as "Ctrl+F") that chooses the item anywhere in the window,
    // shown beside the caption; none when empty.
    std::string_view shortcut{};
};

// Where a control lives: the window itself (container empty), a group box, or one page
// of a tab control (container = the tab control's name, page = the page index).
struct ControlTemplate {
    ControlKind kind = ControlKind::Label;
    std::string_view name{};
    Rect geometry{};
    std::string_view container{};
    int page = -1;
    bool visible = true;
    bool tabStop = false;

    // Caption of labels, buttons, check boxes and radio buttons; the initial text of edit
    // and combo boxes; line breaks are written "\r\n".
    std::string_view text{};
    bool checked = false;  // check boxes and radio buttons

    // Labels and edit boxes.
    Rgb textColor{0, 0, 0};
    bool hasBackground = false;
    Rgb background{};
    FontSettings font{};
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = false;
    bool engraved = false;

    // Edit boxes.
    bool readOnly = false;
    bool multiLine = false;
    bool verticalScrollBar = false;
    // Single-line edit boxes: raise TextSettled once the text has changed and then stayed
    // as it is for this many milliseconds (typing, pasting or setText alike); never when
    // negative. For searches that follow the typing without running on every key.
    int settleMs = -1;

    std::vector<std::string_view> items{};  // combo box items, in order
    // Combo boxes: the user picks one of the items and types nothing (a drop-down list);
    // each choice raises ChoiceChanged.
    bool dropDownList = false;
    std::vector<ListColumn> columns{};  // list view columns
    // List views: a click on a heading raises HeaderClicked, and the heading may show the
    // order the action sorted the rows in (Window::setSortIndicator). The view itself
    // then never reorders rows, whatever its columns' ColumnSort says.
    bool sortableColumns = false;
    std::string_view picture{};  // picture box: asset path of its JPEG, or empty

    // Web views.
    std::string_view startAddress{};
    bool suppressScriptErrors = false;
    // Made only after the window has first been painted (see DeferredWebView), so that
    // starting the browser engine does not hold the window back.
    bool afterWindowShown = false;

    std::vector<ToolButton> buttons{};  // toolbar
    std::vector<StatusPane> panes{};    // status bar

    // Tab controls: page titles, whether the strip is shown, the page shown at start.
    std::vector<std::string_view> pages{};
    bool tabStrip = true;
    int currentPage = 0;

    // Menus: a top-level menu marked hidden is only ever used as a pop-up.
    std::vector<MenuItem> menuItems{};
    bool hiddenTopLevel = false;
};

// Events a template wires; the bindings decide what runs (see app/bindings).
enum class EventKind {
    Created,             // window: after all controls exist, before it is first shown
    Clicked,             // button
    EnterPressed,        // edit box (single line) or combo box: Enter in its edit field
    LeftButtonPressed,   // label: x, y, key state
    ItemSelected,        // menu item: index of the item
    CurrentItemChanged,  // list view
    RightClicked,        // list view
    RowDoubleClicked,    // list view: a double click on a row
    ToolButtonClicked,   // toolbar: button index, separators counted
    CopyPressed,         // list view: the copy key (Ctrl+C) pressed in it
    TextSettled,         // edit box with settleMs: its text changed and then stayed so
    ChoiceChanged,       // drop-down list: the user chose an item (its index)
    TextChanged,         // edit box (single line): the user changed its text
    HeaderClicked,       // list view with sortable columns: a heading clicked (its column)
};

// An event the window wires to an action; which action is the bindings' business. Every
// other event is still raised, and ignored.
struct WiredEvent {
    std::string_view control{};  // empty: the window's own event
    EventKind kind = EventKind::Created;
    bool operator==(const WiredEvent&) const = default;
};

struct WindowTemplate {
    std::string_view name{};  // identifies the window to the window manager and bindings
    std::string_view title{};
    int outerWidth = 0, outerHeight = 0;  // frame included
    bool minimiseBox = false;
    bool stayOnTop = false;
    // A tool window of the open window of this name: placed beside it (see besidePosition),
    // kept above it and closed with it; never modal. Empty, or that window not open: an
    // ordinary window, centred on the screen.
    std::string_view ownerWindow{};
    std::vector<ControlTemplate> controls{};  // in template order
    std::vector<WiredEvent> wiredEvents{};
};

// Tab stop is on for buttons, edit boxes, combo boxes, radio buttons, check boxes and
// web views, off for every other kind.
constexpr bool isTabStopKind(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::EditBox:
        case ControlKind::ComboBox:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::WebView:
            return true;
        default:
            return false;
    }
}

constexpr bool isContainerKind(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::TabControl;
}

}  // namespace lz::ui
