#include "recordform.h"
#include "fieldbinder.h"
#include "fieldlookups.h"
#include "zzi010.h"
#include "core/utils.h"
#include "database/query.h"
#include "database/procedure.h"
#include "widgets/editgrid.h"
#include <QHash>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>

namespace {
bool isBindable(const QWidget *w)
{
    return IsBoundByUserProperty(w) || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const TCodeCombo *>(w) || qobject_cast<const QLabel *>(w);
}
}

TRecordForm::TRecordForm(TRowStore *rows, TfrmZZI010 *screen) : QObject(screen), m_rows(rows), m_screen(screen) {}

// ---- the field table -----------------------------------------------------------------------

void TRecordForm::setFields(const TFieldTable &fields, const QVector<int> &columns, TFieldPanel *conditions,
                            TFieldPanel *form, bool panelBinding, const QStringList &order)
{
    m_fields = fields;
    m_columns = columns;
    if (panelBinding)
        m_panel = form;
    // the detail panel binds its controls by their hints, the column titles
    m_controls = BuildFieldControls(fields, conditions, form, panelBinding, order);
}

QWidget *TRecordForm::fieldControl(const QString &name) const
{
    QWidget *condition = nullptr;
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            if (!m_fields[i].isCondition)
                return m_controls.value(i);
            condition = condition ? condition : m_controls.value(i);
        }
    return condition;
}

int TRecordForm::fieldColumn(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (!m_fields[i].isCondition && m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return m_columns.value(i, -1);
    return -1;
}

QString TRecordForm::conditionValue(const QString &name) const
{
    // a key typed with blanks finds and stores what it names
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].isCondition && m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return FieldValue(m_controls.value(i)).trimmed();
    return QString();
}

QString TRecordForm::selectStatement(const QString &fromWhereOrder) const
{
    return QStringLiteral("SELECT ") + SelectList(m_fields) + QLatin1Char(' ') + fromWhereOrder;
}

void TRecordForm::bindConditions(db::Query *query) const
{
    const QStringList params = query->paramNames();
    for (const TField &f : m_fields)
        if (f.isCondition && params.contains(f.name, Qt::CaseInsensitive))
            query->bind(f.name, conditionValue(f.name));
}

void TRecordForm::setConditionParams(db::StoredProc *procedure) const
{
    for (const TField &f : m_fields)
        if (f.isCondition)
            procedure->setParam(QStringLiteral("A") + f.name, conditionValue(f.name));
}

// ---- binding -------------------------------------------------------------------------------

QList<QWidget *> TRecordForm::boundControls(int column) const
{
    QList<QWidget *> out;
    if (!m_panel) {
        for (int i = 0; i < m_fields.size(); ++i)
            if (QWidget *w = m_controls.value(i); w && !m_fields[i].isCondition && m_columns.value(i, -1) >= 0
                                                  && (column < 0 || m_columns[i] == column))
                out.append(w);
        return out;
    }
    for (QWidget *w : m_panel->findChildren<QWidget *>()) {
        const QStringList hints = Hints(w);
        if (hints.isEmpty() || !isBindable(w))
            continue;
        bool shows = false;
        for (const QString &hint : hints) {
            const int c = m_rows->columnByTitle(hint);
            shows = shows || (c >= 0 && (column < 0 || c == column));
        }
        if (shows)
            out.append(w);
    }
    return out;
}

QList<int> TRecordForm::columnsOf(const QWidget *control) const
{
    QList<int> out;
    if (!m_panel) {
        const int i = int(m_controls.indexOf(const_cast<QWidget *>(control)));
        if (i >= 0 && !m_fields[i].isCondition && m_columns.value(i, -1) >= 0)
            out << m_columns[i];
        return out;
    }
    for (const QString &hint : Hints(control))
        out << m_rows->columnByTitle(hint);
    return out;
}

QStringList TRecordForm::unboundHints() const
{
    QStringList out;
    if (m_panel)
        for (QWidget *w : m_panel->findChildren<QWidget *>())
            for (const QString &hint : Hints(w))
                if (m_rows->columnByTitle(hint) < 0)
                    out << w->objectName() + QStringLiteral(": ") + hint;
    return out;
}

