#include "ezi000.h"
#include "ezh999.h"
#include "listmodel.h"
#include "database/datamodule.h"
#include "database/transaction.h"
#include "core/utils.h"
#include "core/messages.h"
#include "core/startupvalues.h"
#include "dialogs/lookupdialogs.h"
#include "fieldbinder.h"
#include "fieldlookups.h"
#include "unitofwork.h"
#include "refdata/lookups.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char *kDetail = "ezi000Detail";
const char *kHeader = "ezi000Header";   // a header field saved with the rows: Enter moves on
}

TDetailPanel::TDetailPanel(TEditGrid *grid, QWidget *parent) : TFieldPanel(parent, 3), m_grid(grid) {}

void TDetailPanel::prepareCodeCombo(TCodeCombo *combo, const QString &key, bool)
{
    SetHint(combo, key);
    int c = m_grid->columnByTitle(key);
    if (c >= 0)
        combo->setItems(m_grid->column(c).pickCodes, m_grid->column(c).pickLabels);
}

TfrmEZI000::TfrmEZI000(QWidget *parent) : TfrmZZI010(parent)
{
    auto *mainLayout = static_cast<QVBoxLayout *>(panMain->layout());
    panHead = new QFrame(panMain);
    panHead->setObjectName("panHead");
    panHead->hide();
    mainLayout->addWidget(panHead);

    panGrid = new QFrame(panMain);
    panGrid->setObjectName("panGrid");
    auto *gridLayout = new QVBoxLayout(panGrid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    rgrGrid = new TEditGrid(panGrid);
    rgrGrid->setReadOnly();
    rgrGrid->setObjectName("rgrGrid");
    m_form = new TRecordForm(rgrGrid, this);
    gridLayout->addWidget(rgrGrid);
    mainLayout->addWidget(panGrid, 1);
    rgrGrid->addColumn("TEMP", TColumn::Text, 10).hidden().trailing();

    panBody = new TDetailPanel(rgrGrid, panMain);
    panBody->setObjectName("panBody");
    panBody->setFrameShape(QFrame::StyledPanel);
    mainLayout->addWidget(panBody);
    connect(panBody, &TFieldPanel::controlAdded, this, &TfrmEZI000::attachDetailControl);
    m_form->bindByHints(panBody);
    m_form->setKeyColumnTest([this](int c) { return rgrGrid->column(c).isKey; });

    const RowButtons buttons = addRowButtons(
        QStringLiteral("신규(F4)"), QStringLiteral("삭제(F9)"), [this] { return rgrGrid->currentRow(); },
        [this] { return rgrGrid->rowCount(); }, [this](QToolButton *b, int row) { navigate(b, row); });
    sbtFirst = buttons.first, sbtPrior = buttons.prior, sbtNext = buttons.next, sbtLast = buttons.last;
    bbtAdd = buttons.add, bbtDelete = buttons.remove;
    connect(bbtAdd, &QPushButton::clicked, this, &TfrmEZI000::bbtAddClick);
    connect(bbtDelete, &QPushButton::clicked, this, &TfrmEZI000::bbtDeleteClick);
    addHotkey(QStringLiteral("신규"), Qt::Key_F4, [this] { bbtAddClick(); });
    addHotkey(QStringLiteral("삭제"), Qt::Key_F9, [this] { bbtDeleteClick(); });
    addHotkey(QStringLiteral("rgrGridBack DisPlay"), QKeySequence(Qt::CTRL | Qt::Key_F2), [this] { showPendingChanges(); });

    prcSaveData = std::make_unique<db::StoredProc>(DM()->dbsDB);
    connect(rgrGrid, &TEditGrid::currentRowChanged, this, [this](int current, int) { rowChanged(current); });
    rgrGrid->setRowLeaveGuard([this](int from, int to) { return guardRowLeave(from, to); });
    // While a row is removed the view reports the new current row by its number before the removal;
    // afterwards the row shown is the current one, whatever number it now has.
    connect(rgrGrid->model(), &QAbstractItemModel::rowsRemoved, this, [this] {
        if (m_shownRow >= 0)
            m_shownRow = rgrGrid->currentRow();
    });
    setSearchMode(true);
}

TfrmEZI000::~TfrmEZI000() = default;

int TfrmEZI000::tempColumn() const { return rgrGrid->columnCount() - 1; }
bool TfrmEZI000::isLoadedRow(int row) const { return rgrGrid->cell(row, tempColumn()) == "Y"; }

// ---- binding -------------------------------------------------------------------------------

void TfrmEZI000::attachDetailControl(QWidget *control)
{
    if (control->property(kDetail).toBool())
        return;
    control->setProperty(kDetail, true);
    attachColouring(control);
    control->installEventFilter(this);
    auto changed = [this, control] { controlChanged(control); };
    if (IsBoundByUserProperty(control)) {
        const QMetaProperty user = control->metaObject()->userProperty();
        if (user.hasNotifySignal())
            connect(control, user.notifySignal(), this,
                    metaObject()->method(metaObject()->indexOfSlot("userPropertyChanged()")));
    } else if (auto *c = qobject_cast<QComboBox *>(control))
        connect(c, &QComboBox::currentIndexChanged, this, changed);
    else if (auto *e = qobject_cast<QLineEdit *>(control))
        connect(e, &QLineEdit::textChanged, this, changed);
    else if (auto *t = qobject_cast<QTextEdit *>(control))
        connect(t, &QTextEdit::textChanged, this, changed);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(control))
        connect(p, &QPlainTextEdit::textChanged, this, changed);
}

