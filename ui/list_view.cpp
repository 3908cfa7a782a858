#include "ui/list_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/list_model.h"
#include "ui/list_sort_model.h"
#include "ui/qt_conversions.h"

namespace lz::ui {
namespace {

QStringList titlesOf(const std::vector<ListColumn>& columns) {
    QStringList titles;
    for (const ListColumn& column : columns) {
        titles.push_back(toQString(column.title));
    }
    return titles;
}

std::vector<ColumnSort> sortsOf(const std::vector<ListColumn>& columns) {
    std::vector<ColumnSort> sorts;
    for (const ListColumn& column : columns) {
        sorts.push_back(column.sort);
    }
    return sorts;
}

}  // namespace

ListView::ListView(QWidget* parent, const std::vector<ListColumn>& columns)
    : QTableView(parent),
      model_(new ListModel(this, titlesOf(columns))),
      order_(new ListSortModel(this, *model_, sortsOf(columns))) {
    setModel(order_);
    // A heading row spans every column. Spans belong to the view's rows, so they are set
    // where a heading is shown, and set anew when the shown order changes.
    connect(order_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { spanHeadings(first, last); });
    connect(order_, &QAbstractItemModel::layoutChanged, this, [this] {
        clearSpans();
        spanHeadings(0, order_->rowCount() - 1);
    });
    connect(order_, &QAbstractItemModel::modelReset, this, [this] { clearSpans(); });
    setFocusPolicy(Qt::ClickFocus);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setShowGrid(true);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rowsHeader = verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        header->resizeSection(static_cast<int>(i), columns[i].width);
    }
    // Unsorted until a heading is clicked; the header then flips the order on every further
    // click of the same heading and has the view sort by it.
    // A list whose columns all say so (one with heading rows over groups) does not sort.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(std::any_of(columns.begin(), columns.end(), [](const ListColumn& column) {
        return column.sort != ColumnSort::None;
    }));

    // Keep the selected row highlighted when another control has the focus.
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
}

void ListView::clearRows() {
    model_->clearRows();
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

int ListView::rowAt(const QModelIndex& index) const {
    const QModelIndex row = order_->mapToSource(index);
    return row.isValid() ? row.row() : -1;
}

QModelIndex ListView::indexOfRow(int row, int column) const {
    return order_->mapFromSource(model_->index(row, column));
}

std::vector<int> ListView::rowsInShownOrder() const {
    model_->publishPendingRows();
    std::vector<int> rows;
    const int count = order_->rowCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position) {
        rows.push_back(order_->mapToSource(order_->index(position, 0)).row());
    }
    return rows;
}

void ListView::spanHeadings(int firstShown, int lastShown) {
    if (!model_->hasHeadingRows()) {
        return;
    }
    for (int shown = firstShown; shown <= lastShown; ++shown) {
        if (model_->isHeadingRow(rowAt(order_->index(shown, 0)))) {
            setSpan(shown, 0, 1, model_->columnCount());
        }
    }
}

void ListView::setCurrentRowHandler(std::function<void()> handler) {
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [handler = std::move(handler)](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid()) {
                    handler();
                }
            });
}

void ListView::setRightClickHandler(std::function<void()> handler) {
    connect(this, &QWidget::customContextMenuRequested, this,
            [handler = std::move(handler)](const QPoint&) { handler(); });
}

// Only double clicks that land on a row; the press before it has selected that row. A
// heading is no row of its own.
void ListView::setRowDoubleClickHandler(std::function<void()> handler) {
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this, handler = std::move(handler)](const QModelIndex& index) {
                if (!model_->isHeadingRow(rowAt(index))) {
                    handler();
                }
            });
}

void ListView::setCopyHandler(std::function<void()> handler) {
    copyHandler_ = std::move(handler);
}

void ListView::setHeaderClickHandler(std::function<void(int column)> handler) {
    // The action sorts the rows and fills them in that order; the view must not reorder
    // them again by its own column kinds.
    setSortingEnabled(false);
    QHeaderView* header = horizontalHeader();
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this,
            [handler = std::move(handler)](int column) { handler(column); });
}

void ListView::keyPressEvent(QKeyEvent* event) {
    if (copyHandler_ && event->matches(QKeySequence::Copy)) {
        event->accept();
        copyHandler_();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace lz::ui
