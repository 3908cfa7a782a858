#include "ui/list_sort_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

#include <QLocale>

#include "ui/list_model.h"

namespace lz::ui {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The value of a cell that is a number and nothing else ("27.71", "-3", "1e3"); none for
// anything else, "nan" and "inf" included.
std::optional<double> numberIn(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

ListSortModel::ListSortModel(QObject* parent, ListModel& rows, std::vector<ColumnSort> columns)
    : QAbstractProxyModel(parent),
      rows_(rows),
      columns_(std::move(columns)),
      collator_(QLocale(QLocale::Chinese, QLocale::China)) {
    QAbstractProxyModel::setSourceModel(&rows_);
    shownRows_ = rows_.rowCount();
    // The list model only ever appends rows, changes cells and clears.
    connect(&rows_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { appended(first, last); });
    connect(&rows_, &QAbstractItemModel::dataChanged, this, &ListSortModel::changed);
    connect(&rows_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&rows_, &QAbstractItemModel::modelReset, this, [this] {
        column_ = -1;
        std::vector<int>().swap(order_);
        std::vector<int>().swap(positionOf_);
        forgetKeys();
        shownRows_ = rows_.rowCount();
        endResetModel();
    });
    connect(&rows_, &QAbstractItemModel::headerDataChanged, this,
            &QAbstractItemModel::headerDataChanged);
}

QModelIndex ListSortModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= shownRows_ || column < 0 || column >= columnCount()) {
        return {};
    }
    return createIndex(row, column);
}

QModelIndex ListSortModel::parent(const QModelIndex&) const {
    return {};
}

int ListSortModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int ListSortModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.columnCount();
}

QModelIndex ListSortModel::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid() || proxyIndex.model() != this) {
        return {};
    }
    const int position = proxyIndex.row();
    const int row = order_.empty() ? position : order_[static_cast<std::size_t>(position)];
    return rows_.index(row, proxyIndex.column());
}

QModelIndex ListSortModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid() || sourceIndex.row() >= shownRows_) {
        return {};
    }
    const int row = sourceIndex.row();
    const int position = positionOf_.empty() ? row : positionOf_[static_cast<std::size_t>(row)];
    return index(position, sourceIndex.column());
}

// Passed on as it stands: the headings do not move with the rows.
QVariant ListSortModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return rows_.headerData(section, orientation, role);
}

void ListSortModel::forgetKeys() {
    keyColumn_ = -1;
    std::vector<Key>().swap(keys_);
    textIds_ = {};
    std::vector<QCollatorSortKey>().swap(textKeys_);
    std::vector<std::uint32_t>().swap(byCollation_);
    std::vector<std::uint32_t>().swap(rank_);
}

