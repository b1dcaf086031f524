#include "editgrid.h"
#include "inputs.h"
#include "core/cp949.h"
#include "core/utils.h"
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <numeric>

QString FormatThousands(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

namespace {
double numberOf(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    return t.toDouble(ok);
}
}

// ---- the model -----------------------------------------------------------------------------

QVariant TEditGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const TColumn &c = m_columns[index.column()];
    switch (role) {
    case Qt::DisplayRole: {
        const QString v = cell(index.row(), index.column());
        if (c.type == TColumn::Date)
            return ToDisplayDate(v);
        if (c.isThousands) {
            bool ok = false;
            const qint64 n = v.toLongLong(&ok);
            if (ok)
                return FormatThousands(n);
        }
        return c.pickCodes.isEmpty() ? v : c.labelOf(v);
    }
    case Qt::EditRole:
        return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(c.align());
    case Qt::BackgroundRole:
        if (inBlock(index.row(), index.column()))
            return QColor(170, 204, 255);
        return {};
    default:
        return {};
    }
}

bool TEditGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const TColumn &c = m_columns[index.column()];
    QString text = value.toString();
    if (c.maxBytes > 0)
        text = TruncateCp949(text, c.maxBytes);
    if (c.type == TColumn::Date)
        text = ToStoredDate(text);
    if (c.isThousands)
        text.remove(QLatin1Char(','));
    Row &r = m_rows[index.row()];
    if (r.cells.value(index.column()) == text)
        return true;
    while (r.cells.size() < m_columns.size())
        r.cells.append(QString());
    r.cells[index.column()] = text;
    r.dirty = true;
    emit dataChanged(index, index);
    emit cellEdited(index.row(), index.column());
    return true;
}

Qt::ItemFlags TEditGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_columns[index.column()].isReadOnly && m_rows[index.row()].state != 3)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant TEditGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_columns.size() ? m_columns[section].title : QString();
    return section + 1;
}

void TEditGridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_columns.size())
        return;
    const TColumn &c = m_columns[column];
    auto less = [&](int a, int b) {
        const QString x = cell(a, column), y = cell(b, column);
        if (c.type == TColumn::Number) {
            bool okX = false, okY = false;
            const double nx = numberOf(x, &okX), ny = numberOf(y, &okY);
            if (okX != okY)
                return !okX;   // empty cells first
            if (okX)
                return nx < ny;
        }
        if (!c.pickCodes.isEmpty())
            return c.labelOf(x) < c.labelOf(y);
        return x < y;
    };
    QVector<int> order_(m_rows.size());
    std::iota(order_.begin(), order_.end(), 0);
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    if (order == Qt::AscendingOrder)
        std::stable_sort(order_.begin(), order_.end(), less);
    else
        std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) { return less(b, a); });
    QVector<Row> sorted;
    sorted.reserve(m_rows.size());
    QVector<int> newPosition(m_rows.size());
    for (int i = 0; i < order_.size(); ++i) {
        sorted.append(std::move(m_rows[order_[i]]));
        newPosition[order_[i]] = i;
    }
    m_rows = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &i : from)
        to.append(index(newPosition[i.row()], i.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TEditGridModel::addColumn(const TColumn &column)
{
    int at = int(m_columns.size());
    if (at > 0 && m_columns.last().isTrailing && !column.isTrailing)
        --at;
    beginInsertColumns({}, at, at);
    m_columns.insert(at, column);
    for (Row &r : m_rows)
        if (r.cells.size() >= at)
            r.cells.insert(at, QString());
    endInsertColumns();
    return at;
}

void TEditGridModel::columnsChanged()
{
    if (m_columns.isEmpty())
        return;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, int(m_columns.size()) - 1));
    emit headerDataChanged(Qt::Horizontal, 0, int(m_columns.size()) - 1);
}

QString TEditGridModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    return m_rows[row].cells.value(column);
}

void TEditGridModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return;
    QStringList &cells = m_rows[row].cells;
    while (cells.size() < m_columns.size())
        cells.append(QString());
    if (cells[column] == text)
        return;
    cells[column] = text;
    emit dataChanged(index(row, column), index(row, column));
}

void TEditGridModel::appendRow(const QStringList &cells, int state)
{
    const int n = int(m_rows.size());
    beginInsertRows({}, n, n);
    Row r;
    r.cells = cells;
    while (r.cells.size() < m_columns.size())
        r.cells.append(QString());
    r.state = state;
    m_rows.append(std::move(r));
    endInsertRows();
}

void TEditGridModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    if (row == m_blockRow)
        setBlock(-1, 0, -1);
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void TEditGridModel::setRows(QVector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    for (Row &r : m_rows)
        while (r.cells.size() < m_columns.size())
            r.cells.append(QString());
    m_blockRow = -1;
    endResetModel();
}

void TEditGridModel::setRows(const QVector<QStringList> &rows)
{
    QVector<Row> r(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        r[i].cells = rows[i];
    setRows(std::move(r));
}

void TEditGridModel::setBlock(int row, int first, int last)
{
    const int oldRow = m_blockRow;
    m_blockRow = row;
    m_blockFirst = first;
    m_blockLast = last;
    for (int r : {oldRow, row})
        if (r >= 0 && r < m_rows.size() && !m_columns.isEmpty())
            emit dataChanged(index(r, 0), index(r, int(m_columns.size()) - 1), {Qt::BackgroundRole});
}

bool TEditGridModel::inBlock(int row, int column) const
{
    return row == m_blockRow && column >= m_blockFirst && column <= m_blockLast;
}

// ---- editors and the guarded current row ---------------------------------------------------

class TEditGridDelegate : public QStyledItemDelegate {
public:
    explicit TEditGridDelegate(TEditGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const TColumn &c = m_grid->column(index.column());
        QWidget *editor;
        if (!c.pickCodes.isEmpty()) {
            auto *combo = new QComboBox(parent);
            for (int i = 0; i < c.pickCodes.size(); ++i)
                combo->addItem(i < c.pickLabels.size() ? c.pickLabels[i] : c.pickCodes[i], c.pickCodes[i]);
            editor = combo;
        } else if (c.type == TColumn::Date) {
            editor = new TMaskEdit(QStringLiteral("9999-99-99"), parent);
        } else if (c.type == TColumn::Number) {
            auto *e = new QLineEdit(parent);
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9,]*\\.?[0-9]*")), e));
            editor = e;
        } else {
            auto *e = new TEdit(parent);
            e->setMaxBytes(c.maxBytes);
            editor = e;
        }
        m_grid->m_editor = editor;
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString v = index.data(Qt::EditRole).toString();
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentIndex(combo->findData(v));
        else if (auto *mask = qobject_cast<TMaskEdit *>(editor))
            mask->setValue(v);
        else if (auto *e = qobject_cast<QLineEdit *>(editor))
            e->setText(v);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            model->setData(index, combo->currentData().toString());
        else if (auto *mask = qobject_cast<TMaskEdit *>(editor))
            model->setData(index, mask->value());
        else if (auto *e = qobject_cast<QLineEdit *>(editor))
            model->setData(index, e->text());
    }

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        if (m_grid->m_editor == editor)
            m_grid->m_editor = nullptr;
        QStyledItemDelegate::destroyEditor(editor, index);
    }

private:
    TEditGrid *m_grid;
};

// Every move of the current row passes here, whatever caused it: the row left is posted first.
class TEditSelectionModel : public QItemSelectionModel {
public:
    TEditSelectionModel(TEditGrid *grid) : QItemSelectionModel(grid->gridModel(), grid), m_grid(grid) {}

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override
    {
        m_refused = false;
        const QModelIndex from = currentIndex();
        if (!m_asking && from.isValid() && index.isValid() && from.row() != index.row()) {
            m_asking = true;
            const int to = m_grid->leaveRow(from.row(), index.row());
            m_asking = false;
            if (to < 0 || to >= model()->rowCount()) {
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
    TEditGrid *m_grid;
    bool m_asking = false;
    bool m_refused = false;
};

// ---- the grid ------------------------------------------------------------------------------

TEditGrid::TEditGrid(QWidget *parent) : QTableView(parent), m_model(new TEditGridModel(this))
{
    setModel(m_model);
    QItemSelectionModel *standard = selectionModel();
    setSelectionModel(new TEditSelectionModel(this));
    delete standard;
    setItemDelegate(new TEditGridDelegate(this));
    setSelectionBehavior(SelectItems);
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | SelectedClicked | AnyKeyPressed);
    setTabKeyNavigation(false);   // Tab and Shift+Tab leave the grid
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TEditGrid::sortBy);

    m_footer = new TGridFooter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalHeader(), &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                emit currentRowChanged(current.isValid() ? current.row() : -1,
                                       previous.isValid() ? previous.row() : -1);
            });
    connect(m_model, &TEditGridModel::cellEdited, this, &TEditGrid::cellEdited);
    auto recompute = [this] { computeFooter(); };
    connect(m_model, &QAbstractItemModel::dataChanged, this, recompute);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, recompute);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, recompute);
    connect(m_model, &QAbstractItemModel::modelReset, this, recompute);
}