void TRecordForm::showRow(int row)
{
    const bool shown = row >= 0 && row < m_rows->rowCount();
    m_filling = true;
    if (!m_panel) {
        for (int i = 0; i < m_fields.size(); ++i) {
            QWidget *w = m_controls.value(i);
            const int c = m_columns.value(i, -1);
            if (!w || c < 0)
                continue;
            const TField &f = m_fields[i];
            QString v = shown ? m_rows->cell(row, c) : QString();
            if (f.column.isThousands && qobject_cast<QLabel *>(w) && !v.isEmpty())
                v = FormatThousands(v.remove(QLatin1Char(',')).toLongLong());
            SetFieldValue(w, v);
            // a code the list lacks shows the entry given for it (else the first), and stays in the row;
            // an empty one shows empty, so nothing is shown as chosen that the row does not hold
            if (auto *combo = qobject_cast<TCodeCombo *>(w); combo && !v.isEmpty() && combo->currentIndex() < 0 && combo->count() > 0)
                if (!combo->setCode(f.unlistedCode))
                    combo->setCurrentIndex(0);
        }
        m_filling = false;
        return;
    }
    const bool stored = shown && m_rows->isStoredRow(row);
    for (QWidget *w : boundControls()) {
        const QList<int> columns = columnsOf(w);
        if (IsBoundByUserProperty(w)) {
            QStringList values;
            for (int c : columns)
                values << (shown ? m_rows->cell(row, c) : QString());
            const QMetaProperty user = w->metaObject()->userProperty();
            user.write(w, user.metaType().id() == QMetaType::QStringList ? QVariant(values) : QVariant(values.value(0)));
            continue;
        }
        const int c = columns.value(0, -1);
        QString v = shown ? m_rows->cell(row, c) : QString();
        if (auto *combo = qobject_cast<TCodeCombo *>(w)) {
            const QStringList codes = m_rows->columnCodes(c);
            int i = int(codes.indexOf(v));
            // a new record starts with the first code of every list; a stored record's empty code
            // stays empty until the clerk picks one
            if (shown && v.isEmpty() && i < 0 && !codes.isEmpty() && !stored) {
                m_rows->setCell(row, c, codes.first());
                i = 0;
            }
            combo->setCurrentIndex(codes.isEmpty() ? int(combo->codes().indexOf(v)) : i);
            // a stored code the list lacks is shown as itself and stays in the row untouched
            combo->setPlaceholderText(combo->currentIndex() < 0 && !v.isEmpty() ? QStringLiteral("(미등록 코드 %1)").arg(v)
                                                                               : QString());
        } else if (auto *n = qobject_cast<TNumericEdit *>(w)) {
            if (shown && v.isEmpty() && !stored) {
                m_rows->setCell(row, c, QStringLiteral("0"));
                v = QStringLiteral("0");
            }
            n->setValue(v.toLongLong());
        } else {
            SetFieldValue(w, v);
        }
    }
    m_filling = false;
}

bool TRecordForm::storeControl(QWidget *control)
{
    const int row = m_rows->currentRow();
    if (m_filling || row < 0)
        return false;
    const QList<int> columns = columnsOf(control);
    if (columns.isEmpty())
        return false;
    QStringList values;
    if (m_panel && IsBoundByUserProperty(control)) {
        const QVariant value = control->metaObject()->userProperty().read(control);
        values = value.metaType().id() == QMetaType::QStringList ? value.toStringList() : QStringList{value.toString()};
    } else if (auto *combo = qobject_cast<TCodeCombo *>(control); m_panel && combo) {
        const QStringList codes = m_rows->columnCodes(columns[0]);
        if (codes.isEmpty())
            return false;   // a combo bound to a column without a pick list stores nothing
        const int i = combo->currentIndex();
        values << (i >= 0 && i < codes.size() ? codes[i] : QString());
    } else if (auto *n = qobject_cast<TNumericEdit *>(control); m_panel && n) {
        values << QString::number(n->value());   // a cleared number is zero
    } else {
        values << FieldValue(control);
    }
    bool changed = false;
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i] < 0 || m_rows->cell(row, columns[i]) == values.value(i))
            continue;
        m_rows->setCell(row, columns[i], values.value(i));
        changed = true;
    }
    return changed;
}

// ---- what was typed ------------------------------------------------------------------------

void TRecordForm::rememberShown(int row)
{
    m_shownCells = row >= 0 && row < m_rows->rowCount() ? m_rows->rowCells(row) : QStringList();
}

bool TRecordForm::changedSinceShown(int row) const
{
    return row >= 0 && row < m_rows->rowCount() && m_rows->rowCells(row) != m_shownCells;
}

void TRecordForm::rememberStarted(int row) { m_startedCells = m_rows->rowCells(row); }

bool TRecordForm::isBlankRow(int row) const
{
    if (m_rows->isStoredRow(row))
        return false;
    // Blank: nothing but what showing the row filled in (first codes, zeros), or what the screen started
    // the row added last with.
    const bool started = row == m_rows->rowCount() - 1 && !m_startedCells.isEmpty();
    const QStringList cells = m_rows->rowCells(row);
    for (int c = 0; c < cells.size(); ++c) {
        const QString &v = cells[c];
        if (v.isEmpty())
            continue;
        bool filled = started && v == m_startedCells.value(c);
        if (m_panel)
            for (QWidget *w : boundControls(c)) {
                const QStringList codes = m_rows->columnCodes(c);
                if (qobject_cast<TCodeCombo *>(w) && !codes.isEmpty() && v == codes.first())
                    filled = true;
                if (qobject_cast<TNumericEdit *>(w) && v == QLatin1String("0"))
                    filled = true;
            }
        if (!filled)
            return false;
    }
    return true;
}

// ---- checks --------------------------------------------------------------------------------

