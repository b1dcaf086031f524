#pragma once
// The grid table screen: records edited in place in rgrGrid and saved through one procedure in one
// transaction. TfrmEZI020 and TfrmZZI090 are its two faces (their texts and their Cancel differ).
//
// A concrete screen declares its fields as a record screen does (fieldtable.h), gives the rest of the
// statement and the procedure, and checks its conditions in search() before calling the base:
//
//   setFields({
//       Condition("SEASON_YEAR", "시즌년도", BIND(edt_SeasonYear)).bytes(4),
//       Column("SEQ_NO", "순번").digits(4).readOnlyCell(),
//       Field("M_NAME", "고객명", BIND(edtMName)).bytes(10).readOnlyCell(),   // bound to a control of the form
//       Field("M_IDNO", "고객주민번호", BIND(wmeMIdno)).mask("999999-9999999").personal(),
//   }, form);
//   setLoadQuery("FROM EH020MS WHERE SEASON_YEAR = :SEASON_YEAR");   prcProc->setProcedure("PR_EHI020_01");
//
// The Field and Column rows are the grid's columns, in the order of the statement's fields. Condition
// rows are bound by name to the statement's parameters at every search and to the procedure's
// "A" + name at every save (a row's own field of that name comes after it). A bound control of the
// form shows the current row (ShowRow) and writes what the user changes into it, which records the
// row for saving; a row is shown again when one of its cells is typed into in the grid. A personal
// number the user changed only partly (stars left in it) is refused before anything is sent.
// The field table, the binding and the personal-number rule are the record form's (recordform.h,
// form()), which the record screen shares; this base keeps the RowID column and the change buffer.
//
// Before the first search the base appends the hidden column "RowID". Every row loaded or added gets
// a RowID from the screen's counter (reset only by Cancel). The change buffer holds one entry per
// RowID for changes, updated in place whenever the row is posted, and one entry of its own for a
// deletion; the columns of an entry are the grid's, named "A" + the statement's field names for the
// procedure's parameters. Saving sends every entry in order (AEDITSTATUS: the row state, "1" changed,
// "2" new, "3" deleted; a row the program added with state 0 goes as "2"), with AU_EMP_NO and AU_IP.
//
// After a successful save the rows are all stored ones (state 1) and the buffer is empty; a screen
// whose keys the database gives sets setSearchAfterSave(true) and is searched again. A failed save
// rolls everything back and keeps every entry, so a retry sends each change once.
//
// Cancel, 종료, F12 and the main window's close ask first whenever a change is not saved, a cell just
// typed included. Down on the last row adds a row only where Add may (its button shown and enabled),
// and the row it adds is the one Add gives (bbtAddClick).
//
// Naming conventions, resolved by component name (the suffix is the name without its first three
// letters): a masked edit "wme…" shows the day name of its date in the label "wlb" + suffix; F1 in an
// input clicks "sbt" + suffix, or else "bbt" + suffix. Inputs turn light yellow while they have the
// focus; Enter moves on; a masked edit takes digits, "-" and "." only.
#include "zzi010.h"
#include "fieldtable.h"
#include "recordform.h"
#include "database/procedure.h"
#include "widgets/editgrid.h"
#include <QHash>
#include <QToolButton>
#include <QVector>

// The changes waiting to be saved, one entry per RowID (a deletion has one of its own).
class TChangeBuffer {
public:
    struct Entry {
        QStringList cells;   // a copy of the grid row, RowID included
        int state = 0;
        QString rowId;
    };
    QStringList columns;     // parameter name per grid column ("A" + field), empty where none

