#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

namespace lz::ui {

// The rows of a report-style list: plain texts, appended one row at a time by the fills.
// Only the first column can be edited in place; the edited text is kept.
class ListModel : public QAbstractTableModel {
public:
    ListModel(QObject* parent, QStringList headers);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void clearRows();
    int appendRow();
    void setCell(int row, int column, const QString& text);
    QString cell(int row, int column) const;

private:
    bool contains(int row, int column) const;

    QStringList headers_;
    std::vector<std::vector<QString>> rows_;
};

}  // namespace lz::ui
