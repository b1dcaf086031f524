#pragma once
// TEditGrid: the grid of the screens, on Qt's model/view classes. The screen designs the columns
// (TColumn); the rows are texts, each with a row state (0 none, 1 existing, 2 inserted on the screen,
// 3 deleted). A column with a pick list holds codes and shows their labels; a column naming a field is
// found by columnByField, any column by columnByTitle.
//
//   grid->addColumn("회원명", TColumn::Text, 100).bytes(20);
//   grid->addColumn("구분", TColumn::Text, 60).pickList("E0011");    // holds codes, shows labels
//   grid->addColumn("금액", TColumn::Number, 80).summed();           // footer: sum as "#,##0"
//   grid->addColumn("요금", TColumn::Number, 80).thousands();        // shown "#,##0", digits kept
//   grid->addColumn("RowID", TColumn::Number, 40).hidden().readOnly();
//   grid->addColumn("TEMP", TColumn::Text, 10).hidden().trailing();  // stays last when columns are added
//   layout->addWidget(grid); layout->addWidget(grid->footer());           // the footer line below it
//
// Read-only (setReadOnly): the same grid without editing — whole rows are selected, the current row is
// drawn white on blue, rows are numbered, a click on a title does not sort and the keys are the
// table's own; a row-leave guard may keep the current row where it is (setRowLeaveGuard).
//
// Posting: a row that was edited (or a row inserted on the screen) is posted when the current row
// leaves it, or by postCurrentRow(): rowPosted(row) is emitted, except for a row inserted on the
// screen that is still entirely empty and was never posted, which is removed silently. Cell edits by
// the user (or editCell) emit cellEdited; setCell is the program's own write and emits nothing.
//
// Keys: Down on the last row asks the row appender for a new row (not behind an empty new one; without
// an appender Down there adds nothing);
// Enter moves to the next cell; Tab and Shift+Tab leave the grid. Block fill: with Ctrl held, Right
// widens the source range of columns on the current row and each Down copies the source cells into
// the row reached (read-only columns and rows without key are skipped; see setKeyColumn), emitting
// rowFilled(row); releasing Ctrl ends the block. A click on a column title sorts by it, ascending and
// descending in turn, and only that column shows the sort mark.
#include "widgets/column.h"
#include <QAbstractTableModel>
#include <QLabel>
#include <QPalette>
#include <QStringList>
#include <QTableView>
#include <QVector>
#include <functional>
#include "rowstore.h"

// "#,##0": a whole number with thousands separators.
QString FormatThousands(qint64 value);

class TEditGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QStringList cells;
        int state = 0;
        bool dirty = false;    // edited since it was last posted
        bool posted = false;   // posted at least once (an inserted row then holds a record)
    };

    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_columns.size()); }
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    QVector<TColumn> &columns() { return m_columns; }
    const QVector<TColumn> &columns() const { return m_columns; }
    int addColumn(const TColumn &column);   // before a trailing column; returns its position
    void columnsChanged();   // the columns' titles, pick lists or formats changed

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);   // no edit signal, the row stays clean
    const Row &row(int r) const { return m_rows[r]; }
    Row &row(int r) { return m_rows[r]; }
    void appendRow(const QStringList &cells, int state);
    void removeRow(int row);
    void setRows(QVector<Row> rows);
    void setRows(const QVector<QStringList> &rows);   // rows of state 0, replacing every row at once
    void setBlock(int row, int first, int last);   // the highlighted source cells; row -1: none
    bool inBlock(int row, int column) const;

signals:
    void cellEdited(int row, int column);

private:
    QVector<TColumn> m_columns;
    QVector<Row> m_rows;
    int m_blockRow = -1, m_blockFirst = 0, m_blockLast = -1;
};

class TGridFooter;

// As a row store, a row of state 1 is a stored one.
class TEditGrid : public QTableView, public TRowStore {
    Q_OBJECT
public:
    explicit TEditGrid(QWidget *parent = nullptr);
    ~TEditGrid() override;

    void setReadOnly(bool on = true);   // the grid without editing (see above)
    bool isReadOnly() const { return m_readOnly; }

    TColumn &addColumn(const QString &title, TColumn::DataType type = TColumn::Text, int width = 80);
    TColumn &addColumn(const TColumn &column);
    TEditGridModel *gridModel() const { return m_model; }
    int columnCount() const override { return m_model->columnCount(); }
    TColumn &column(int index) { return m_model->columns()[index]; }
    const TColumn &column(int index) const { return m_model->columns()[index]; }
    int columnByTitle(const QString &title) const override;
    int columnByField(const QString &field) const;
    void applyColumns();   // widths, hidden columns and the footer after design changes