void TfrmEZI000::attachHeaderControl(QWidget *control)
{
    control->setProperty(kHeader, true);
    control->installEventFilter(this);
    auto changed = [this] {
        if (!isSearchMode() && !m_form->isFilling())
            m_headerModified = true;
    };
    if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textEdited, this, changed);
}

void TfrmEZI000::userPropertyChanged()
{
    if (auto *control = qobject_cast<QWidget *>(sender()))
        controlChanged(control);
}

void TfrmEZI000::controlChanged(QWidget *control)
{
    if (m_form->isFilling())
        return;
    SetStatusMessage(QString());
    m_modified = true;
    StoreControl(control);
}

QWidget *TfrmEZI000::firstDetailControl() const
{
    for (QWidget *w : tabStops())
        if (w->property(kDetail).toBool() && panBody->isAncestorOf(w))
            return w;
    for (QWidget *w : panBody->findChildren<QWidget *>())
        if (w->property(kDetail).toBool() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && w->isVisibleTo(panBody))
            return w;
    return nullptr;
}

void TfrmEZI000::ShowRow()
{
    const int row = rgrGrid->currentRow();
    if (row < 0) {
        ClearDetail();
        return;
    }
    m_form->showRow(row);
    if (m_statusButtons) {
        const QString status = rgrGrid->cell(row, m_statusColumn);
        if (!isLoadedRow(row) && status.isEmpty())
            m_statusButtons->release();   // a new record's status is chosen, not taken from the row before
        else
            m_statusButtons->press(status);
    }
}

void TfrmEZI000::StoreControl(QWidget *control)
{
    const int row = rgrGrid->currentRow();
    if (!m_modified || row < 0)
        return;
    if (m_statusButtons && !m_statusButtons->pressed().isEmpty())
        rgrGrid->setCell(row, m_statusColumn, m_statusButtons->pressed());
    m_form->storeControl(control);
}

TStatusButtons *TfrmEZI000::addStatusButtons(int column)
{
    m_statusButtons = new TStatusButtons(this);
    m_statusColumn = column;
    connect(m_statusButtons, &TStatusButtons::clicked, this, [this](const QString &code) {
        SetStatusMessage(QString());
        m_modified = true;
        if (rgrGrid->currentRow() >= 0)
            rgrGrid->setCell(rgrGrid->currentRow(), m_statusColumn, code);
    });
    return m_statusButtons;
}

