#include "app/ui/list_model.h"

namespace lz::ui {

ListModel::ListModel(QObject* parent, QStringList headers)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {
    publishTimer_.setSingleShot(true);
    publishTimer_.setInterval(kPublishIntervalMs);
    connect(&publishTimer_, &QTimer::timeout, this, &ListModel::publishPendingRows);
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

void ListModel::publishPendingRows() {
    publishTimer_.stop();
    if (shownRows_ >= totalRows()) {
        return;
    }
    beginInsertRows({}, shownRows_, totalRows() - 1);
    shownRows_ = totalRows();
    endInsertRows();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

bool ListModel::contains(int row, int column) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) && column >= 0 &&
           column < static_cast<int>(headers_.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row(), index.column())) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return cell(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return headers_[section];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0 ||
        !contains(index.row(), 0)) {
        return false;
    }
    setCell(index.row(), 0, value.toString());
    return true;
}

void ListModel::clearRows() {
    publishTimer_.stop();
    if (rows_.empty()) {
        return;
    }
    beginResetModel();
    rows_.clear();
    shownRows_ = 0;
    endResetModel();
}

int ListModel::appendRow() {
    const int row = totalRows();
    rows_.emplace_back(static_cast<std::size_t>(headers_.size()));
    if (!publishTimer_.isActive()) {
        publishTimer_.start();
    }
    return row;
}

void ListModel::setCell(int row, int column, const QString& text) {
    if (!contains(row, column)) {
        return;
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    if (row < shownRows_) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
}

QString ListModel::cell(int row, int column) const {
    if (!contains(row, column)) {
        return {};
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace lz::ui
