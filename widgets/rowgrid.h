#pragma once
#include <functional>
// TRowGrid: an unbound row grid on Qt's model/view classes. The screen designs the columns; the
// rows are texts. A column with a pick list holds codes and shows their labels. The current row is
// drawn white on blue.
//
//   grid->addColumn("사이즈", TColumn::Text, 80).pickList(codes, labels).key();
//   grid->addColumn("TEMP", TColumn::Text, 10).hidden();
#include "widgets/column.h"
#include <QAbstractTableModel>
#include <QLabel>
#include <QStringList>
#include <QTableView>
#include <QVector>
#include "rowstore.h"


class TRowGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_columns.size()); }
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QVector<TColumn> &columns() { return m_columns; }
    const QVector<TColumn> &columns() const { return m_columns; }
    int addColumn(const TColumn &column);   // returns its position
    void columnChanged(int column);

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    QStringList rowValues(int row) const { return m_rows.value(row); }
    void appendRow(const QStringList &values = {});
    void removeRow(int row);
    void clearRows();
    void setRows(QVector<QStringList> rows);   // replaces every row at once (fast loading)

private:
    QVector<TColumn> m_columns;
    QVector<QStringList> m_rows;
};

// As a row store, a row whose trailing column holds "Y" is a stored one (the record screen's "TEMP").
class TRowGrid : public QTableView, public TRowStore {
    Q_OBJECT
public:
    explicit TRowGrid(QWidget *parent = nullptr);

    // A new column goes before a trailing column (the record screen's hidden "TEMP").
    TColumn &addColumn(const QString &title, TColumn::DataType type = TColumn::Text, int width = 80);
    TColumn &addColumn(const TColumn &column);
    TRowGridModel *gridModel() const { return m_model; }
    int columnCount() const override { return m_model->columnCount(); }
    TColumn &column(int index) { return m_model->columns()[index]; }
    const TColumn &column(int index) const { return m_model->columns()[index]; }
    int columnByTitle(const QString &title) const override;   // -1 when no column has that title
    int columnByField(const QString &field) const;   // -1 when no column names that field
    void applyColumns();                             // widths and hidden columns after design changes

    int rowCount() const override { return m_model->rowCount(); }
    QString cell(int row, int column) const override { return m_model->cell(row, column); }
    QString cell(int row, const QString &title) const { return cell(row, columnByTitle(title)); }
    void setCell(int row, int column, const QString &text) override { m_model->setCell(row, column, text); }
    QStringList rowCells(int row) const override { return m_model->rowValues(row); }
    QStringList columnCodes(int column) const override { return m_model->columns().value(column).pickCodes; }
    bool isStoredRow(int row) const override;
    QString cellLabel(int row, int column) const;     // what the cell shows
    int appendRow(const QStringList &values = {});    // returns the new row number
    void removeRow(int row) { m_model->removeRow(row); }
    void clearRows() { m_model->clearRows(); }

    int currentRow() const override;
    void setCurrentRow(int row);                     // -1 clears; out of range is clamped

    // Asked before the current row moves from one row to another (click, keys, setCurrentRow): the
    // answer is the row to go to instead (another row, when the guard removed rows), or -1 to stay.
    using RowLeaveGuard = std::function<int(int from, int to)>;
    void setRowLeaveGuard(RowLeaveGuard guard);

signals:
    void currentRowChanged(int current, int previous);

protected:
    void showEvent(QShowEvent *event) override;

private:
    TRowGridModel *m_model;
};

// The footer line under a row grid that shows how many rows it lists ("0" while it lists none).
class TRowCountFooter : public QLabel {
    Q_OBJECT
public:
    explicit TRowCountFooter(TRowGrid *grid, QWidget *parent = nullptr);
};
