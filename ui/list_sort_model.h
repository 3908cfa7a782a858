#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <QAbstractProxyModel>
#include <QCollator>
#include <QCollatorSortKey>

#include "ui/window_template.h"

namespace lz::ui {

class ListModel;

// The order in which a list view shows its rows: the order they were appended in (a fill's
// statement order) until a heading is clicked, then sorted by that column. Sorting is the
// view's alone: the rows keep their indexes in the ListModel, which every operation on the
// list names them by.
//
// A column of numbers sorts by value ("9" before "10"), a column of texts in Chinese
// collation; an empty cell, or one that is no number in a column of numbers, comes last in
// either order. Rows that compare equal keep the order they were shown in before, so that
// sorting by one column and then by another orders by the second, and by the first within.
// Rows appended or changed while the list is sorted take their sorted places.
//
// Each cell's key is made once per column: a number, or the collation rank of its text,
// for which the collation key of each distinct text is made once (a list of the whole
// catalogue holds a few dozen brands, for instance). Rows are then sorted by plain numbers,
// so that tens of thousands of rows sort in a few milliseconds after their keys are made.
class ListSortModel : public QAbstractProxyModel {
public:
    ListSortModel(QObject* parent, ListModel& rows, std::vector<ColumnSort> columns);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Column -1: the appended order again.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    static constexpr std::uint32_t kNoText = 0xFFFFFFFF;

    // A cell's place in the order: blank (last either way), or a number, or a text (by the
    // rank of its collation key among the column's texts).
    struct Key {
        double number = 0;
        std::uint32_t text = kNoText;
        bool blank = true;
    };

    void appended(int first, int last);
    void changed(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                 const QList<int>& roles);
    void forgetKeys();
    void makeKeys();      // for the rows that have none yet
    void rankNewTexts();  // places the texts met since the last ranking among the others
    bool before(int a, int b) const;  // whether source row a is shown before b
    void sortRows();                  // re-sorts the shown order, each row by its current key
    // Shows the rows in `order` (source rows, top first), keeping every persistent index on
    // its row; empty: the appended order.
    void showInOrder(std::vector<int> order);

    ListModel& rows_;
    std::vector<ColumnSort> columns_;
    QCollator collator_;
    int shownRows_ = 0;

    int column_ = -1;  // sorted by; -1: unsorted
    bool ascending_ = true;
    std::vector<int> order_;       // position -> source row, while sorted
    std::vector<int> positionOf_;  // source row -> position, while sorted

    int keyColumn_ = -1;  // the column keys_ hold keys of
    bool numbers_ = false;
    std::vector<Key> keys_;  // per source row
    // Texts of the key column, each once: the text (a view of the list's own copy, which
    // stays put until the rows are cleared), its collation key and rank.
    std::unordered_map<std::string_view, std::uint32_t> textIds_;
    std::vector<QCollatorSortKey> textKeys_;
    std::vector<std::uint32_t> byCollation_;  // text ids ranked so far, in collation order
    std::vector<std::uint32_t> rank_;         // per text id ranked
};

}  // namespace lz::ui
