#include "ui/list_model.h"

namespace lz::ui {

ListModel::ListModel(QObject* parent, QStringList headers)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      texts_(static_cast<int>(headers_.size())) {
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
    return parent.isValid() ? 0 : texts_.columns();
}

bool ListModel::contains(int row, int column) const {
    return row >= 0 && row < texts_.rows() && column >= 0 && column < texts_.columns();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !contains(index.row(), index.column())) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const std::string_view text = cell(index.row(), index.column());
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    setCell(index.row(), 0, value.toString().toStdString());
    return true;
}

void ListModel::clearRows() {
    publishTimer_.stop();
    if (texts_.rows() == 0) {
        return;
    }
    beginResetModel();
    texts_.clear();
    shownRows_ = 0;
    endResetModel();
}

int ListModel::appendRow(std::span<const std::string> texts) {
    const int row = texts_.appendRow(texts);
    if (!publishTimer_.isActive()) {
        publishTimer_.start();
    }
    return row;
}

void ListModel::setCell(int row, int column, std::string_view utf8) {
    if (texts_.set(row, column, utf8) && row < shownRows_) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
}

}  // namespace lz::ui