void TfrmEZI000::ClearDetail()
{
    m_form->setFilling(true);
    for (QWidget *w : panBody->findChildren<QWidget *>()) {
        if (IsBoundByUserProperty(w)) {
            const QMetaProperty user = w->metaObject()->userProperty();
            user.write(w, QVariant(user.metaType()));
        } else if (auto *combo = qobject_cast<TCodeCombo *>(w)) {
            combo->setCurrentIndex(-1);
            combo->setPlaceholderText(QString());
        } else if (auto *n = qobject_cast<TNumericEdit *>(w))
            n->setValue(0);
        else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (!qobject_cast<QComboBox *>(e->parentWidget()) && !qobject_cast<QAbstractSpinBox *>(e->parentWidget()))
                e->clear();
        } else if (auto *t = qobject_cast<QTextEdit *>(w))
            t->clear();
        else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
            p->clear();
        else if (auto *l = qobject_cast<QLabel *>(w)) {
            if (!l->buddy())
                l->clear();   // captions of the inputs keep their text
        }
    }
    m_form->setFilling(false);
}

// ---- rows ----------------------------------------------------------------------------------

TFieldPanel *TfrmEZI000::headPanel()
{
    if (!m_headPanel) {
        m_headPanel = new TFieldPanel(panHead);
        auto *layout = new QVBoxLayout(panHead);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_headPanel);
        panHead->show();
    }
    return m_headPanel;
}

void TfrmEZI000::addPendingEntry(int row, const QString &editStatus)
{
    QStringList entry;
    const int n = int(m_fields.size()) - 1;
    for (int i = 0; i < n; ++i)
        entry.append(rgrGrid->cell(row, i));
    entry.append(editStatus);
    m_pending.append(entry);
    // A row changed twice before one save sends two entries: the second finds the version the first
    // leaves behind.
    const int version = int(m_fields.indexOf(QStringLiteral("ROW_VERSION")));
    if (editStatus == QLatin1String("1") && version >= 0 && version < n && !entry[version].isEmpty())
        rgrGrid->setCell(row, version, QString::number(entry[version].toLongLong() + 1));
}

void TfrmEZI000::PostCurrentRow()
{
    const int row = m_shownRow >= 0 ? m_shownRow : rgrGrid->currentRow();
    if (m_modified && row >= 0 && row < rgrGrid->rowCount() && isLoadedRow(row))
        addPendingEntry(row, "1");
    m_modified = false;
}

void TfrmEZI000::rowChanged(int current)
{
    if (m_modified && m_shownRow >= 0)
        PostCurrentRow();
    m_modified = false;
    m_shownRow = current;
    EnableKeyControls(m_newRowPending);
    m_newRowPending = false;
    showCurrentRow();
    if (current >= 0 && isVisible() && !isSearchMode())
        if (QWidget *w = firstDetailControl())
            w->setFocus();
}

int TfrmEZI000::guardRowLeave(int from, int to)
{
    // Save, Cancel and Delete move rows only after they set the shown row aside, so they pass here.
    if (!m_rowLeaveChecks || m_form->isFilling() || from != m_shownRow || from >= rgrGrid->rowCount())
        return to;
    if (isBlankRow(from)) {
        // a row nobody filled in is not worth a message: it goes
        m_shownRow = -1;
        m_modified = false;
        m_newRowPending = false;
        rgrGrid->removeRow(from);
        return to > from ? to - 1 : to;
    }
    return checkCurrentRow() ? to : -1;
}

bool TfrmEZI000::checkCurrentRow()
{
    // A stored record nobody touched is sent nowhere: browsing past it (say, after the common codes
    // changed under it) must not be stopped.
    const int row = rgrGrid->currentRow();
    if (row >= 0 && isLoadedRow(row) && !m_modified)
        return true;
    return validateHeader() && m_form->checkFields() && validateRow();
}

// ---- field table ---------------------------------------------------------------------------