TEditGrid::~TEditGrid()
{
    if (!m_footer->parent())
        delete m_footer;
}

void TEditGrid::setReadOnly(bool on)
{
    if (on == m_readOnly)
        return;
    commitEditor();
    endBlock();
    m_readOnly = on;
    setSelectionBehavior(on ? SelectRows : SelectItems);
    setEditTriggers(on ? NoEditTriggers : DoubleClicked | SelectedClicked | AnyKeyPressed);
    verticalHeader()->setVisible(on);   // rows numbered
    horizontalHeader()->setSectionsClickable(!on);
    m_footer->setVisible(!on);          // no sums without editing
    if (on) {
        clearSortMarks();
        m_editPalette = palette();
        QPalette pal = palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
            pal.setColor(group, QPalette::HighlightedText, Qt::white);
        }
        setPalette(pal);
    } else {
        setPalette(m_editPalette);
    }
}

TColumn &TEditGrid::addColumn(const QString &title, TColumn::DataType type, int width)
{
    TColumn c;
    c.title = title;
    c.type = type;
    c.width = width;
    return addColumn(c);
}

TColumn &TEditGrid::addColumn(const TColumn &c)
{
    const int i = m_model->addColumn(c);
    m_footerCaptions.insert(i, QString());
    m_footerTexts.insert(i, QString());
    for (int k = i; k < columnCount(); ++k) {   // the columns after it moved one place to the right
        setColumnWidth(k, column(k).width);
        setColumnHidden(k, column(k).isHidden);
    }
    return m_model->columns()[i];
}

int TEditGrid::columnByTitle(const QString &title) const { return ColumnByTitle(m_model->columns(), title); }

int TEditGrid::columnByField(const QString &field) const { return ColumnByField(m_model->columns(), field); }

void TEditGrid::applyColumns()
{
    ApplyColumns(this, m_model->columns());
    m_model->columnsChanged();   // titles and pick lists the screen set after the rows came
    computeFooter();
}

void TEditGrid::showEvent(QShowEvent *event)
{
    applyColumns();
    QTableView::showEvent(event);
}

QString TEditGrid::cellLabel(int row, int column) const
{
    return m_model->data(m_model->index(row, column), Qt::DisplayRole).toString();
}

bool TEditGrid::editCell(int row, int column, const QString &text)
{
    // the user goes to the cell first (leaving another row posts it), then types
    if (row != currentRow() || !currentIndex().isValid() || currentIndex().column() != column)
        setCurrentCell(row, column);
    if (currentRow() != row)
        return false;
    return m_model->setData(m_model->index(row, column), text);
}

void TEditGrid::setRowClean(int row)
{
    TEditGridModel::Row &r = m_model->row(row);
    r.dirty = false;
    r.posted = true;
}

bool TEditGrid::isStoredRow(int row) const
{
    const int last = columnCount() - 1;
    if (last >= 0 && column(last).isTrailing)
        return cell(row, last) == QLatin1String("Y");
    return rowState(row) == 1;
}

bool TEditGrid::isBlankRow(int row) const
{
    for (const QString &c : m_model->row(row).cells)
        if (!c.isEmpty())
            return false;
    return true;
}

bool TEditGrid::isNewRow(int row) const
{
    const TEditGridModel::Row &r = m_model->row(row);
    return r.state == 2 && !r.posted;
}

int TEditGrid::appendRow(const QStringList &cells, int state)
{
    m_model->appendRow(cells, state);
    return rowCount() - 1;
}

int TEditGrid::insertNewRow()
{
    if (m_rowLimit > 0 && rowCount() >= m_rowLimit)
        return -1;
    commitEditor();
    const int current = currentRow();
    if (current >= 0 && isNewRow(current) && isBlankRow(current)) {
        setFocus();
        return current;   // no second empty row
    }
    endBlock();
    const int row = appendRow({}, 2);
    const int col = currentIndex().isValid() ? currentIndex().column() : nextVisibleColumn(-1, 1);
    setCurrentCell(row, qMax(0, col));
    setFocus();
    return currentRow();
}

