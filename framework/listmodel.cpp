#include "listmodel.h"
#include "database/database.h"
#include "database/query.h"
#include "core/messages.h"
#include <limits>

bool TListModel::open(db::Query *query)
{
    close();
    query->setPaged(m_paged);
    if (!query->open())
        throw db::DatabaseError(query->lastError());
    load(query);
    return true;
}

void TListModel::load(db::Query *query)
{
    beginResetModel();
    m_query = query;
    m_fields.clear();
    m_fieldIndex.clear();
    if (declared()) {
        for (const TColumn &c : std::as_const(m_columns)) {
            m_fields.append(c.field.toUpper());
            m_fieldIndex.append(query->fieldIndex(c.field));
        }
        for (const QString &f : std::as_const(m_kept)) {
            m_fields.append(f.toUpper());
            m_fieldIndex.append(query->fieldIndex(f));
        }
    } else {
        m_fields = query->fieldNames();
        for (int i = 0; i < m_fields.size(); ++i)
            m_fieldIndex.append(i);
    }
    m_rows.clear();
    m_offsets.clear();
    m_active = true;
    m_atEnd = false;
    m_error.clear();
    endResetModel();
    readRows(PacketRecords);
    if (!m_error.isEmpty()) {   // not even the first packet: no list at all
        const QString error = m_error;
        close();
        throw db::DatabaseError(readFailedMessage(error));
    }
}

void TListModel::close()
{
    beginResetModel();
    if (m_query)
        m_query->close();
    m_query = nullptr;
    m_rows.clear();
    m_rows.squeeze();
    m_offsets.clear();
    m_offsets.squeeze();
    if (!declared())
        m_fields.clear();
    m_active = false;
    m_atEnd = true;
    m_error.clear();
    endResetModel();
}

int TListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TListModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return declared() ? int(m_columns.size()) : int(qMax(m_fields.size(), m_titles.size()));
}

bool TListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_active && !m_atEnd && m_query;
}

void TListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    readRows(PacketRecords);
    // Asked for by the grid as it scrolls: the failure is shown once the grid is done with its work.
    if (!m_error.isEmpty())
        QMetaObject::invokeMethod(this, [text = m_error] { ShowError(readFailedMessage(text, true)); }, Qt::QueuedConnection);
}

void TListModel::fetchAll()
{
    // The rest in one step: the grid hears of the new rows once.
    if (canFetchMore())
        readRows(std::numeric_limits<int>::max());
    if (!m_error.isEmpty())   // never the rows before a failure as if they were all
        throw db::DatabaseError(readFailedMessage(m_error, true));
}

QString TListModel::readFailedMessage(const QString &error, bool partShown)
{
    return (partShown ? QStringLiteral("자료를 끝까지 읽지 못했습니다. 목록의 자료가 전부가 아닙니다.")
                      : QStringLiteral("자료를 끝까지 읽지 못했습니다."))
        + QStringLiteral("\r\r에러내용:\r") + error;
}

void TListModel::readRows(int limit)
{
    const int n = int(m_fieldIndex.size());
    QVector<QString> rows;
    QVector<quint32> offsets;
    const int expected = qMin(limit, PacketRecords);
    rows.reserve(expected);
    offsets.reserve(expected * (n + 1));
    QString line;   // a row is put together here and kept in a string of its exact size
    line.reserve(256);
    while (rows.size() < limit) {
        if (!m_query->next()) {
            if (m_query->failed())
                m_error = m_query->lastError();
            m_atEnd = true;
            m_query->close();
            break;
        }
        line.resize(0);
        offsets.append(0);
        for (int i = 0; i < n; ++i) {
            if (m_fieldIndex[i] >= 0)
                line += m_query->value(m_fieldIndex[i]);
            offsets.append(quint32(line.size()));
        }
        rows.append(QString(line.constData(), line.size()));
    }
    if (rows.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + rows.size() - 1));
    if (m_rows.isEmpty()) {
        m_rows = std::move(rows);
        m_offsets = std::move(offsets);
    } else {
        m_rows += rows;
        m_offsets += offsets;
    }
    endInsertRows();
}

QStringView TListModel::textView(int row, int column) const
{
    const int n = int(m_fieldIndex.size());
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= n)
        return {};
    const qsizetype base = qsizetype(row) * (n + 1);
    const quint32 from = m_offsets[base + column];
    return QStringView(m_rows[row]).mid(from, m_offsets[base + column + 1] - from);
}

int TListModel::columnOf(const QString &field) const
{
    if (declared()) {
        for (int i = 0; i < m_columns.size(); ++i)
            if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
                return i;
        for (int i = 0; i < m_kept.size(); ++i)
            if (m_kept[i].compare(field, Qt::CaseInsensitive) == 0)
                return int(m_columns.size()) + i;
        return -1;
    }
    return int(m_fields.indexOf(field.toUpper()));
}

void TListModel::addColumn(const TColumn &c)
{
    beginInsertColumns({}, int(m_columns.size()), int(m_columns.size()));
    m_columns.append(c);
    endInsertColumns();
}

QVariant TListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (declared() && index.column() < m_columns.size())
            return int(m_columns[index.column()].align() | Qt::AlignVCenter);
        return {};
    case Qt::BackgroundRole:
        if (rowBackground) {
            QColor c = rowBackground(index.row());
            if (c.isValid())
                return c;
        }
        return {};
    default:
        return {};
    }
}

QVariant TListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (declared()) {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
            return m_columns[section].title;
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section >= 0 && section < m_titles.size())
        return m_titles.at(section);
    return section >= 0 && section < m_fields.size() ? QVariant(m_fields.at(section)) : QVariant();
}