    int rowCount() const override { return m_model->rowCount(); }
    QString cell(int row, int column) const override { return m_model->cell(row, column); }
    QString cell(int row, const QString &title) const { return cell(row, columnByTitle(title)); }
    QStringList rowCells(int row) const override { return m_model->row(row).cells; }
    QStringList columnCodes(int column) const override { return m_model->columns().value(column).pickCodes; }
    // A stored row: one of state 1, or on a grid with a trailing column (the record screen's "TEMP"),
    // one whose trailing cell holds "Y".
    bool isStoredRow(int row) const override;
    QString cellLabel(int row, int column) const;
    void setCell(int row, int column, const QString &text) override { m_model->setCell(row, column, text); }
    bool editCell(int row, int column, const QString &text);   // as the user goes there and types it
    int rowState(int row) const { return m_model->row(row).state; }
    void setRowState(int row, int state) { m_model->row(row).state = state; }
    bool isRowDirty(int row) const { return m_model->row(row).dirty; }
    void setRowClean(int row);
    bool isBlankRow(int row) const;   // every cell empty
    bool isNewRow(int row) const;     // inserted on the screen and never posted

    int appendRow(const QStringList &cells = {}, int state = 0);   // the program's own row
    int insertNewRow();                 // a row for the user (state 2), made current; -1 at the limit
    void removeRow(int row);
    void clearRows();
    void setRows(QVector<TEditGridModel::Row> rows);
    void setRows(const QVector<QStringList> &rows);   // rows of state 0
    void setRowLimit(int rows) { m_rowLimit = rows; }   // 0: no limit
    // What Down on the last row does to add a row (the screen's Add); none: Down there adds nothing.
    void setRowAppender(std::function<void()> append) { m_rowAppender = std::move(append); }
    int rowLimit() const { return m_rowLimit; }

    int currentRow() const override;
    void setCurrentRow(int row);
    void setCurrentCell(int row, int column);
    // Asked before the current row moves from one row to another (click, keys, setCurrentRow), after
    // the row left is posted: the answer is the row to go to instead (another row, when the guard
    // removed rows), or -1 to stay.
    using RowLeaveGuard = std::function<int(int from, int to)>;
    void setRowLeaveGuard(RowLeaveGuard guard) { m_rowLeaveGuard = std::move(guard); }
    // Ends the editing of the current row: the open editor hands over its text, and the row is posted
    // when it needs it.
    void postCurrentRow();
    void commitEditor();

    // A column whose empty cell marks a row as not yet holding a record (block fill skips it).
    void setKeyColumn(int column) { m_keyColumn = column; }
    int keyColumn() const { return m_keyColumn; }

    bool isBlockActive() const { return m_blockRow >= 0; }
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    void sortBy(int column);            // what a click on the column title does
    void clearSortMarks();

    // The footer line: summed columns show their sum, others the caption given them.
    TGridFooter *footer() const { return m_footer; }
    void setFooterCaption(int column, const QString &text);
    QString footerText(int column) const;
    void computeFooter();

signals:
    void currentRowChanged(int current, int previous);
    void cellEdited(int row, int column);
    void rowPosted(int row);
    void rowFilled(int row);
    void footerComputed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class TEditGridDelegate;
    friend class TEditSelectionModel;
    int leaveRow(int from, int to);   // posts the row left; answers where to go
    bool postRow(int row);            // false when the row was removed
    void fillDown();
    void endBlock();
    int nextVisibleColumn(int column, int step) const;

    TEditGridModel *m_model;
    TGridFooter *m_footer;
    QWidget *m_editor = nullptr;
    QStringList m_footerCaptions;
    QStringList m_footerTexts;
    int m_rowLimit = 0;
    std::function<void()> m_rowAppender;
    int m_keyColumn = -1;
    bool m_readOnly = false;
    QPalette m_editPalette;
    RowLeaveGuard m_rowLeaveGuard;
    int m_blockRow = -1, m_blockFirst = 0, m_blockLast = -1;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_posting = false;
};

class TGridFooter : public QWidget {
    Q_OBJECT
public:
    explicit TGridFooter(TEditGrid *grid);
protected:
    void paintEvent(QPaintEvent *event) override;
private:
    TEditGrid *m_grid;
};

// The footer line under a grid that shows how many rows it lists ("0" while it lists none).
class TRowCountFooter : public QLabel {
    Q_OBJECT
public:
    explicit TRowCountFooter(TEditGrid *grid, QWidget *parent = nullptr);
};
