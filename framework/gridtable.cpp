#include "gridtable.h"
#include "fieldbinder.h"
#include "unitofwork.h"
#include "listmodel.h"
#include "database/datamodule.h"
#include "database/transaction.h"
#include "core/messages.h"
#include "core/startupvalues.h"
#include "core/utils.h"
#include "widgets/inputs.h"
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const char *kGridInput = "gridTableInput";

bool insideItemView(const QWidget *w)
{
    for (const QWidget *a = w->parentWidget(); a; a = a->parentWidget())
        if (qobject_cast<const QAbstractItemView *>(a))
            return true;
    return false;
}

bool isInput(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w))
        return !qobject_cast<const QComboBox *>(w->parentWidget()) && !qobject_cast<const QAbstractSpinBox *>(w->parentWidget());
    return qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w);
}

bool isMemo(const QObject *w) { return qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w); }

void paintGridInput(QWidget *control, bool focused)
{
    TfrmZZI000::setInputColour(control, focused ? QColor(255, 255, 204) : QApplication::palette().color(QPalette::Base));
}
}

// ---- the change buffer ---------------------------------------------------------------------

void TChangeBuffer::record(const QString &rowId, const QStringList &cells, int state)
{
    for (Entry &e : m_entries)
        if (e.rowId == rowId && e.state != 3) {
            e.cells = cells;
            e.state = state;
            return;
        }
    m_entries.append({cells, state, rowId});
}

void TChangeBuffer::recordDeletion(const QString &rowId, const QStringList &cells)
{
    m_entries.append({cells, 3, rowId});
}

void TChangeBuffer::forget(const QString &rowId)
{
    m_entries.removeIf([&](const Entry &e) { return e.rowId == rowId; });
}

// ---- the screen ----------------------------------------------------------------------------

TGridTableScreen::TGridTableScreen(const Texts &texts, QWidget *parent) : TfrmZZI010(parent), m_texts(texts)
{
    auto *mainLayout = static_cast<QVBoxLayout *>(panMain->layout());
    panMaster = new QFrame(panMain);
    panMaster->setObjectName("panMaster");
    panMaster->hide();
    mainLayout->addWidget(panMaster);

    Panel1 = new QFrame(panMain);
    Panel1->setObjectName("Panel1");
    auto *gridLayout = new QVBoxLayout(Panel1);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(0);
    rgrGrid = new TEditGrid(Panel1);
    rgrGrid->setObjectName("rgrGrid");
    m_form = new TRecordForm(rgrGrid, this);
    gridLayout->addWidget(rgrGrid, 1);
    gridLayout->addWidget(rgrGrid->footer());
    mainLayout->addWidget(Panel1, 1);

    const RowButtons buttons = addRowButtons(
        QStringLiteral("추가"), QStringLiteral("삭제"), [this] { return rgrGrid->currentRow(); }, [this] { return rgrGrid->rowCount(); },
        [this](QToolButton *b, int row) { navigate(b, row); });
    sbtFirst = buttons.first, sbtPrior = buttons.prior, sbtNext = buttons.next, sbtLast = buttons.last;
    bbtAdd = buttons.add, bbtDelete = buttons.remove;
    connect(bbtAdd, &QPushButton::clicked, this, &TGridTableScreen::bbtAddClick);
    connect(bbtDelete, &QPushButton::clicked, this, &TGridTableScreen::bbtDeleteClick);

    qryTemp = std::make_unique<db::Query>(DM()->dbsDB);
    prcProc = std::make_unique<db::StoredProc>(DM()->dbsDB);

    connect(rgrGrid, &TEditGrid::cellEdited, this, [this] { m_modified = true; });
    // Down past the last row is Add: only where Add may, and the row is the one Add gives
    rgrGrid->setRowAppender([this] {
        if (!bbtAdd->isHidden() && bbtAdd->isEnabled())
            bbtAddClick();
    });
    connect(rgrGrid, &TEditGrid::rowPosted, this, &TGridTableScreen::rowPosted);
    connect(rgrGrid, &TEditGrid::rowFilled, this, [this](int row) {
        rowPosted(row);
        m_modified = true;
    });
    setSearchMode(true);
}

TGridTableScreen::~TGridTableScreen() = default;

// ---- rows and the buffer -------------------------------------------------------------------

