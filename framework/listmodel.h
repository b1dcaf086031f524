#pragma once
// TListModel: the client-side result set of every list — a list screen's cdsQuery and a lookup
// dialog's grids. It reads its query 100 records at a time as the grid asks for them; on PostgreSQL
// the query reads through a server-side cursor, so the first rows come at once whatever the size of
// the result and other statements may run between two packets.
//
// Two ways to shape it:
//   columns declared by the screen (addColumn): one column per declared field, read by name;
//   no columns declared: one column per field of the result, headed by setTitles() (the field name
//   where no title is given).
// A row is kept as one text with the offsets of its fields; textView() reads a field without a copy.
#include "widgets/column.h"
#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <functional>

namespace db { class Query; }


class TListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int PacketRecords = 100;
    using QAbstractTableModel::QAbstractTableModel;

    QVector<TColumn> &columns() { return m_columns; }
    const QVector<TColumn> &columns() const { return m_columns; }
    void addColumn(const TColumn &c);
    void setTitles(const QStringList &titles) { m_titles = titles; }
    // Fields of the result read with every row beside the declared columns, never shown nor exported:
    // text(row, field) and columnOf() find them after the columns.
    void keepFields(const QStringList &fields) { m_kept = fields; }
    // A result of a few rows (a cross-table's) read whole by open() without a server-side cursor: the
    // server may then count it with parallel workers, which it never does for a cursor.
    void readWithoutCursor() { m_paged = false; }

    bool open(db::Query *query);   // runs the query paged and reads the first packet; DatabaseError on failure
    void load(db::Query *query);   // takes the first packet of an opened query; DatabaseError on failure
    void close();                  // empties the result and closes the query
    void clear() { close(); }
    bool isActive() const { return m_active; }
    bool isComplete() const { return m_atEnd && m_error.isEmpty(); }
    // Reading stopped on a row that could not be read: the rows held are not the whole result. open(),
    // load() and fetchAll() then throw DatabaseError; a packet the grid asks for shows readFailedMessage().
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    static QString readFailedMessage(const QString &error, bool partShown = false);
    void fetchAll();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    QStringView textView(int row, int column) const;   // valid until the model changes
    QString text(int row, int column) const { return textView(row, column).toString(); }
    QString text(int row, const QString &field) const { return text(row, columnOf(field)); }
    QString field(int row, int column) const { return text(row, column); }
    QString field(int row, const QString &name) const { return text(row, columnOf(name)); }
    int columnOf(const QString &field) const;   // -1 for a field the model does not hold

    // Drawing of single rows (a summary's subtotal in yellow, …).
    std::function<QColor(int row)> rowBackground;

private:
    bool declared() const { return !m_columns.isEmpty(); }
    void readRows(int limit);
    db::Query *m_query = nullptr;
    QVector<TColumn> m_columns;
    QStringList m_titles;
    QStringList m_kept;
    bool m_paged = true;
    QStringList m_fields;           // the fields held, upper case
    QVector<int> m_fieldIndex;      // their positions in the result (-1: not in it)
    QVector<QString> m_rows;        // the fields of a row, one after another
    QVector<quint32> m_offsets;     // fields + 1 offsets per row
    bool m_active = false;
    QString m_error;                // why the reading stopped short
    bool m_atEnd = true;
};