    void record(const QString &rowId, const QStringList &cells, int state);   // a change: in place
    void recordDeletion(const QString &rowId, const QStringList &cells);
    void forget(const QString &rowId);   // every entry of the row
    void clear() { m_entries.clear(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    int size() const { return int(m_entries.size()); }
    const QVector<Entry> &entries() const { return m_entries; }
    QVector<Entry> &entries() { return m_entries; }

private:
    QVector<Entry> m_entries;
};

class TGridTableScreen : public TfrmZZI010 {
    Q_OBJECT
public:
    struct Texts {
        QString deleteQuestion;
        QString noChanges;
        QString cancelQuestion;
        QString closeQuestion = QStringLiteral("변경된 자료가 있습니다. 정말 종료하시겠습니까?");
    };
    TGridTableScreen(const Texts &texts, QWidget *parent = nullptr);
    ~TGridTableScreen() override;

    // Hooks.
    virtual void ShowRow();       // the form from the current row (default: every bound control)
    virtual bool validateRows() { return true; }   // the screen's own checks before Save asks; false stops it
    virtual void AfterSave() {}   // after a save was committed and, where it is, the list read again
    virtual bool SaveRows(TEditGrid *grid, TChangeBuffer &buffer, db::StoredProc *procedure);
    virtual bool SaveChanges();   // default: SaveRows(rgrGrid, the change buffer, prcProc)
    virtual bool ExecuteRow();    // default: runs prcProc for the entry being saved
    QString savingRowId() const { return m_savingRowId; }   // while an entry is being saved
    bool failSave(const QString &error);   // for an overriding hook: remembers the text, false

    // The field table (see above); formOrder: the fields placed first in the form, in this order.
    void setFields(const TFieldTable &fields, TFieldPanel *form = nullptr, const QStringList &formOrder = {});
    void setLoadQuery(const QString &fromWhereOrder);   // the statement after the table's select list
    TRecordForm *form() const { return m_form; }       // the field table, its controls and checks
    const TFieldTable &fields() const { return m_form->fields(); }
    QWidget *fieldControl(const QString &name) const { return m_form->fieldControl(name); }
    int fieldColumn(const QString &name) const { return m_form->fieldColumn(name); }   // -1 for none
    QString conditionValue(const QString &name) const { return m_form->conditionValue(name); }
    // Writes a bound control's value into the current row and records the row (a change by the user).
    void StoreControl(QWidget *control);
    bool isFilling() const { return m_form->isFilling(); }   // the form is being filled from a row

    // Services.
    bool LoadRows();   // runs qryQuery into the grid
    int appendRecord(const QStringList &cells, int state = 0);   // a row the program adds, recorded
    int rowIdColumn() const { return m_rowIdColumn; }
    QStringList fieldNames() const { return m_fields; }
    TChangeBuffer &changeBuffer() { return m_buffer; }
    int rowCounter() const { return m_counter; }
    bool isModified() const { return m_modified; }
    // A cell being typed is taken into its row first: then any change not saved counts.
    bool hasUnsavedWork() override;
    QString closeQuestion() const override { return m_texts.closeQuestion; }
    void setModified(bool on) { m_modified = on; }
    bool isSaved() const { return m_saved; }
    void setSearchAfterSave(bool on) { m_searchAfterSave = on; }
    // The question Save asks first ("저장 하시겠습니까?"); empty: Save asks nothing.
    void setSaveQuestion(const QString &question) { m_saveQuestion = question; }
    // Inputs of the screen get the colouring, Enter, F1 and the day-name label; the ones there at the
    // first show are attached by themselves.
    void attachInput(QWidget *control);

    TEditGrid *rgrGrid;
    QFrame *Panel1;
    // A panel of the screen's own beside the grid (a form, a side area); the two share the width
    // gridStretch : panelStretch (a panel of fixed width takes 0).
    void placeBesideGrid(QWidget *panel, int gridStretch, int panelStretch, Qt::Alignment alignment = {});
    QFrame *panMaster;
    QToolButton *sbtFirst, *sbtPrior, *sbtNext, *sbtLast;
    QPushButton *bbtAdd;
    QPushButton *bbtDelete;
    std::unique_ptr<db::Query> qryTemp;
    std::unique_ptr<db::StoredProc> prcProc;

public slots:
    virtual void bbtAddClick();   // default: a new row for the user at the end
    void bbtDeleteClick();

protected:
    void search() override;
    void save() override;
    void cancel() override;
    virtual void clearDataArea();   // what Cancel empties besides the grid
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool checkPersonalNumbers();   // no partly replaced masked number among the changes
    void prepareGrid();
    void rowPosted(int row);
    void navigate(QToolButton *button, int row);
    void showDayName(QWidget *maskEdit);
    bool clickLookup(QWidget *control);

    Texts m_texts;
    TRecordForm *m_form;
    QHash<QString, QStringList> m_shownMasked;   // RowID → the masked numbers the row was read with
    TChangeBuffer m_buffer;
    QStringList m_fields;
    QString m_savingRowId;
    QString m_saveError;
    QString m_saveQuestion = QStringLiteral("저장 하시겠습니까?");
    QList<std::pair<TEditGrid *, TChangeBuffer *>> m_sent;   // saved by SaveRows, settled at commit
    // The ROW_VERSION each saved row holds after this save, by grid and RowID: a second entry of the same
    // row compares with it, and the rows take it once committed (the grid is not read again).
    QHash<TEditGrid *, QHash<QString, qlonglong>> m_versionsAfter;
    int m_rowIdColumn = -1;
    int m_counter = 0;
    bool m_modified = false;
    bool m_saved = false;
    bool m_searchAfterSave = false;
    bool m_attached = false;
};