void TGridTableScreen::prepareGrid()
{
    if (m_rowIdColumn < 0) {
        m_rowIdColumn = rgrGrid->columnCount();
        rgrGrid->addColumn("RowID", TColumn::Number, 40).hidden().readOnly();
        rgrGrid->setKeyColumn(m_rowIdColumn);
        rgrGrid->applyColumns();
    }
}

bool TGridTableScreen::LoadRows()
{
    if (qryQuery->sql().trimmed().isEmpty()) {
        ShowError(QStringLiteral("qryQuery의 쿼리문이 없습니다."));
        return false;
    }
    const QString missing = qryQuery->firstUnboundParam();
    if (!missing.isEmpty()) {
        SetStatusMessage(missing + QStringLiteral(" 파라미터가 없습니다."));
        return false;
    }
    WaitCursor wait;
    if (!qryQuery->open()) {
        SetStatusMessage(qryQuery->lastError());
        return false;
    }
    prepareGrid();
    m_fields = qryQuery->fieldNames();
    // each column takes the field it names, wherever the select list has it
    const QVector<int> at = FieldPositions(rgrGrid->gridModel()->columns(), m_rowIdColumn, m_fields);
    m_buffer.columns.clear();
    for (int c = 0; c < rgrGrid->columnCount(); ++c)
        m_buffer.columns.append(c < m_rowIdColumn && at[c] >= 0 ? QStringLiteral("A") + m_fields[at[c]] : QString());

    QVector<TEditGridModel::Row> rows;
    while (qryQuery->next()) {
        TEditGridModel::Row r;
        r.cells.reserve(rgrGrid->columnCount());
        for (int c = 0; c < m_rowIdColumn; ++c)
            r.cells.append(at[c] >= 0 ? qryQuery->value(at[c]) : QString());
        r.cells.append(QString::number(++m_counter));
        r.state = 1;
        r.posted = true;
        rows.append(std::move(r));
    }
    if (readFailed(*qryQuery))   // a row that could not be read: nothing is shown rather than a part
        return false;
    qryQuery->close();
    // the personal numbers each row was read with in their masked form: sent back untouched they
    // keep the stored number, partly replaced they are refused
    m_shownMasked.clear();
    for (const TEditGridModel::Row &r : std::as_const(rows))
        if (const QStringList masked = m_form->maskedNumbers(r.cells); !masked.isEmpty())
            m_shownMasked.insert(r.cells.value(m_rowIdColumn), masked);
    rgrGrid->setRows(std::move(rows));
    if (rgrGrid->sortColumn() >= 0)   // read again in the order the user chose
        rgrGrid->gridModel()->sort(rgrGrid->sortColumn(), rgrGrid->sortOrder());
    m_buffer.clear();
    m_modified = false;
    if (rgrGrid->rowCount() > 0)
        rgrGrid->setCurrentRow(0);
    return true;
}

int TGridTableScreen::appendRecord(const QStringList &cells, int state)
{
    prepareGrid();
    QStringList r = cells.mid(0, m_rowIdColumn);
    while (r.size() < m_rowIdColumn)
        r.append(QString());
    const QString id = QString::number(++m_counter);
    r.append(id);
    const int row = rgrGrid->appendRow(r, state);
    rgrGrid->setRowClean(row);
    m_buffer.record(id, rgrGrid->rowCells(row), state);
    m_modified = true;
    return row;
}

void TGridTableScreen::rowPosted(int row)
{
    QString id = rgrGrid->cell(row, m_rowIdColumn);
    if (id.isEmpty()) {
        id = QString::number(++m_counter);
        rgrGrid->setCell(row, m_rowIdColumn, id);
    }
    m_buffer.record(id, rgrGrid->rowCells(row), rgrGrid->rowState(row));
}

// ---- actions -------------------------------------------------------------------------------

void TGridTableScreen::search()
{
    m_form->bindConditions(qryQuery.get());
    if (!LoadRows())
        return;
    setSearchMode(false);
    rgrGrid->setFocus();
    if (rgrGrid->rowCount() == 0)
        SetStatusMessage(QStringLiteral("조회할 내용이 없습니다."));
    ShowRow();
}

void TGridTableScreen::bbtAddClick()
{
    if (!beginAction(bbtAdd))
        return;
    rgrGrid->insertNewRow();
}