void TfrmEZI000::setFields(const TFieldTable &fields)
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
        columns.append(rgrGrid->columnCount() - 2);   // before the trailing "TEMP"
    }
    // the detail panel binds its controls by their hints, the column titles
    m_form->setFields(fields, columns, conditions(), panBody, /*panelBinding*/ true);
}

void TfrmEZI000::setLoadQuery(const QString &fromWhereOrder)
{
    qryQuery->setSql(m_form->selectStatement(fromWhereOrder));
}

void TfrmEZI000::OpenRecordWhenEmpty()
{
    if (isSearchMode() || rgrGrid->rowCount() > 0)
        return;
    ClearDetail();
    m_shownRow = -1;
    const int row = rgrGrid->appendRow();
    StartNewRow(row, -1);
    m_form->rememberStarted(row);
    rgrGrid->setCurrentRow(row);
    EnableKeyControls(true);
    showCurrentRow();
}

void TfrmEZI000::ClearRows()
{
    m_shownRow = -1;
    m_modified = false;
    m_form->forgetStarted();
    rgrGrid->clearRows();
}

bool TfrmEZI000::LoadRows()
{
    const QString missing = qryQuery->firstUnboundParam();
    if (!missing.isEmpty()) {
        SetStatusMessage(missing + QStringLiteral(" 파라미터가 없습니다."));
        return false;
    }
    WaitCursor wait;
    SetStatusMessage(QStringLiteral("자료를 불러오고 있습니다. 잠시 기다리십시오."));
    if (!qryQuery->open()) {
        SetStatusMessage(qryQuery->lastError());
        return false;
    }
    // each column takes the field it names, wherever the select list has it
    const int columns = rgrGrid->columnCount();
    const int temp = tempColumn();
    const QStringList names = qryQuery->fieldNames();
    const QVector<int> at = FieldPositions(rgrGrid->gridModel()->columns(), temp, names);
    m_fields.clear();
    for (int c = 0; c < temp; ++c)
        m_fields.append(at[c] >= 0 ? names[at[c]] : QString());
    m_fields.append("EDITSTATUS");
    m_pending.clear();
    m_headerModified = false;

    QVector<QStringList> rows;
    while (qryQuery->next()) {
        QStringList r;
        r.reserve(columns);
        for (int c = 0; c < temp; ++c)
            r.append(at[c] >= 0 ? qryQuery->value(at[c]) : QString());
        r.append("Y");
        rows.append(std::move(r));
    }
    if (readFailed(*qryQuery))   // a row that could not be read: nothing is shown rather than a part
        return false;
    m_shownRow = -1;
    m_modified = false;
    rgrGrid->setRows(rows);
    rgrGrid->setCurrentRow(0);
    m_pending.clear();
    m_modified = false;
    qryQuery->close();
    SetStatusMessage(QString());
    return true;
}

// ---- actions -------------------------------------------------------------------------------

void TfrmEZI000::search()
{
    const QStringList unbound = unboundHints();
    if (!unbound.isEmpty())
        qCritical("%s: controls bound to no column: %s", metaObject()->className(), qPrintable(unbound.join(", ")));
    m_form->bindConditions(qryQuery.get());
    if (!LoadRows())
        return;
    setSearchMode(false);
    rgrGrid->setFocus();
    m_newRowPending = false;
    if (rgrGrid->rowCount() > 0) {
        EnableKeyControls(false);
    } else {
        const int row = rgrGrid->appendRow();
        StartNewRow(row, -1);
        m_form->rememberStarted(row);
        m_newRowPending = true;
        rgrGrid->setCurrentRow(0);
        EnableKeyControls(true);
    }
    showCurrentRow();
    if (isVisible())
        if (QWidget *w = firstDetailControl())
            w->setFocus();
}

void TfrmEZI000::bbtAddClick()
{
    if (!beginAction(bbtAdd))
        return;
    const int row = rgrGrid->currentRow();
    if (row >= 0 && isBlankRow(row))
        return;   // no second blank row
    if (m_rowLeaveChecks && row >= 0 && !checkCurrentRow())
        return;
    if (m_modified)
        PostCurrentRow();
    m_shownRow = -1;
    int last = rgrGrid->appendRow();
    m_newRowPending = true;
    StartNewRow(last, row);
    m_form->rememberStarted(last);
    rgrGrid->setCurrentRow(last);
}

