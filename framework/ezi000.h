#pragma once
// TfrmEZI000: the record input screen. A concrete screen is its field table (framework/fieldtable.h),
// its load query and its procedure; its own rules go into validateRow(). EBI030:
//
//   TfrmEBI030::TfrmEBI030(QWidget *parent) : TfrmEZI000(parent)
//   {
//       setWindowTitle("부츠 기준재고 등록");
//       setFields({
//           Condition("AREA_GUBUN", "*지역구분", BIND(cboArea)).code("E0017"),          // :AREA_GUBUN
//           Field("BOOTS_SIZE_GUBUN", "*사이즈", BIND(cboBootsSize)).code("E0011").key(),
//           Field("STOCK_QTY", "*기준재고수량", BIND(wneStockQty)).digits(4).width(100),
//           Version(),                                                                // ROW_VERSION
//       });
//       setLoadQuery("FROM EB030MS WHERE AREA_GUBUN = :AREA_GUBUN");   // the select list is the table's
//       prcSaveData->setProcedure("PR_EBI030_01");                     // AAREA_GUBUN, ABOOTS_SIZE_GUBUN, …
//       setRowLeaveChecks(true);
//   }
//   bool TfrmEBI030::validateRow()
//   {
//       if (IsDuplicateKey())
//           return refuse(cboBootsSize, "기존 등록된 자료와 중복됩니다. 다시 입력하십시오.");
//       return true;
//   }
//
// Each Field row is a grid column and a detail control bound to it; the required ones ('*') are
// checked in the table's order (docs/record-screens.md describes the table).
//
// The base appends the hidden column "TEMP" ("Y" for rows loaded from the database).
// Pending changes: "1" when a changed loaded row is posted, "3" when a loaded row is deleted, "2" for
// every new row at save time. Field F of an entry goes to the procedure parameter "A" + F; AU_EMP_NO
// and AU_IP are set for every call. A failed save rolls everything back and keeps every entry pending
// (the "2" entries are made afresh at the next save), so a repeated save sends each change once.
//
// Hooks: SaveData (bind extra parameters, then call the base; or replace it, failing with
// failSave(text)), AfterSave (after the commit), ShowRow, StoreControl, validateRow (before saving;
// with setRowLeaveChecks(true) also before leaving a row and before "신규(F4)" adds one, and a row
// left entirely empty is removed). A stored row shown but not changed is not checked.
// Controls a screen places itself in panBody are bound like the others after
// attachDetailControl(control). A control of the screen's own kind, or one showing several columns
// (a picture marker writing X and Y), registers with BindByUserProperty(control, hints): its USER
// property is read and written, a QStringList for several columns, as QDataWidgetMapper does.
//
// The field table, the binding, the field checks, the key lock, the duplicate key and what was typed
// since a row was shown are the record form's (recordform.h, form()), which the grid-table screen
// shares; this base keeps its detail panel, the TEMP column, the pending list and the navigation.
#include "zzi010.h"
#include "fieldtable.h"
#include "recordform.h"
#include "statusbuttons.h"
#include "database/procedure.h"
#include "widgets/editgrid.h"
#include <QToolButton>
#include <QVector>

class QToolButton;

// The detail panel: a code combo bound to a column copies the column's pick list.
class TDetailPanel : public TFieldPanel {
    Q_OBJECT
public:
    TDetailPanel(TEditGrid *grid, QWidget *parent);
protected:
    void prepareCodeCombo(TCodeCombo *combo, const QString &key, bool allEntry) override;
private:
    TEditGrid *m_grid;
};

class TfrmEZI000 : public TfrmZZI010 {
    Q_OBJECT
public:
    explicit TfrmEZI000(QWidget *parent = nullptr);
    ~TfrmEZI000() override;

    TEditGrid *grid() const { return rgrGrid; }
    TDetailPanel *body() const { return panBody; }
    int tempColumn() const;

    // Hooks.
    virtual bool SaveData();
    virtual bool AfterSave() { return true; }
    // After the procedure ran for one pending entry (its output parameters are readable).
    virtual void EntrySaved(const QStringList &entry) { Q_UNUSED(entry); }
    virtual void ShowRow();
    virtual void StoreControl(QWidget *control);
    virtual bool validateRow() { return true; }
    // A new, empty row was appended at row ("신규(F4)", or the first of an empty list), before it is
    // shown; previous is the row that was current (-1 when none). A screen may start the row with values
    // (today, the same guest's data); a row still holding only those counts as blank.
    virtual void StartNewRow(int row, int previous) { Q_UNUSED(row); Q_UNUSED(previous); }
    // The checks of what is saved with the rows (a header above them): before the row's own checks,
    // and at every save, whether a row changed or not.
    virtual bool validateHeader() { return true; }
    // After cancel was confirmed, before the work is cleared: false keeps the screen as it is.
    virtual bool beforeCancel() { return true; }

