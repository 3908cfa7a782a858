#include "ui/list_view.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "ui/list_model.h"
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

}  // namespace

ListView::ListView(QWidget* parent, const std::vector<ListColumn>& columns)
    : QTableView(parent), model_(new ListModel(this, titlesOf(columns))) {
    setModel(model_);
    // A heading row spans every column; spans are the view's, so they follow the rows.
    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int row = first; row <= last; ++row) {
                    if (model_->isHeadingRow(row)) {
                        setSpan(row, 0, 1, model_->columnCount());
                    }
                }
            });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { clearSpans(); });
    setFocusPolicy(Qt::ClickFocus);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rowsHeader = verticalHeader();
    rowsHeader->hide();
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        header->resizeSection(static_cast<int>(i), columns[i].width);
    }

    // Keep the selected row highlighted when another control has the focus.
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
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
                if (!model_->isHeadingRow(index.row())) {
                    handler();
                }
            });
}

void ListView::setCopyHandler(std::function<void()> handler) {
    copyHandler_ = std::move(handler);
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