void TfrmEZI000::bindZipCode(TMaskEdit *zip, QLineEdit *address, QAbstractButton *lookup, QWidget *next)
{
    connect(zip, &QLineEdit::editingFinished, this, [zip, address] {
        if (zip->isModified() && !zip->value().isEmpty())
            address->setText(refdata::GetZipAddress(zip->value()));
    });
    connect(zip, &QLineEdit::textEdited, address, &QLineEdit::clear);
    connect(lookup, &QAbstractButton::clicked, this, [this, zip, address, lookup, next] {
        if (!beginAction(lookup))
            return;
        QString code = zip->value(), text;
        if (!SelectZipCode(code, text, this)) {
            zip->setFocus();
            return;
        }
        m_modified = true;
        zip->setValue(code);
        address->setText(text);
        StoreControl(zip);
        StoreControl(address);
        next->setFocus();
    });
    BindLookupKey(zip, lookup);
}

void TfrmEZI000::bbtDeleteClick()
{
    if (!beginAction(bbtDelete))
        return;
    const int row = rgrGrid->currentRow();
    if (row < 0 || !AskYesNo(QStringLiteral("현재 자료를 삭제하시겠습니까?")))
        return;
    if (isLoadedRow(row))
        addPendingEntry(row, "3");
    m_modified = false;
    m_shownRow = -1;
    rgrGrid->removeRow(row);
    if (rgrGrid->rowCount() == 0) {
        ClearDetail();
    } else if (rgrGrid->currentRow() != qMin(row, rgrGrid->rowCount() - 1) || m_shownRow < 0) {
        rgrGrid->setCurrentRow(qMin(row, rgrGrid->rowCount() - 1));
        if (m_shownRow < 0)
            rowChanged(rgrGrid->currentRow());
    }
    rgrGrid->setFocus();
}

void TfrmEZI000::navigate(QToolButton *button, int row)
{
    if (!beginAction(button) || rgrGrid->rowCount() == 0)
        return;
    moveTo(row);
}

void TfrmEZI000::moveTo(int row)
{
    if (row < 0 || row >= rgrGrid->rowCount() || row == rgrGrid->currentRow())
        return;
    rgrGrid->setCurrentRow(row);
}

bool TfrmEZI000::failSave(const QString &error)
{
    m_saveError = error;
    return false;
}

QVariant TfrmEZI000::rowVersionOf(const QStringList &entry, int versionColumn)
{
    if (versionColumn < 0 || versionColumn >= entry.size() - 1 || entry.last() == QLatin1String("2")
        || entry[versionColumn].isEmpty())
        return QVariant();
    return entry[versionColumn].toLongLong();
}

bool TfrmEZI000::SaveData()
{
    m_form->setConditionParams(prcSaveData.get());
    for (int r = 0; r < rgrGrid->rowCount(); ++r)
        if (!isLoadedRow(r))
            addPendingEntry(r, "2");
    QStringList params;   // "A" + field, EDITSTATUS last
    for (const QString &f : m_fields)
        params << QStringLiteral("A") + f;
    const int version = int(m_fields.indexOf(QStringLiteral("ROW_VERSION")));
    for (const QStringList &entry : m_pending) {
        SetEntryParams(*prcSaveData, params, entry, rowVersionOf(entry, version));
        if (!prcSaveData->exec())
            return failSave(prcSaveData->lastError());
        EntrySaved(entry);
    }
    m_pending.clear();
    return true;
}

void TfrmEZI000::save()
{
    saveRows();
    if (m_openRecordAfterSave)
        OpenRecordWhenEmpty();
}