    // The field table: builds the grid columns, the detail and condition controls, their bindings,
    // lookups and required checks; setLoadQuery gives the statement after the derived select list.
    void setFields(const TFieldTable &fields);
    void setLoadQuery(const QString &fromWhereOrder);
    TRecordForm *form() const { return m_form; }        // the field table, its controls and checks
    const TFieldTable &fields() const { return m_form->fields(); }
    QWidget *fieldControl(const QString &name) const { return m_form->fieldControl(name); }
    QString conditionValue(const QString &name) const { return m_form->conditionValue(name); }
    // Hints of detail controls that name no grid column (a screen must have none).
    QStringList unboundHints() const { return m_form->unboundHints(); }
    // The fields whose checks come first, in this order (a screen whose rule names another order);
    // the others follow in the table's order.
    void setCheckOrder(const QStringList &names) { m_form->setCheckOrder(names); }
    // After every save: in edit mode with no rows left, one new, empty record.
    void setOpenRecordAfterSave(bool on) { m_openRecordAfterSave = on; }

    // Services.
    bool LoadRows();
    bool IsDuplicateKey() const { return m_form->isDuplicateKey(); }
    void EnableKeyControls(bool enable) { m_form->enableKeyControls(enable); }
    void ClearDetail();
    void ClearRows();
    void PostCurrentRow();
    void OpenRecordWhenEmpty();   // in edit mode with no rows left: one new, empty record
    bool failSave(const QString &error);   // for an overriding SaveData: remembers the text, false
    // The ROW_VERSION a pending entry was read at (its column versionColumn), invalid for a new record.
    static QVariant rowVersionOf(const QStringList &entry, int versionColumn);
    void attachDetailControl(QWidget *control);
    // A control of what is saved with the rows (a header): editing it in edit mode is a change to save.
    void attachHeaderControl(QWidget *control);
    void setRowLeaveChecks(bool on) { m_rowLeaveChecks = on; }
    // Status buttons standing for the codes of one column: showing a row presses its code's button (a
    // new row without a status shows none pressed), a click writes the code into the row, and a change
    // of any other control writes the pressed code too; back in search mode none is pressed.
    TStatusButtons *addStatusButtons(int column);
    TStatusButtons *statusButtons() const { return m_statusButtons; }
    // The zip code of a record: leaving a typed zip code shows its address, typing clears the address,
    // and the lookup (its button, or F1 in the field) fills both and moves on to next.
    void bindZipCode(TMaskEdit *zip, QLineEdit *address, QAbstractButton *lookup, QWidget *next);
    // bound detail controls (of one column)
    QList<QWidget *> boundControls(int column = -1) const { return m_form->boundControls(column); }
    // Where the keyboard goes in a row shown or added: the first detail control in the Tab order.
    virtual QWidget *firstDetailControl() const;

    // The pending-change list.
    QStringList pendingFields() const { return m_fields; }     // load query fields + "EDITSTATUS"
    const QVector<QStringList> &pendingEntries() const { return m_pending; }
    int pendingCount() const { return int(m_pending.size()); }
    void addPendingEntry(int row, const QString &editStatus);

    bool isModified() const { return m_modified; }
    bool isHeaderModified() const { return m_headerModified; }
    bool hasChanges() const { return !m_pending.isEmpty() || m_headerModified; }   // pending, or the header edited
    // Anything typed and not saved: a pending change, the header edited, the row on screen changed
    // since it was shown, a new record typed. Cancel, 종료, F12 and the main window's close ask first.
    bool hasUnsavedWork() override;
    void setModified(bool on) { m_modified = on; }
    bool isFilling() const { return m_form->isFilling(); }
    bool isNewRowPending() const { return m_newRowPending; }
    bool isLoadedRow(int row) const;

    TEditGrid *rgrGrid;
    QFrame *panHead;
    // A field panel above the rows (a header saved with them, a find field), made and shown at the
    // first call.
    TFieldPanel *headPanel();
    QFrame *panGrid;
    TDetailPanel *panBody;
    QToolButton *sbtFirst, *sbtPrior, *sbtNext, *sbtLast;
    QPushButton *bbtAdd;
    QPushButton *bbtDelete;
    std::unique_ptr<db::StoredProc> prcSaveData;

public slots:
    void bbtAddClick();
    void bbtDeleteClick();
    void showPendingChanges();   // Ctrl+F2
    void moveTo(int row);        // navigation (also Up/Down in a detail control)

protected:
    void search() override;
    void save() override;
    void cancel() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool isBlankRow(int row) const { return m_form->isBlankRow(row); }
    bool checkCurrentRow();   // the field checks and validateRow, unless the row is a stored one nobody changed
    bool checkFields() { return m_form->checkFields(); }   // the table's fields in order, dates as dates
    void showCurrentRow();    // ShowRow, remembering the row as shown

private slots:
    void userPropertyChanged();

private:
    void saveRows();
    void rowChanged(int current);
    int guardRowLeave(int from, int to);
    void controlChanged(QWidget *control);
    void navigate(QToolButton *button, int row);

    QStringList m_fields;
    TRecordForm *m_form;
    bool m_openRecordAfterSave = false;
    QVector<QStringList> m_pending;
    QString m_saveError;
    int m_shownRow = -1;
    bool m_modified = false;
    bool m_headerModified = false;
    bool m_newRowPending = false;
    bool m_rowLeaveChecks = false;
    TStatusButtons *m_statusButtons = nullptr;
    TFieldPanel *m_headPanel = nullptr;
    int m_statusColumn = -1;
};
