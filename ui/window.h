#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/window_template.h"

class QWidget;

namespace lz::catalogue {
class CatalogueDatabase;
}

namespace lz::ui {

class WindowWidgets;

// A window built from its template. Actions reach its controls only through these
// operations, by control name; a name the window does not have, or a control of another
// kind, is a programming error and is reported by an assertion in debug builds and
// ignored (neutral result) otherwise. Texts are UTF-8.
class Window {
public:
    explicit Window(std::unique_ptr<WindowWidgets> widgets);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowTemplate& windowTemplate() const;
    std::string_view name() const;

    // List views. A row is named by its index in the order the rows were appended, whatever
    // order a click on a heading shows them in; the selected row is the one the user sees
    // selected.
    void clearRows(std::string_view list);
    int appendRow(std::string_view list);  // the new row's index
    // Appends a row holding `texts`, column 0 first, as appendRow and setCellText would.
    int appendRow(std::string_view list, std::span<const std::string> texts);
    void setCellText(std::string_view list, int row, int column, std::string_view text);
    int rowCount(std::string_view list) const;
    std::string cellText(std::string_view list, int row, int column) const;
    int selectedRow(std::string_view list) const;  // -1 when none
    void selectRow(std::string_view list, int row);
    // Every row (by index) in the order shown, top first.
    std::vector<int> rowsInShownOrder(std::string_view list) const;
    // Grows with every clearRows of the list, so a running fill can tell that a newer fill
    // of the same list has started meanwhile.
    std::uint64_t listGeneration(std::string_view list) const;
    // A heading row: `text` drawn across every column, above the rows it names. It cannot
    // be selected (selectedRow never gives it) and raises no double click; cellText of its
    // column 0 gives the text. The new row's index.
    int appendHeadingRow(std::string_view list, std::string_view text);
    bool isHeadingRow(std::string_view list, int row) const;
    // A key a row carries unseen, such as the identity of the record it shows; any value
    // but the smallest std::int64_t. None for a row never given one.
    void setRowKey(std::string_view list, int row, std::int64_t key);
    std::optional<std::int64_t> rowKey(std::string_view list, int row) const;
    // A marked row stands out among the others (bold, on a pale green ground), such as a
    // bearing the shop has on its shelf. Heading rows are never marked; clearRows unmarks.
    void setRowMarked(std::string_view list, int row, bool marked);
    bool isRowMarked(std::string_view list, int row) const;
    // Appended rows reach the screen in batches (see ListModel); a list filled in one go
    // shows its rows at once through this instead of waiting for the next batch.
    void showRowsNow(std::string_view list);

    // Edit boxes, combo boxes (the text of a combo box is its edit field's text) and labels
    // (their caption; line breaks read back as "\n").
    std::string text(std::string_view control) const;
    void setText(std::string_view control, std::string_view text);

    // Labels show a text too: setText replaces the caption ("\r\n" breaks a line).

    // Combo boxes: the items, and which one is chosen (-1: none). Changing either raises
    // no event; only the user's choice does.
    void setItems(std::string_view comboBox, std::span<const std::string> items);
    std::vector<std::string> items(std::string_view comboBox) const;
    int itemCount(std::string_view comboBox) const;
    int currentIndex(std::string_view comboBox) const;
    void setCurrentIndex(std::string_view comboBox, int index);

    // List views with sortable columns: shows which column the rows are sorted by, and
    // which way; column -1 shows none.
    void setSortIndicator(std::string_view list, int column, bool ascending);

    // Radio buttons and check boxes.
    bool isChecked(std::string_view control) const;
    void setChecked(std::string_view control, bool checked);

    // Buttons (and any other control).
    bool isEnabled(std::string_view control) const;
    void setEnabled(std::string_view control, bool enabled);
    bool isVisible(std::string_view control) const;  // shown on screen right now

    // Tab controls.
    int currentPage(std::string_view tabControl) const;
    void setCurrentPage(std::string_view tabControl, int page);

    // Menus: pops the menu up at the mouse cursor, moved by (dx, dy); returns at once.
    void popupMenu(std::string_view menu, int dx, int dy);

    // Picture boxes: JPEG bytes, decoded when shown; empty bytes clear the picture.
    void setPicture(std::string_view pictureBox, std::span<const std::byte> jpeg);
    bool hasPicture(std::string_view pictureBox) const;

    // The catalogue connection object of the window.
    catalogue::CatalogueDatabase& database(std::string_view connection);

    // Window itself.
    void activate();
    void close();
    bool isMinimised() const;

    // For tests and screenshots only: the widget of a control, or the window's own widget
    // when `control` is empty. Actions never use it.
    QWidget* widgetForTesting(std::string_view control = {}) const;
    WindowWidgets& widgets() { return *widgets_; }

private:
    std::unique_ptr<WindowWidgets> widgets_;
};

}  // namespace lz::ui