void TGridTableScreen::bbtDeleteClick()
{
    if (!beginAction(bbtDelete))
        return;
    const int row = rgrGrid->currentRow();
    if (row < 0 || !AskYesNo(m_texts.deleteQuestion))
        return;
    rgrGrid->commitEditor();
    const QString id = rgrGrid->cell(row, m_rowIdColumn);
    if (!id.isEmpty()) {
        if (rgrGrid->rowState(row) == 1) {
            m_buffer.recordDeletion(id, rgrGrid->rowCells(row));
            m_modified = true;
        } else {
            m_buffer.forget(id);   // never stored: nothing to send for it
        }
    }
    rgrGrid->removeRow(row);
    rgrGrid->setFocus();
}

void TGridTableScreen::navigate(QToolButton *button, int row)
{
    if (!beginAction(button) || rgrGrid->rowCount() == 0)
        return;
    rgrGrid->setCurrentRow(qBound(0, row, rgrGrid->rowCount() - 1));
}

bool TGridTableScreen::failSave(const QString &error)
{
    m_saveError = error;
    return false;
}

bool TGridTableScreen::ExecuteRow()
{
    return prcProc->exec() || failSave(prcProc->lastError());
}

bool TGridTableScreen::SaveRows(TEditGrid *grid, TChangeBuffer &buffer, db::StoredProc *procedure)
{
    const int versionColumn = int(buffer.columns.indexOf(QStringLiteral("AROW_VERSION")));
    QHash<QString, qlonglong> &versionsAfter = m_versionsAfter[grid];
    for (const TChangeBuffer::Entry &e : buffer.entries()) {
        QVariant version;   // a new row has none; a stored one the version it was read at, or saved at just now
        if ((e.state == 1 || e.state == 3) && versionColumn >= 0 && versionColumn < e.cells.size()) {
            if (versionsAfter.contains(e.rowId))
                version = versionsAfter.value(e.rowId);
            else if (!e.cells[versionColumn].isEmpty())
                version = e.cells[versionColumn].toLongLong();
        }
        SetEntryParams(*procedure, buffer.columns, e.cells, version);
        procedure->setParam(QStringLiteral("AEDITSTATUS"), RowStateCodes.value(e.state == 0 ? 2 : e.state));
        m_savingRowId = e.rowId;
        m_saveError.clear();
        bool ok;
        if (grid == rgrGrid && procedure == prcProc.get())
            ok = ExecuteRow();
        else
            ok = procedure->exec() || failSave(procedure->lastError());
        m_savingRowId.clear();
        if (!ok)
            return false;
        if (procedure->rowVersionAfter().isValid())
            versionsAfter.insert(e.rowId, procedure->rowVersionAfter().toLongLong());
    }
    m_sent.append({grid, &buffer});   // settled once the transaction is committed
    return true;
}

bool TGridTableScreen::SaveChanges()
{
    // the conditions first: a row's own field of the same name is set after them
    m_form->setConditionParams(prcProc.get());
    return SaveRows(rgrGrid, m_buffer, prcProc.get());
}

