#pragma once

#include <functional>
#include <vector>

#include <QTableView>

#include "ui/window_template.h"

namespace lz::ui {

class ListModel;
class ListSortModel;

// A report-style list: header with left-aligned columns that can be dragged into another
// order, full-row single selection that stays visible without the focus, grid lines, fixed
// row height, and the first column editable in place with F2 (a double click on a row is an
// event of its own, as in the platform's list views).
//
// A click on a heading sorts the rows by that column, a second click reverses the order
// (ListSortModel). The rows keep their indexes in rows() whatever the order shown: every
// operation names a row by that index, and the view maps it to where the row is shown.
class ListView : public QTableView {
public:
    ListView(QWidget* parent, const std::vector<ListColumn>& columns);

    ListModel& rows() const { return *model_; }

    // Removes every row; the next rows show in the order they are appended, unsorted.
    void clearRows();
    // The row (its index in rows()) shown at `index` of the view, and back; -1 and an
    // invalid index for none.
    int rowAt(const QModelIndex& index) const;
    QModelIndex indexOfRow(int row, int column = 0) const;
    // Every row, in the order shown, top first.
    std::vector<int> rowsInShownOrder() const;

    // Raised when another row becomes the current row, on a right-button click, and on a
    // double click on a row.
    void setCurrentRowHandler(std::function<void()> handler);
    void setRightClickHandler(std::function<void()> handler);
    void setRowDoubleClickHandler(std::function<void()> handler);
    // Raised by the copy key instead of the view's own copy of the current cell.
    void setCopyHandler(std::function<void()> handler);
    // Raised by a click on a heading, with its column; the heading then shows the sort
    // indicator the action sets.
    void setHeaderClickHandler(std::function<void(int column)> handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Spans the heading rows among the rows shown at these positions across every column.
    void spanHeadings(int firstShown, int lastShown);

    ListModel* model_;
    ListSortModel* order_;
    std::function<void()> copyHandler_;
};

}  // namespace lz::ui