void TEditGrid::removeRow(int row)
{
    if (row == m_blockRow)
        endBlock();
    if (m_editor && currentRow() == row) {
        QWidget *e = m_editor;
        closeEditor(e, QAbstractItemDelegate::RevertModelCache);
        m_editor = nullptr;
    }
    m_model->removeRow(row);
}

void TEditGrid::clearRows()
{
    setRows(QVector<TEditGridModel::Row>());
}

void TEditGrid::setRows(QVector<TEditGridModel::Row> rows)
{
    if (m_editor) {
        QWidget *e = m_editor;
        closeEditor(e, QAbstractItemDelegate::RevertModelCache);
        m_editor = nullptr;
    }
    endBlock();
    m_model->setRows(std::move(rows));
}

void TEditGrid::setRows(const QVector<QStringList> &rows)
{
    setRows(QVector<TEditGridModel::Row>());
    m_model->setRows(rows);
}

int TEditGrid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TEditGrid::setCurrentRow(int row)
{
    const int col = currentIndex().isValid() && !m_readOnly ? currentIndex().column() : nextVisibleColumn(-1, 1);
    setCurrentCell(row, qMax(0, col));
}

void TEditGrid::setCurrentCell(int row, int column)
{
    if (row >= rowCount())
        row = rowCount() - 1;
    if (row < 0) {
        selectionModel()->clearCurrentIndex();
        return;
    }
    const QModelIndex idx = m_model->index(row, column);
    selectionModel()->setCurrentIndex(idx, m_readOnly ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                      : QItemSelectionModel::ClearAndSelect);
    scrollTo(m_readOnly ? idx : currentIndex());
}

void TEditGrid::commitEditor()
{
    if (!m_editor)
        return;
    QWidget *e = m_editor;
    commitData(e);
    closeEditor(e, QAbstractItemDelegate::NoHint);
    m_editor = nullptr;
}

void TEditGrid::postCurrentRow()
{
    commitEditor();
    const int row = currentRow();
    if (row >= 0)
        postRow(row);
}

bool TEditGrid::postRow(int row)
{
    if (m_posting || row < 0 || row >= rowCount())
        return true;
    if (isNewRow(row) && isBlankRow(row)) {
        m_posting = true;
        removeRow(row);
        m_posting = false;
        return false;
    }
    TEditGridModel::Row &r = m_model->row(row);
    if (r.dirty || isNewRow(row)) {
        r.dirty = false;
        r.posted = true;
        emit rowPosted(row);
    }
    return true;
}

int TEditGrid::leaveRow(int from, int to)
{
    if (m_posting)
        return to;
    commitEditor();
    if (!postRow(from)) {
        to = to > from ? to - 1 : to;
        from = -1;   // the row left is gone
    }
    if (m_rowLeaveGuard && from >= 0)
        return m_rowLeaveGuard(from, to);
    return to;
}

int TEditGrid::nextVisibleColumn(int column, int step) const
{
    for (int c = column + step; c >= 0 && c < columnCount(); c += step)
        if (!isColumnHidden(c))
            return c;
    return -1;
}

void TEditGrid::keyPressEvent(QKeyEvent *event)
{
    if (m_readOnly) {
        QTableView::keyPressEvent(event);
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int row = currentRow();
    if (ctrl && event->key() == Qt::Key_Right && row >= 0) {
        const int col = currentIndex().column();
        if (m_blockRow < 0) {
            m_blockRow = row;
            m_blockFirst = m_blockLast = col;
        }
        if (row == m_blockRow) {
            const int next = nextVisibleColumn(m_blockLast, 1);
            if (next >= 0) {
                m_blockLast = next;
                setCurrentCell(row, next);
            }
            m_model->setBlock(m_blockRow, m_blockFirst, m_blockLast);
        }
        return;
    }
    if (ctrl && event->key() == Qt::Key_Down && row >= 0) {
        fillDown();
        return;
    }
    if (event->key() == Qt::Key_Down && !ctrl && row >= 0 && row == rowCount() - 1
        && !(event->modifiers() & Qt::ShiftModifier)) {
        if (m_rowAppender && editTriggers() != NoEditTriggers && !(isNewRow(row) && isBlankRow(row)))
            m_rowAppender();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && row >= 0) {
        int next = nextVisibleColumn(currentIndex().column(), 1);
        if (next >= 0)
            setCurrentCell(row, next);
        else if (row + 1 < rowCount())
            setCurrentCell(row + 1, nextVisibleColumn(-1, 1));
        return;
    }
    QTableView::keyPressEvent(event);
}

void TEditGrid::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Control)
        endBlock();
    QTableView::keyReleaseEvent(event);
}