void TfrmEZI000::saveRows()
{
    bbtSave->setFocus();
    if (!validateHeader() || !checkCurrentRow())
        return;
    if (m_modified)
        PostCurrentRow();
    if (!AskYesNo(QStringLiteral("저장 하시겠습니까?")))
        return;
    if (prcSaveData->procedureName().isEmpty()) {
        SetStatusMessage(QStringLiteral("스토어드 프로시져가 지정되지 않았습니다."));
        return;
    }
    const QVector<QStringList> before = m_pending;   // what stays pending if the save fails
    m_saveError.clear();
    QString error;
    if (!RunInOwnUnit(prcSaveData->database(), [this](QString &failure) {
            if (SaveData())
                return true;
            failure = m_saveError;
            return false;
        }, error)) {
        m_pending = before;   // everything was rolled back: every change is still to be sent
        ShowError(db::Database::saveFailedMessage(error));
        return;
    }
    m_pending.clear();
    m_modified = false;
    m_headerModified = false;
    AfterSave();   // the data is committed whatever the hook reports
    const QString saved = QStringLiteral("자료를 저장했습니다.");
    SetStatusMessage(saved);

    const int row = rgrGrid->currentRow();
    ClearRows();
    const bool reloaded = LoadRows();
    SetStatusMessage(saved);
    if (!reloaded) {
        ShowInfo(QStringLiteral("자료를 불러오는중에 문제가 발생했습니다. 취소후 다시 조회하십시요"));
        return;
    }
    EnableKeyControls(false);
    rgrGrid->setCurrentRow(qMin(row, rgrGrid->rowCount() - 1));
}

void TfrmEZI000::showCurrentRow()
{
    ShowRow();
    m_form->rememberShown(rgrGrid->currentRow());
}

bool TfrmEZI000::hasUnsavedWork()
{
    if (isSearchMode() || bbtSave->isHidden())
        return false;   // nothing loaded, or a screen that only shows its records
    if (hasChanges())
        return true;
    // the row on screen as it was shown, or typed into since
    const int current = rgrGrid->currentRow();
    if (current >= 0 && current == m_shownRow && m_form->changedSinceShown(current))
        return true;
    // a new record typed and left for another row
    for (int r = 0; r < rgrGrid->rowCount(); ++r)
        if (r != current && !isLoadedRow(r) && !isBlankRow(r))
            return true;
    return false;
}

void TfrmEZI000::cancel()
{
    bbtCancel->setFocus();
    if (hasUnsavedWork() && !AskYesNo(QStringLiteral("변경된 자료가 있습니다.\r정말 취소하시겠습니까?")))
        return;
    if (!beforeCancel())
        return;
    m_pending.clear();
    m_headerModified = false;
    qryQuery->close();
    ClearDetail();
    ClearRows();
    SetStatusMessage(QString());
    setSearchMode(true);
    if (m_statusButtons)
        m_statusButtons->release();
}


void TfrmEZI000::showPendingChanges()
{
    TfrmEZH999 dialog(m_fields, m_pending, this);
    dialog.exec();
}

bool TfrmEZI000::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->property(kHeader).toBool() && handleEnter(watched, event))
        return true;
    if (watched->property(kDetail).toBool() && event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        const bool memo = qobject_cast<QTextEdit *>(watched) || qobject_cast<QPlainTextEdit *>(watched);
        if (!memo && k->key() == Qt::Key_Up) {
            moveTo(rgrGrid->currentRow() - 1);
            return true;
        }
        if (!memo && k->key() == Qt::Key_Down) {
            moveTo(rgrGrid->currentRow() + 1);
            return true;
        }
        if (qobject_cast<QComboBox *>(watched)
            && (k->key() == Qt::Key_PageUp || k->key() == Qt::Key_PageDown || k->key() == Qt::Key_Home
                || k->key() == Qt::Key_End || k->key() == Qt::Key_Left || k->key() == Qt::Key_Right))
            return true;   // a code combo changes only by mouse or typed characters
        if (!memo && handleEnter(watched, event))
            return true;
    }
    return TfrmZZI010::eventFilter(watched, event);
}