void TGridTableScreen::save()
{
    rgrGrid->postCurrentRow();
    if (!m_modified) {
        ShowError(m_texts.noChanges);
        return;
    }
    if (!checkPersonalNumbers() || !validateRows())
        return;
    if (!m_saveQuestion.isEmpty() && !AskYesNo(m_saveQuestion))
        return;
    db::Database *db = prcProc->database();
    if (db && !db->isOpen())
        db->open(db->settings());
    m_saved = false;
    m_saveError.clear();
    m_sent.clear();
    m_versionsAfter.clear();
    QString error;
    const bool ok = RunInOwnUnit(db, [this](QString &failure) {
        if (SaveChanges())
            return true;
        failure = m_saveError;
        return false;
    }, error);
    if (!ok) {
        // Nothing of it was stored: every entry stays pending, so a repeated save sends each change once.
        m_sent.clear();
        m_versionsAfter.clear();
        ShowError(db::Database::saveFailedMessage(error));
        return;
    }
    // The saved rows are stored ones now: a row saved as new is changed, not inserted, next time.
    for (const auto &[grid, buffer] : m_sent) {
        QSet<QString> saved;
        for (const TChangeBuffer::Entry &e : buffer->entries())
            saved.insert(e.rowId);
        const QHash<QString, qlonglong> versions = m_versionsAfter.value(grid);
        const int versionColumn = int(buffer->columns.indexOf(QStringLiteral("AROW_VERSION")));
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->keyColumn() < 0 || saved.contains(grid->cell(r, grid->keyColumn()))) {
                grid->setRowState(r, 1);
                grid->setRowClean(r);
                const auto v = versions.constFind(grid->keyColumn() < 0 ? QString() : grid->cell(r, grid->keyColumn()));
                if (versionColumn >= 0 && v != versions.constEnd())
                    grid->setCell(r, versionColumn, QString::number(*v));
            }
        buffer->clear();
    }
    m_sent.clear();
    m_versionsAfter.clear();
    m_saved = true;
    m_modified = false;
    const QString done = QStringLiteral("자료를 저장했습니다.");
    SetStatusMessage(done);
    if (m_searchAfterSave) {
        // keys given by the database are shown only by reading the rows again
        const int row = rgrGrid->currentRow();
        if (LoadRows()) {
            rgrGrid->setCurrentRow(qMin(row, rgrGrid->rowCount() - 1));
            ShowRow();
            SetStatusMessage(done);
        } else {
            ShowInfo(QStringLiteral("자료를 불러오는중에 문제가 발생했습니다. 취소후 다시 조회하십시요"));
        }
    }
    AfterSave();   // the data is committed whatever the list shows
}

bool TGridTableScreen::hasUnsavedWork()
{
    if (isSearchMode())
        return false;
    rgrGrid->commitEditor();
    return m_modified;
}

void TGridTableScreen::cancel()
{
    if (hasUnsavedWork() && !AskYesNo(m_texts.cancelQuestion))
        return;
    setSearchMode(true);
    rgrGrid->clearSortMarks();
    m_form->setFilling(true);   // what is emptied here is no change of a row
    clearDataArea();
    rgrGrid->clearRows();
    m_form->setFilling(false);
    m_buffer.clear();
    m_shownMasked.clear();
    m_counter = 0;
    m_modified = false;
    ShowRow();
}

void TGridTableScreen::clearDataArea()
{
    for (QWidget *w : panMain->findChildren<QWidget *>()) {
        if (insideItemView(w))
            continue;
        if (auto *grid = qobject_cast<TEditGrid *>(w)) {
            grid->clearRows();
        } else if (auto *n = qobject_cast<TNumericEdit *>(w)) {
            n->setValue(0);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (!qobject_cast<QComboBox *>(e->parentWidget()) && !qobject_cast<QAbstractSpinBox *>(e->parentWidget()))
                e->clear();
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            check->setChecked(false);
        } else if (auto *t = qobject_cast<QTextEdit *>(w)) {
            t->clear();
        } else if (auto *p = qobject_cast<QPlainTextEdit *>(w)) {
            p->clear();
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            if (!l->buddy())
                l->clear();   // captions of the inputs keep their text
        }
    }
}

void TGridTableScreen::placeBesideGrid(QWidget *panel, int gridStretch, int panelStretch, Qt::Alignment alignment)
{
    auto *mainLayout = static_cast<QVBoxLayout *>(panMain->layout());
    mainLayout->removeWidget(Panel1);
    auto *panBody = new QFrame(panMain);
    panBody->setObjectName("panBody");
    auto *bodyLayout = new QHBoxLayout(panBody);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    Panel1->setParent(panBody);
    bodyLayout->addWidget(Panel1, gridStretch);
    panel->setParent(panBody);
    bodyLayout->addWidget(panel, panelStretch, alignment);
    mainLayout->addWidget(panBody, 1);
}

// ---- the field table and the form ---------------------------------------------------------

void TGridTableScreen::setFields(const TFieldTable &fields, TFieldPanel *form, const QStringList &formOrder)
{
    QVector<int> columns;
    for (const TField &f : fields) {
        if (f.isCondition) {
            columns.append(-1);
            continue;
        }
        TColumn column = f.column;
        if (!column.pickGroup.isEmpty())
            column.pickList(column.pickGroup);   // the codes and labels, now that the database is open
        rgrGrid->addColumn(column);
        columns.append(rgrGrid->columnCount() - 1);
    }
    rgrGrid->applyColumns();
    m_form->setFields(fields, columns, conditions(), form, /*panelBinding*/ false, formOrder);

    const QList<QWidget *> bound = m_form->boundControls();
    for (QWidget *w : bound)
        OnFieldChange(w, this, [this, w] { StoreControl(w); });
    if (bound.isEmpty())
        return;
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { ShowRow(); });
    connect(rgrGrid, &TEditGrid::cellEdited, this, [this](int row) {
        if (row == rgrGrid->currentRow())
            ShowRow();   // a cell typed into in the grid shows in the form too
    });
}

