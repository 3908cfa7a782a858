#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

#include "ui/list_texts.h"

namespace lz::ui {

// The rows of a report-style list: plain texts, appended one row at a time by the fills.
// Only the first column can be edited in place; the edited text is kept.
//
// A fill appends tens of thousands of rows and lets the window handle its messages after
// each one. Appended rows belong to the list at once (totalRows, cell), but the view is
// told about them in batches at most every kPublishIntervalMs, so it lays out and repaints
// a few dozen times a second instead of once per row.
//
// The texts are kept as UTF-8 in ListTexts and turned into QStrings only for the cells the
// view shows.
//
// A row may be a heading that names the rows below it (its text in column 0, drawn across
// the whole row, bold on a grey ground; it can be neither selected nor edited), and a row
// may carry a key that its list's actions find it by (the identity of what it shows), and
// may be marked (bold on a pale green ground) to stand out among its neighbours.
class ListModel : public QAbstractTableModel {
public:
    ListModel(QObject* parent, QStringList headers);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    static constexpr int kPublishIntervalMs = 40;

    int totalRows() const { return texts_.rows(); }
    // Tells the view about every row appended so far.
    void publishPendingRows();

    void clearRows();
    // A row holding `texts`, column 0 first (missing ones empty); its index.
    int appendRow(std::span<const std::string> texts = {});
    void setCell(int row, int column, std::string_view utf8);
    // The cell's text; empty for a cell the list does not have.
    std::string_view cell(int row, int column) const { return texts_.get(row, column); }

    // A heading row holding `text`; its index.
    int appendHeadingRow(std::string_view text);
    bool isHeadingRow(int row) const;
    bool hasHeadingRows() const { return !headingRows_.empty(); }

    // Keys: none for a row never given one, and for a row the list does not have.
    void setRowKey(int row, std::int64_t key);
    std::optional<std::int64_t> rowKey(int row) const;

    // Marks: none for a row never marked; a heading row is never marked.
    void setRowMarked(int row, bool marked);
    bool isRowMarked(int row) const;

private:
    bool contains(int row, int column) const;

    QStringList headers_;
    ListTexts texts_;
    int shownRows_ = 0;  // the rows the view knows of
    QTimer publishTimer_;
    std::vector<int> headingRows_;  // ascending: rows are only ever appended
    // Per row once any row has a key; kNoKey for the rows without one.
    std::vector<std::int64_t> keys_;
    // Per row once any row was marked.
    std::vector<bool> marked_;
};

}  // namespace lz::ui
