#pragma once
// TRowStore: the rows a record form shows and writes, whichever screen holds them. The grid implements
// it (TEditGrid: read-only on the record screen, edited in place on the grid-table screen), so the form
// that binds the field table's controls to the current row, checks it and tracks its changes is
// written once.
// Rows are texts by column; a stored row is one read from the database (or saved since), the others
// are new records typed on the screen.
#include <QString>
#include <QStringList>

class TRowStore {
public:
    virtual ~TRowStore() = default;

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual int currentRow() const = 0;   // -1 when none
    virtual QString cell(int row, int column) const = 0;
    // The program's own write: no edit is reported, the row keeps whatever state it has.
    virtual void setCell(int row, int column, const QString &text) = 0;
    virtual QStringList rowCells(int row) const = 0;
    virtual int columnByTitle(const QString &title) const = 0;   // -1 when no column has that title
    virtual QStringList columnCodes(int column) const = 0;       // the codes a column's pick list holds
    virtual bool isStoredRow(int row) const = 0;
};
