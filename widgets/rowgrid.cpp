#include "rowgrid.h"
#include "inputs.h"
#include "core/utils.h"
#include <QHeaderView>
#include <QItemSelectionModel>

QVariant TRowGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const TColumn &c = m_columns[index.column()];
    if (role == Qt::DisplayRole) {
        QString v = cell(index.row(), index.column());
        if (c.type == TColumn::Date)
            return ToDisplayDate(v);
        return c.pickCodes.isEmpty() ? v : c.labelOf(v);
    }
    if (role == Qt::EditRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(c.align());
    return {};
}

QVariant TRowGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? m_columns[section].title : QString();
    return section + 1;
}

int TRowGridModel::addColumn(const TColumn &column)
{
    int at = int(m_columns.size());
    if (at > 0 && m_columns.last().isTrailing && !column.isTrailing)
        --at;
    beginInsertColumns({}, at, at);
    m_columns.insert(at, column);
    for (QStringList &r : m_rows)
        if (r.size() >= at)
            r.insert(at, QString());
    endInsertColumns();
    return at;
}

void TRowGridModel::columnChanged(int column)
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, column), index(int(m_rows.size()) - 1, column));
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString TRowGridModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].value(column);
}

void TRowGridModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return;
    QStringList &r = m_rows[row];
    while (r.size() < m_columns.size())
        r.append(QString());
    if (r[column] == text)
        return;
    r[column] = text;
    emit dataChanged(index(row, column), index(row, column));
}

void TRowGridModel::appendRow(const QStringList &values)
{
    int n = int(m_rows.size());
    beginInsertRows({}, n, n);
    QStringList r = values;
    while (r.size() < m_columns.size())
        r.append(QString());
    m_rows.append(r);
    endInsertRows();
}

void TRowGridModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void TRowGridModel::clearRows()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void TRowGridModel::setRows(QVector<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    for (QStringList &r : m_rows)
        while (r.size() < m_columns.size())
            r.append(QString());
    endResetModel();
}

namespace {
// Every change of the current row passes here, whatever caused it, so the guard sees them all.
class GuardedSelectionModel : public QItemSelectionModel {
public:
    GuardedSelectionModel(QAbstractItemModel *model, QObject *parent) : QItemSelectionModel(model, parent) {}
    TRowGrid::RowLeaveGuard guard;

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override
    {
        m_refused = false;
        const QModelIndex from = currentIndex();
        if (guard && !m_asking && from.isValid() && index.isValid() && from.row() != index.row()) {
            m_asking = true;
            const int to = guard(from.row(), index.row());
            m_asking = false;
            if (to < 0) {
                m_refused = true;   // a click selects after setting the current index: keep it off
                return;
            }
            QItemSelectionModel::setCurrentIndex(model()->index(to, index.column()), command);
            return;
        }
        QItemSelectionModel::setCurrentIndex(index, command);
    }

    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (m_refused) {
            m_refused = false;
            const int row = currentIndex().row();
            bool onCurrent = false;
            for (const QModelIndex &i : selection.indexes())
                onCurrent = onCurrent || i.row() == row;
            if (!selection.isEmpty() && !onCurrent)
                return;
        }
        QItemSelectionModel::select(selection, command);
    }
    using QItemSelectionModel::select;

private:
    bool m_asking = false;
    bool m_refused = false;
};
} // namespace

TRowGrid::TRowGrid(QWidget *parent) : QTableView(parent), m_model(new TRowGridModel(this))
{
    setModel(m_model);
    QItemSelectionModel *standard = selectionModel();
    setSelectionModel(new GuardedSelectionModel(m_model, this));
    delete standard;
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setTabKeyNavigation(false);   // Tab and Shift+Tab leave the grid; the arrows move inside it
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(pal);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                emit currentRowChanged(current.isValid() ? current.row() : -1,
                                       previous.isValid() ? previous.row() : -1);
            });
}

TColumn &TRowGrid::addColumn(const QString &title, TColumn::DataType type, int width)
{
    TColumn c;
    c.title = title;
    c.type = type;
    c.width = width;
    return addColumn(c);
}

TColumn &TRowGrid::addColumn(const TColumn &c)
{
    int i = m_model->addColumn(c);
    for (int k = 0; k < columnCount(); ++k) {
        setColumnWidth(k, column(k).width);
        setColumnHidden(k, column(k).isHidden);
    }
    return m_model->columns()[i];
}

int TRowGrid::columnByTitle(const QString &title) const
{
    const auto &cols = m_model->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (cols[i].title == title)
            return i;
    return -1;
}

int TRowGrid::columnByField(const QString &field) const
{
    const auto &cols = m_model->columns();
    for (int i = 0; i < cols.size(); ++i)
        if (!field.isEmpty() && cols[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TRowGrid::applyColumns()
{
    // a heading is never cut: the column is at least as wide as its title
    const QFontMetrics heading(horizontalHeader()->font());
    for (int i = 0; i < m_model->columnCount(); ++i) {
        const TColumn &c = column(i);
        setColumnWidth(i, qMax(c.width, heading.horizontalAdvance(c.title) + 14));
        setColumnHidden(i, c.isHidden);
        m_model->columnChanged(i);
    }
}

void TRowGrid::showEvent(QShowEvent *event)
{
    // the screen designs its columns after creating the grid: settle them before the first paint
    applyColumns();
    QTableView::showEvent(event);
}

QString TRowGrid::cellLabel(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

int TRowGrid::appendRow(const QStringList &values)
{
    m_model->appendRow(values);
    return rowCount() - 1;
}

void TRowGrid::setRowLeaveGuard(RowLeaveGuard guard)
{
    static_cast<GuardedSelectionModel *>(selectionModel())->guard = std::move(guard);
}

bool TRowGrid::isStoredRow(int row) const
{
    const int last = columnCount() - 1;
    return last >= 0 && column(last).isTrailing && cell(row, last) == QLatin1String("Y");
}

int TRowGrid::currentRow() const
{
    QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TRowGrid::setCurrentRow(int row)
{
    if (row >= rowCount())
        row = rowCount() - 1;
    if (row < 0) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    int col = 0;
    while (col < columnCount() - 1 && isColumnHidden(col))
        ++col;
    QModelIndex idx = m_model->index(row, col);
    selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(idx);
}

TRowCountFooter::TRowCountFooter(TRowGrid *grid, QWidget *parent) : QLabel(parent)
{
    setObjectName(grid->objectName() + QStringLiteral("Footer"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setMargin(2);
    auto count = [this, grid] { setText(QString::number(grid->rowCount())); };
    TRowGridModel *model = grid->gridModel();
    connect(model, &QAbstractItemModel::modelReset, this, count);
    connect(model, &QAbstractItemModel::rowsInserted, this, count);
    connect(model, &QAbstractItemModel::rowsRemoved, this, count);
    count();
}
