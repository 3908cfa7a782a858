#pragma once

#include <functional>

#include <QTableView>

#include "ui/window_template.h"

namespace lz::ui {

class ListModel;

// A report-style list: header with left-aligned columns that can be dragged into another
// order but never sorts, full-row single selection that stays visible without the focus,
// grid lines, fixed row height, and the first column editable in place with F2 (a double
// click on a row is an event of its own, as in the platform's list views).
class ListView : public QTableView {
public:
    ListView(QWidget* parent, const std::vector<ListColumn>& columns);

    ListModel& rows() const { return *model_; }

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
    ListModel* model_;
    std::function<void()> copyHandler_;
};

}  // namespace lz::ui
