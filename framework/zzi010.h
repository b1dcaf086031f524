#pragma once
// TfrmZZI010: a base screen with a search panel and the save and cancel buttons, switching between
// search mode (conditions editable, data locked) and edit mode (data editable, conditions locked).
//
//   panSearch   top panel: conditions() (a TFieldPanel) and bbtSearch "조회(F3)" at its right
//   bbtSave "저장(F2)", bbtCancel "취소(F8)" on the bottom bar; hot keys F3, F2, F8
//
// The buttons and keys go through bbtSearchClick/bbtSaveClick/bbtCancelClick, which clear the
// status message and stop silently while the button is hidden or disabled (so F3 in edit mode never
// reloads over pending changes); then the virtual search(), save() and cancel() run.
//
// The mode switch covers every named control of the screen (Qt's own inner widgets, named "qt_…" or
// unnamed, follow their parents) except labels: inside the data area (panMain is its parent or one of
// the next five ancestors) or a button of the bottom bar → enabled in edit mode; any other → enabled
// in search mode. bbtClose, panMain, panButtons and the status bar always stay enabled.
#include "zzi000.h"
#include "widgets/fieldpanel.h"
#include <functional>

class QToolButton;
namespace db { class Query; }

class TfrmZZI010 : public TfrmZZI000 {
    Q_OBJECT
public:
    explicit TfrmZZI010(QWidget *parent = nullptr);

    TFieldPanel *conditions() const { return m_conditions; }
    void setSearchMode(bool search);
    bool isSearchMode() const { return m_searchMode; }

    // The screen date: "yyyymmdd" of the date picker named dtpDate (today when there is none).
    QString screenDate() const;

    // A failed check: shows the message, puts the focus on the control, answers false.
    bool refuse(QWidget *control, const QString &message);
    static QString enterFirst(const QString &caption);       // caption + "을(를) 먼저 입력하십시오."
    static QString enterCorrectly(const QString &caption);   // caption + "을(를) 정확히 입력하십시오."

    // The bar of a screen that walks its rows: the four navigation buttons (sbtFirst, sbtPrior, sbtNext,
    // sbtLast) at its start, bbtAdd and bbtDelete just before 저장. A navigation click calls
    // go(button, row) with the row asked for, from current() of count() rows.
    struct RowButtons {
        QToolButton *first, *prior, *next, *last;
        QPushButton *add, *remove;
    };
    RowButtons addRowButtons(const QString &addCaption, const QString &deleteCaption, std::function<int()> current,
                             std::function<int()> count, std::function<void(QToolButton *, int)> go);

    // Enter moves to the next control (running the search when that is bbtSearch); colouring.
    void attachConditionControl(QWidget *control);

    QFrame *panSearch;
    QPushButton *bbtSearch;
    QPushButton *bbtSave;
    QPushButton *bbtCancel;

public slots:
    void bbtSearchClick();
    void bbtSaveClick();
    void bbtCancelClick();

protected:
    virtual void search();   // default: edit mode
    virtual void save() {}
    virtual void cancel();   // default: search mode
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool handleEnter(QObject *watched, QEvent *event);
    QWidget *firstCondition() const;
    QWidget *firstInput() const override { return isSearchMode() ? firstCondition() : nullptr; }
    static QWidget *focusNextFrom(QWidget *w);   // the next tab stop after w gets the focus
    // After reading the rows: when the read stopped at a row it could not read, the query is closed and
    // the error shown (nothing is shown rather than a part), and true is answered.
    bool readFailed(db::Query &query);

private:
    TFieldPanel *m_conditions;
    bool m_searchMode = true;
};