void TEditGrid::focusOutEvent(QFocusEvent *event)
{
    endBlock();
    QTableView::focusOutEvent(event);
}

void TEditGrid::fillDown()
{
    int row = currentRow();
    const int col = currentIndex().column();
    if (m_blockRow < 0) {
        if (isNewRow(row) && isBlankRow(row))
            return;   // nothing to copy
        m_blockRow = row;
        m_blockFirst = m_blockLast = col;
        m_model->setBlock(m_blockRow, m_blockFirst, m_blockLast);
    }
    if (row + 1 >= rowCount())
        return;
    setCurrentCell(row + 1, col);
    const int target = currentRow();
    if (target < 0 || target == m_blockRow || m_blockRow < 0)
        return;
    if (m_keyColumn >= 0 && cell(target, m_keyColumn).isEmpty())
        return;   // a row not yet holding a record is not filled
    for (int c = m_blockFirst; c <= m_blockLast; ++c)
        if (!column(c).isReadOnly && !column(c).isHidden)
            m_model->setCell(target, c, cell(m_blockRow, c));
    emit rowFilled(target);
    setRowClean(target);
}

void TEditGrid::endBlock()
{
    if (m_blockRow < 0)
        return;
    m_blockRow = -1;
    m_model->setBlock(-1, 0, -1);
}

void TEditGrid::sortBy(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    commitEditor();
    endBlock();
    m_sortOrder = (column == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                                : Qt::AscendingOrder;
    m_sortColumn = column;
    m_model->sort(column, m_sortOrder);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, m_sortOrder);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void TEditGrid::clearSortMarks()
{
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void TEditGrid::setFooterCaption(int column, const QString &text)
{
    if (column < 0 || column >= m_footerCaptions.size())
        return;
    m_footerCaptions[column] = text;
    computeFooter();
}

QString TEditGrid::footerText(int column) const { return m_footerTexts.value(column); }

void TEditGrid::computeFooter()
{
    for (int c = 0; c < columnCount(); ++c) {
        if (!column(c).isSummed) {
            m_footerTexts[c] = m_footerCaptions.value(c);
            continue;
        }
        double sum = 0;
        for (int r = 0; r < rowCount(); ++r) {
            bool ok = false;
            const double v = numberOf(cell(r, c), &ok);
            if (ok)
                sum += v;
        }
        m_footerTexts[c] = FormatThousands(qint64(std::llround(sum)));
    }
    emit footerComputed();
    m_footer->update();
}

// ---- the footer line -----------------------------------------------------------------------

TGridFooter::TGridFooter(TEditGrid *grid) : QWidget(grid->parentWidget()), m_grid(grid)
{
    setObjectName(QStringLiteral("rgrFooter"));
    setFixedHeight(fontMetrics().height() + 6);
}

void TGridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    QHeaderView *h = m_grid->horizontalHeader();
    const int offset = m_grid->frameWidth() + (m_grid->verticalHeader()->isVisible() ? m_grid->verticalHeader()->width() : 0);
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        if (h->isSectionHidden(c))
            continue;
        const QRect r(offset + h->sectionViewportPosition(c), 0, h->sectionSize(c), height());
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(r.adjusted(3, 0, -3, 0), int(m_grid->column(c).align()), m_grid->footerText(c));
    }
}

// ---- the row count line --------------------------------------------------------------------

TRowCountFooter::TRowCountFooter(TEditGrid *grid, QWidget *parent) : QLabel(parent)
{
    setObjectName(grid->objectName() + QStringLiteral("Footer"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setMargin(2);
    auto count = [this, grid] { setText(QString::number(grid->rowCount())); };
    TEditGridModel *model = grid->gridModel();
    connect(model, &QAbstractItemModel::modelReset, this, count);
    connect(model, &QAbstractItemModel::rowsInserted, this, count);
    connect(model, &QAbstractItemModel::rowsRemoved, this, count);
    count();
}
