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

// Only double clicks that land on a row; the press before it has selected that row.
void ListView::setRowDoubleClickHandler(std::function<void()> handler) {
    connect(this, &QAbstractItemView::doubleClicked, this,
            [handler = std::move(handler)](const QModelIndex&) { handler(); });
}

void ListView::setCopyHandler(std::function<void()> handler) {
    copyHandler_ = std::move(handler);
}

void ListView::setHeaderClickHandler(std::function<void(int column)> handler) {
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
