#pragma once
// TRecordForm: the one record form both editing bases own (the record screen TfrmEZI000 and the grid-table
// screen TGridTableScreen) and delegate to, over the rows of their grid as a TRowStore:
//
//   m_form = new TRecordForm(rgrGrid, this);
//   m_form->setFields(fields, columns, conditions(), panel, /*panelBinding*/ false);
//   m_form->showRow(row);                 // the bound controls from the row
//   if (m_form->storeControl(control))    // the control's value into the current row
//       … record the row for saving …
//   if (!m_form->checkFields()) return;   // required fields and dates in the table's order, thenCheck
//
// It keeps the field table and its controls (BuildFieldControls), shows a row into the controls and
// writes a control back through each editor's user property (fieldbinder.h), checks the fields in the
// table's order, locks the key controls together with their lookup (button, F1, double-click), finds
// a duplicate key, keeps the row as it was shown and the row a new record started as (what was typed
// since), the personal numbers a row was read with in their masked form (a number replaced only in
// part is refused) and the column of the ROW_VERSION the row was read at.
//
// Two bindings: a form of the field table's controls (the grid-table screen) binds each control to its
// row's column; the record screen's detail panel (panelBinding) binds every control of the panel by its
// hints, the column titles, so a control the screen places itself is bound like the others. The panel
// starts a new record with the first code of every list and zero in every number, stores a cleared
// number as zero and shows a stored code its list lacks as itself ("(미등록 코드 X)"); the form of a
// grid-table screen shows such a code as the field's unlisted() entry (else the first) and stores
// exactly what the control holds.
#include "fieldtable.h"
#include "widgets/rowstore.h"
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <functional>

class TfrmZZI010;
class TFieldPanel;
namespace db {
class Query;
class StoredProc;
}

class TRecordForm : public QObject {
    Q_OBJECT
public:
    TRecordForm(TRowStore *rows, TfrmZZI010 *screen);

    TRowStore *rows() const { return m_rows; }

    // The field table: columns holds the grid column of each row (-1 for a condition); the controls are
    // built into conditions and form, the rows `order` names first.
    void setFields(const TFieldTable &fields, const QVector<int> &columns, TFieldPanel *conditions, TFieldPanel *form,
                   bool panelBinding, const QStringList &order = {});
    const TFieldTable &fields() const { return m_fields; }
    QWidget *control(int index) const { return m_controls.value(index); }
    int column(int index) const { return m_columns.value(index, -1); }
    QWidget *fieldControl(const QString &name) const;   // a field row's control, else a condition's
    int fieldColumn(const QString &name) const;         // the grid column of a field row, -1 for none
    QString conditionValue(const QString &name) const;  // what a condition row sends (trimmed)
    QString selectStatement(const QString &fromWhereOrder) const;
    void bindConditions(db::Query *query) const;            // :NAME of every condition the statement names
    void setConditionParams(db::StoredProc *procedure) const;   // ANAME of every condition it declares

    // Binds every control of the panel by its hints (the record screen's detail panel), whether a
    // field row or the screen placed it there.
    void bindByHints(QWidget *panel) { m_panel = panel; }
    // The bound controls (of one column), and the columns a control shows.
    QList<QWidget *> boundControls(int column = -1) const;
    QList<int> columnsOf(const QWidget *control) const;
    // Hints of the panel's controls that name no column (a screen must have none).
    QStringList unboundHints() const;

    // The bound controls from a row (-1: emptied); nothing shown is a change.
    void showRow(int row);
    // A bound control's value into the current row: true when a cell changed.
    bool storeControl(QWidget *control);
    bool isFilling() const { return m_filling; }
    void setFilling(bool on) { m_filling = on; }

    // What was typed: the row as it was shown, and the cells a new record started with.
    void rememberShown(int row);
    bool changedSinceShown(int row) const;
    void rememberStarted(int row);
    void forgetStarted() { m_startedCells.clear(); }
    // A new record holding nothing but what showing it or starting it filled in (the last row only for
    // what it was started with); a stored row never is.
    bool isBlankRow(int row) const;

    // The checks: the fields in the table's order (the rows setCheckOrder names first): a required one
    // empty is refused with "…을(를) 먼저 입력하십시오.", a date that is none with "…을(를) 정확히
    // 입력하십시오.", then the field's thenCheck.
    void setCheckOrder(const QStringList &names) { m_checkOrder = names; }
    bool checkFields();
    // Keys: their controls lock together with their lookups; a duplicate is another row of the same key.
    // A key column: a key() row's, or one the test given says is (the record screen's required grid
    // columns, which a screen may also set by hand).
    bool isKeyColumn(int column) const;
    void setKeyColumnTest(std::function<bool(int)> test) { m_keyTest = std::move(test); }
    void enableKeyControls(bool enable);
    bool isDuplicateKey() const;

    // Personal numbers: what a row was read with in masked form, and whether cells sent for it hold a
    // number replaced only in part: the field row's index, -1 for none; refusing it goes to the field.
    QStringList maskedNumbers(const QStringList &cells) const;   // empty when no number is masked
    int partlyReplacedNumber(const QStringList &cells, const QStringList &asRead) const;
    bool refusePartlyReplaced(int index);

    // The row's ROW_VERSION: the one it was read at (invalid for a new record or a table without one), and
    // the one a call that changed the row left it at.
    int versionColumn() const { return fieldColumn(QStringLiteral("ROW_VERSION")); }
    QVariant rowVersion(int row) const;
    void setRowVersion(int row, const QVariant &version);
    // The row's fields of these names to the procedure's parameters "A" + name, whatever their case.
    void setRowParams(db::StoredProc *procedure, int row, const QStringList &names) const;

private:
    TRowStore *m_rows;
    TfrmZZI010 *m_screen;
    TFieldTable m_fields;
    QVector<QWidget *> m_controls;   // beside the table rows (nullptr without a control)
    QVector<int> m_columns;          // beside the table rows (-1 for a condition)
    QPointer<QWidget> m_panel;       // panel binding: the detail panel
    QStringList m_checkOrder;
    QStringList m_shownCells;
    QStringList m_startedCells;
    std::function<bool(int)> m_keyTest;
    bool m_filling = false;
};
