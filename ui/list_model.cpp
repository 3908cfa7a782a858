#include "ui/list_model.h"

#include <algorithm>
#include <limits>

#include <QBrush>
#include <QFont>

namespace lz::ui {
namespace {

constexpr std::int64_t kNoKey = std::numeric_limits<std::int64_t>::min();
const QColor kHeadingGround(232, 232, 232);
// Light enough for black text and the selection's colour to stay readable on it.
const QColor kMarkedGround(222, 242, 214);

}  // namespace

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
    if (isHeadingRow(index.row())) {
        // A heading is disabled, so that neither the mouse nor the arrow keys stop on it;
        // its own colours keep it from looking greyed out.
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == Qt::ForegroundRole) {
            return QBrush(Qt::black);
        }
        if (role == Qt::BackgroundRole) {
            return QBrush(kHeadingGround);
        }
    } else if (isRowMarked(index.row())) {
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        if (role == Qt::BackgroundRole) {
            return QBrush(kMarkedGround);
        }
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
    if (index.isValid() && isHeadingRow(index.row())) {
        return Qt::ItemNeverHasChildren;
    }
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0 ||
        !contains(index.row(), 0) || isHeadingRow(index.row())) {
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
    headingRows_.clear();
    keys_.clear();
    marked_.clear();
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

int ListModel::appendHeadingRow(std::string_view text) {
    const std::string cells[] = {std::string(text)};
    const int row = appendRow(cells);
    headingRows_.push_back(row);
    return row;
}

bool ListModel::isHeadingRow(int row) const {
    return std::binary_search(headingRows_.begin(), headingRows_.end(), row);
}

void ListModel::setRowKey(int row, std::int64_t key) {
    if (!contains(row, 0)) {
        return;
    }
    if (keys_.size() < static_cast<std::size_t>(texts_.rows())) {
        keys_.resize(static_cast<std::size_t>(texts_.rows()), kNoKey);
    }
    keys_[static_cast<std::size_t>(row)] = key;
}

std::optional<std::int64_t> ListModel::rowKey(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= keys_.size() ||
        keys_[static_cast<std::size_t>(row)] == kNoKey) {
        return std::nullopt;
    }
    return keys_[static_cast<std::size_t>(row)];
}

void ListModel::setRowMarked(int row, bool marked) {
    if (!contains(row, 0) || isHeadingRow(row) || isRowMarked(row) == marked) {
        return;
    }
    if (marked_.size() < static_cast<std::size_t>(texts_.rows())) {
        marked_.resize(static_cast<std::size_t>(texts_.rows()), false);
    }
    marked_[static_cast<std::size_t>(row)] = marked;
    if (row < shownRows_) {
        emit dataChanged(index(row, 0), index(row, texts_.columns() - 1),
                         {Qt::FontRole, Qt::BackgroundRole});
    }
}

bool ListModel::isRowMarked(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < marked_.size() &&
           marked_[static_cast<std::size_t>(row)];
}

void ListModel::setCell(int row, int column, std::string_view utf8) {
    if (texts_.set(row, column, utf8) && row < shownRows_) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
    }
}

}  // namespace lz::ui