void TGridTableScreen::setLoadQuery(const QString &fromWhereOrder)
{
    qryQuery->setSql(m_form->selectStatement(fromWhereOrder));
}

void TGridTableScreen::ShowRow()
{
    m_form->showRow(rgrGrid->currentRow());
}

void TGridTableScreen::StoreControl(QWidget *control)
{
    if (!m_form->storeControl(control))
        return;
    const int row = rgrGrid->currentRow();
    const QString id = m_rowIdColumn >= 0 ? rgrGrid->cell(row, m_rowIdColumn) : QString();
    if (id.isEmpty())
        return;
    m_buffer.record(id, rgrGrid->rowCells(row), rgrGrid->rowState(row));
    m_modified = true;
}

// No partly replaced masked number among the changes: the first one found is shown and refused.
bool TGridTableScreen::checkPersonalNumbers()
{
    for (const TChangeBuffer::Entry &e : m_buffer.entries()) {
        if (e.state == 3)
            continue;
        const int field = m_form->partlyReplacedNumber(e.cells, m_shownMasked.value(e.rowId));
        if (field < 0)
            continue;
        for (int r = 0; r < rgrGrid->rowCount(); ++r)
            if (rgrGrid->cell(r, m_rowIdColumn) == e.rowId && r != rgrGrid->currentRow())
                rgrGrid->setCurrentRow(r);
        return m_form->refusePartlyReplaced(field);
    }
    return true;
}

// ---- inputs by their names -----------------------------------------------------------------

void TGridTableScreen::showEvent(QShowEvent *event)
{
    TfrmZZI010::showEvent(event);
    if (m_attached)
        return;
    m_attached = true;
    for (QWidget *w : findChildren<QWidget *>())
        if (isInput(w) && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && !insideItemView(w))
            attachInput(w);
}

void TGridTableScreen::attachInput(QWidget *control)
{
    if (!control || control->property(kGridInput).toBool())
        return;
    control->setProperty(kGridInput, true);
    control->installEventFilter(this);
    paintGridInput(control, control->hasFocus());
    if (control->objectName().startsWith("wme"))
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { showDayName(edit); });
            showDayName(edit);
        }
}

void TGridTableScreen::showDayName(QWidget *maskEdit)
{
    auto *label = findChild<QLabel *>(QStringLiteral("wlb") + maskEdit->objectName().mid(3));
    if (!label)
        return;
    QString date;
    if (auto *m = qobject_cast<TMaskEdit *>(maskEdit))
        date = m->value();
    else if (auto *e = qobject_cast<QLineEdit *>(maskEdit))
        date = DigitsOnly(e->text());
    label->setText(DayName(date));
}

bool TGridTableScreen::clickLookup(QWidget *control)
{
    const QString suffix = control->objectName().mid(3);
    if (suffix.isEmpty())
        return false;
    for (const char *prefix : {"sbt", "bbt"})
        if (auto *b = findChild<QAbstractButton *>(QLatin1String(prefix) + suffix)) {
            if (b->isEnabled() && !b->isHidden())
                b->click();
            return true;
        }
    return false;
}

bool TGridTableScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->property(kGridInput).toBool()) {
        auto *w = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            paintGridInput(w, event->type() == QEvent::FocusIn);
            return false;
        }
        if (event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            if (k->key() == Qt::Key_F1 && clickLookup(w))
                return true;
            if (qobject_cast<TMaskEdit *>(w) && !k->text().isEmpty() && k->text().at(0) >= QLatin1Char(' ')
                && !QStringLiteral("0123456789-.").contains(k->text()))
                return true;   // a masked edit takes digits, "-" and "." only
            const bool condition = w->parentWidget() == conditions();
            if (!condition && !isMemo(w) && handleEnter(watched, event))
                return true;
        }
    }
    return TfrmZZI010::eventFilter(watched, event);
}
