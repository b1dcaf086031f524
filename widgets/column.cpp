#include "column.h"
#include "inputs.h"
#include <QHeaderView>
#include <QTableView>

TColumn::TColumn(const QString &field, const QString &title, int width, bool right, const QString &onceKey,
                 const QString &band)
    : field(field), title(title), width(width), onceKey(onceKey), band(band)
{
    if (right)
        alignment = Qt::AlignRight | Qt::AlignVCenter;
}

Qt::Alignment TColumn::align() const
{
    if (alignment)
        return alignment;
    return (type == Number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QString TColumn::labelOf(const QString &code) const
{
    const int i = indexOf(code);
    return i >= 0 && i < pickLabels.size() ? pickLabels[i] : code;
}

TColumn &TColumn::pickList(const QStringList &codes, const QStringList &labels)
{
    pickCodes = codes;
    pickLabels = labels;
    return *this;
}

TColumn &TColumn::pickList(const QString &group)
{
    pickGroup = group;
    LoadCodeList(group, &pickCodes, &pickLabels);
    return *this;
}

QVector<int> FieldPositions(const QVector<TColumn> &columns, int count, const QStringList &fields)
{
    QVector<int> at;
    for (int c = 0; c < count && c < columns.size(); ++c) {
        int i = -1;
        for (int f = 0; f < fields.size() && i < 0 && !columns[c].field.isEmpty(); ++f)
            if (fields[f].compare(columns[c].field, Qt::CaseInsensitive) == 0)
                i = f;
        if (i < 0 && c < fields.size())
            i = c;
        at.append(i);
    }
    return at;
}

int ColumnByTitle(const QVector<TColumn> &columns, const QString &title)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].title == title)
            return i;
    return -1;
}

int ColumnByField(const QVector<TColumn> &columns, const QString &field)
{
    for (int i = 0; i < columns.size() && !field.isEmpty(); ++i)
        if (columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void ApplyColumns(QTableView *view, const QVector<TColumn> &columns)
{
    const QFontMetrics heading(view->horizontalHeader()->font());
    for (int i = 0; i < columns.size(); ++i) {
        view->setColumnWidth(i, qMax(columns[i].width, heading.horizontalAdvance(columns[i].title) + 14));
        view->setColumnHidden(i, columns[i].isHidden);
    }
}
