#pragma once
// The base chain of the lookup dialogs.
//
//   TfrmZZH000  modal dialog: panMain, bottom bar with bbtOK "확인(F10)" (default) and bbtClose
//               "종료(F12)" (cancel, also Esc), input colouring
//   TfrmZZH010  search panel panSearch with bbtSearch "조회(F3)" and the dialog's query qryQuery
//   TfrmZZH020  result grid rgrGrid over cdsQuery (rows fetched 100 at a time), navigation buttons and
//               the status bar [dialog ID][status message]
//   TfrmEZH000  Enter in the search fields, grid colours
//
// A concrete dialog gives its search fields (each binds "%" + text + "%" to its parameter), its
// statement and fixed parameters, its column titles and how the chosen row becomes its results.
// Opening functions show the dialog through runModal(); tests replace the modal loop with
// setModalRunner() to drive the dialog as a user would.
#include "database/query.h"
#include "framework/listmodel.h"
#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class QAbstractButton;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;
class QHBoxLayout;

class TfrmZZH000 : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZZH000(QWidget *parent = nullptr);
    ~TfrmZZH000() override;

    using ModalRunner = std::function<int(TfrmZZH000 *)>;
    static void setModalRunner(ModalRunner runner);   // an empty runner restores exec()
    int runModal();

    QString dialogId() const;   // the component name without "frm"

    QWidget *panMain;
    QFrame *panButtons;
    QPushButton *bbtOK;
    QPushButton *bbtClose;

public slots:
    void bbtOKClick();
    void bbtCloseClick();

protected:
    virtual void OKAction() { accept(); }
    virtual void Activated() {}
    virtual void SetStatusMessage(const QString &) {}
    bool beginAction(QAbstractButton *button);   // clears the status; false when hidden or disabled
    void addHotkey(const QKeySequence &key, std::function<void()> action);
    void attachColouring(QWidget *control);
    QVBoxLayout *mainLayout() const;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_activated = false;
};

class TfrmZZH010 : public TfrmZZH000 {
    Q_OBJECT
public:
    explicit TfrmZZH010(QWidget *parent = nullptr);
    ~TfrmZZH010() override;

    QFrame *panSearch;
    QPushButton *bbtSearch;
    std::unique_ptr<db::Query> qryQuery;

    // A labelled search field before the search button; its text is bound to param as a contains-match.
    QLineEdit *addSearchField(const QString &objectName, const QString &label, const QString &param);
    QList<QLineEdit *> searchFields() const { return m_fields; }

public slots:
    void bbtSearchClick();

protected:
    virtual void Search() {}
    void bindSearchFields();
    QList<QLineEdit *> m_fields;
    QStringList m_fieldParams;
};

// The dialogs' result sets are the lists' model: rows of an open query, fetched in steps of 100.
using TResultSet = TListModel;

class TfrmZZH020 : public TfrmZZH010 {
    Q_OBJECT
public:
    explicit TfrmZZH020(QWidget *parent = nullptr);
    ~TfrmZZH020() override;

    QTableView *rgrGrid;
    TResultSet *cdsQuery;
    QPushButton *bbtFirst, *bbtPrior, *bbtNext, *bbtLast;
    QFrame *stbMessage;

    int currentRow() const;
    QString statusPanelText(int panel) const;

protected:
    void SetStatusMessage(const QString &text) override;
    void showEvent(QShowEvent *event) override;   // the first panel shows the dialog's ID
    void Search() override;
    void OKAction() override;
    void Activated() override;
    // The statement, its fixed parameters and the grid: set by the concrete dialog.
    void setStatement(const QString &sql, const QHash<QString, QVariant> &fixed = {});
    void setColumns(const QStringList &titles, const QList<int> &hidden = {});
    void setFixed(const QString &name, const QVariant &value) { m_fixed.insert(name, value); }
    virtual bool HasPreset() const { return false; }
    virtual void ClearResults() {}
    virtual bool TakeResults(int row) = 0;   // false keeps the dialog open
    virtual void CurrentRowChanged(int) {}
    void chooseCurrent();
    void moveTo(int row);
    // A second grid that lists the details of the current row.
    QTableView *addDetailGrid(TResultSet **model);
    bool eventFilter(QObject *watched, QEvent *event) override;

    QHash<QString, QVariant> m_fixed;
    QList<int> m_hidden;

private:
    QLabel *m_panels[2];
};

class TfrmEZH000 : public TfrmZZH020 {
    Q_OBJECT
public:
    explicit TfrmEZH000(QWidget *parent = nullptr);
protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