bool TRecordForm::checkFields()
{
    if (m_rows->currentRow() < 0)
        return true;
    QList<int> order;
    for (const QString &name : std::as_const(m_checkOrder))
        for (int i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0 && !order.contains(i))
                order << i;
    for (int i = 0; i < m_fields.size(); ++i)
        if (!order.contains(i))
            order << i;
    for (int i : std::as_const(order)) {
        const TField &f = m_fields[i];
        QWidget *w = m_controls.value(i);
        if (f.isCondition || !w)
            continue;
        if (f.isRequired() || f.kind == TField::DateMask) {
            const QString value = FieldValue(w);
            if (value.isEmpty() && f.isRequired())   // a read-only one keeps the focus where it is
                return m_screen->refuse(f.isReadOnly || f.keepFocus ? nullptr : w, TfrmZZI010::enterFirst(f.caption));
            if (!value.isEmpty() && f.kind == TField::DateMask && !IsDateText(value))
                return m_screen->refuse(w, TfrmZZI010::enterCorrectly(f.caption));
        }
        if (f.followingCheck && !f.followingCheck())
            return false;
    }
    return true;
}

bool TRecordForm::isKeyColumn(int column) const
{
    if (column >= 0 && column < m_rows->columnCount() && m_keyTest && m_keyTest(column))
        return true;
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].column.isKey && !m_fields[i].isCondition && column >= 0 && m_columns.value(i, -1) == column)
            return true;
    return false;
}

void TRecordForm::enableKeyControls(bool enable)
{
    // a key and its lookup (button, F1, double-click) lock together: a stored record is never re-keyed
    // through it
    for (QWidget *w : boundControls())
        if (isKeyColumn(columnsOf(w).value(0, -1))) {
            w->setEnabled(enable);
            if (QAbstractButton *lookup = LookupButtonOf(w))
                lookup->setEnabled(enable);
        }
}

bool TRecordForm::isDuplicateKey() const
{
    const int row = m_rows->currentRow();
    if (row < 0)
        return false;
    QList<int> keys;
    for (int c = 0; c < m_rows->columnCount(); ++c)
        if (isKeyColumn(c))
            keys << c;
    if (keys.isEmpty())
        return false;
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        if (r == row)
            continue;
        bool same = true;
        for (int c : std::as_const(keys))
            if (m_rows->cell(r, c) != m_rows->cell(row, c)) {
                same = false;
                break;
            }
        if (same)
            return true;
    }
    return false;
}

// ---- personal numbers ----------------------------------------------------------------------

QStringList TRecordForm::maskedNumbers(const QStringList &cells) const
{
    QStringList masked;
    bool any = false;
    for (int i = 0; i < m_fields.size(); ++i) {
        const int c = m_columns.value(i, -1);
        if (!m_fields[i].isPersonal || c < 0)
            continue;
        masked << cells.value(c);
        any = any || masked.last().contains(QLatin1Char('*'));
    }
    return any ? masked : QStringList();
}

// A personal number read in its masked form ("9203032******") goes back to the procedure either as it
// was read (the stored number stays) or replaced whole; stars left in a number that was changed would
// be stored as they are, so it is refused and the clerk goes to the number.
int TRecordForm::partlyReplacedNumber(const QStringList &cells, const QStringList &asRead) const
{
    int k = -1;
    for (int i = 0; i < m_fields.size(); ++i) {
        const int c = m_columns.value(i, -1);
        if (!m_fields[i].isPersonal || c < 0)
            continue;
        ++k;
        const QString sent = cells.value(c);
        if (sent.contains(QLatin1Char('*')) && sent != asRead.value(k))
            return i;
    }
    return -1;
}

bool TRecordForm::refusePartlyReplaced(int index)
{
    QString caption = m_fields.value(index).caption;
    caption.remove(QRegularExpression(QStringLiteral("^\\*|[\\s:]+$")));
    QWidget *w = m_controls.value(index);
    return m_screen->refuse(w && w->isEnabled() ? w : nullptr,
                            TfrmZZI010::enterCorrectly(caption)
                                + QStringLiteral("\r가려진(*) 번호는 일부만 고칠 수 없습니다. 번호 전체를 다시 입력하십시오."));
}

// ---- the row's version and parameters -----------------------------------------------------

QVariant TRecordForm::rowVersion(int row) const
{
    const int c = versionColumn();
    const QString v = c >= 0 && row >= 0 && row < m_rows->rowCount() ? m_rows->cell(row, c) : QString();
    return v.isEmpty() ? QVariant() : QVariant(v.toLongLong());
}

void TRecordForm::setRowVersion(int row, const QVariant &version)
{
    const int c = versionColumn();
    if (c >= 0 && row >= 0 && row < m_rows->rowCount() && version.isValid())
        m_rows->setCell(row, c, QString::number(version.toLongLong()));
}

void TRecordForm::setRowParams(db::StoredProc *procedure, int row, const QStringList &names) const
{
    for (const QString &name : names) {
        const int c = fieldColumn(name);
        if (c >= 0)
            procedure->setParam(QStringLiteral("A") + name, m_rows->cell(row, c));
    }
}
