#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QStringList>
#include <QTimer>

namespace lz::ui {

// The rows of a report-style list: plain texts, appended one row at a time by the fills.
// Only the first column can be edited in place; the edited text is kept.
//
// A fill appends tens of thousands of rows and lets the window handle its messages after
// each one. Appended rows belong to the list at once (totalRows, cell), but the view is
// told about them in batches at most every kPublishIntervalMs, so it lays out and repaints
// a few dozen times a second instead of once per row.
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

    int totalRows() const { return static_cast<int>(rows_.size()); }
    // Tells the view about every row appended so far.
    void publishPendingRows();

    void clearRows();
    int appendRow();
    void setCell(int row, int column, const QString& text);
    QString cell(int row, int column) const;

private:
    bool contains(int row, int column) const;

    QStringList headers_;
    std::vector<std::vector<QString>> rows_;
    int shownRows_ = 0;  // the rows the view knows of
    QTimer publishTimer_;
};

}  // namespace lz::ui