void ListSortModel::makeKeys() {
    keys_.reserve(static_cast<std::size_t>(shownRows_));
    std::string_view above;
    std::uint32_t aboveText = kNoText;
    for (int row = static_cast<int>(keys_.size()); row < shownRows_; ++row) {
        const std::string_view cell = rows_.cell(row, keyColumn_);
        const std::string_view text = trimmed(cell);
        Key& key = keys_.emplace_back();
        if (text.empty()) {
            continue;
        }
        if (numbers_) {
            if (const std::optional<double> value = numberIn(text)) {
                key = {*value, kNoText, false};
            }
            continue;
        }
        // A text repeated down the column is mostly kept once by the list: the same bytes.
        if (text.data() == above.data() && text.size() == above.size()) {
            key = {0, aboveText, false};
            continue;
        }
        const auto [known, added] =
            textIds_.try_emplace(text, static_cast<std::uint32_t>(textKeys_.size()));
        if (added) {
            textKeys_.push_back(collator_.sortKey(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
        }
        key = {0, known->second, false};
        above = text;
        aboveText = known->second;
    }
}

void ListSortModel::rankNewTexts() {
    const auto ranked = static_cast<std::uint32_t>(byCollation_.size());
    const auto total = static_cast<std::uint32_t>(textKeys_.size());
    if (ranked == total) {
        return;
    }
    const auto collates = [this](std::uint32_t a, std::uint32_t b) {
        return textKeys_[a].compare(textKeys_[b]) < 0;
    };
    std::vector<std::uint32_t> added(total - ranked);
    std::iota(added.begin(), added.end(), ranked);
    std::sort(added.begin(), added.end(), collates);
    std::vector<std::uint32_t> merged;
    merged.reserve(total);
    std::merge(byCollation_.begin(), byCollation_.end(), added.begin(), added.end(),
               std::back_inserter(merged), collates);
    byCollation_ = std::move(merged);
    rank_.resize(total);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < byCollation_.size(); ++i) {
        // Texts that collate alike (such as canonically equal ones) share their rank.
        if (i > 0 && textKeys_[byCollation_[i - 1]].compare(textKeys_[byCollation_[i]]) != 0) {
            ++rank;
        }
        rank_[byCollation_[i]] = rank;
    }
}

bool ListSortModel::before(int a, int b) const {
    const Key& x = keys_[static_cast<std::size_t>(a)];
    const Key& y = keys_[static_cast<std::size_t>(b)];
    if (x.blank || y.blank) {
        return !x.blank && y.blank;
    }
    const double first = numbers_ ? x.number : rank_[x.text];
    const double second = numbers_ ? y.number : rank_[y.text];
    return ascending_ ? first < second : second < first;
}

void ListSortModel::sortRows() {
    makeKeys();
    rankNewTexts();
    std::vector<int> order = order_;
    if (order.empty()) {
        order.resize(static_cast<std::size_t>(shownRows_));
        std::iota(order.begin(), order.end(), 0);
    }
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return before(a, b); });
    showInOrder(std::move(order));
}

void ListSortModel::sort(int column, Qt::SortOrder order) {
    if (column >= 0 && static_cast<std::size_t>(column) < columns_.size() &&
        columns_[static_cast<std::size_t>(column)] == ColumnSort::None) {
        return;
    }
    if (column < 0 || column >= columnCount()) {
        column_ = -1;
        forgetKeys();
        showInOrder({});
        return;
    }
    if (column != keyColumn_) {
        forgetKeys();
        keyColumn_ = column;
        numbers_ = static_cast<std::size_t>(column) < columns_.size() &&
                   columns_[static_cast<std::size_t>(column)] == ColumnSort::Number;
    }
    column_ = column;
    ascending_ = order == Qt::AscendingOrder;
    sortRows();
}

void ListSortModel::showInOrder(std::vector<int> order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rowsBefore;
    rowsBefore.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) {
        rowsBefore.push_back(mapToSource(index).row());
    }
    order_ = std::move(order);
    positionOf_.assign(order_.empty() ? 0 : order_.size(), 0);
    for (std::size_t position = 0; position < order_.size(); ++position) {
        positionOf_[static_cast<std::size_t>(order_[position])] = static_cast<int>(position);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.push_back(mapFromSource(
            rows_.index(rowsBefore[static_cast<std::size_t>(i)], before[i].column())));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListSortModel::appended(int first, int last) {
    // Shown at the end first, then sorted in.
    beginInsertRows({}, first, last);
    shownRows_ = last + 1;
    if (!order_.empty()) {
        for (int row = first; row <= last; ++row) {
            order_.push_back(row);
            positionOf_.push_back(row);
        }
    }
    endInsertRows();
    if (column_ >= 0) {
        sortRows();
    }
}

void ListSortModel::changed(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                            const QList<int>& roles) {
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex left = mapFromSource(rows_.index(row, topLeft.column()));
        const QModelIndex right = mapFromSource(rows_.index(row, bottomRight.column()));
        if (left.isValid() && right.isValid()) {
            emit dataChanged(left, right, roles);
        }
    }
    if (keyColumn_ < topLeft.column() || keyColumn_ > bottomRight.column()) {
        return;
    }
    // A changed cell of the key column: its rows get their keys again. Keys are made in
    // row order, so the rows from the first changed one on are made anew.
    keys_.resize(std::min(keys_.size(), static_cast<std::size_t>(topLeft.row())));
    if (column_ >= 0) {
        sortRows();
    }
}

}  // namespace lz::ui
