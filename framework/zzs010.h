#pragma once
// TfrmZZS010: a list screen's conditions, search, print and preview.
//
//   panSearch   the condition panel; conditions are added with addCodeCombo/addDateEdit/addEdit/
//               addCondition (caption label + control, in rows; newConditionRow() starts a row);
//               bbtSearch "조회(F3)" follows the last condition
//   bbtPrint "출력(F11)", bbtPreview "미리보기" (Shift+F11) in the bottom bar
//
// A concrete screen overrides search() (validate, set the SQL text and parameters of qryQuery,
// then call the base last) and createLayout() (its print layout). Printing and previewing create the
// layout, fill its condition lines (fillConditions, by default every condition on qrlCondition), copy
// the SQL text and the parameter values of qryQuery as the last search left them, open the layout's
// own query and print or preview; the layout is destroyed afterwards.
//
// Enter in a condition moves to the next one; Enter in the last condition runs the search. Every
// condition gets the input colouring.
#include "framework/zzi000.h"
#include <QList>

class QGridLayout;
class QLabel;
class TCodeCombo;
class TDateEdit;
class TEdit;
class TfrmZZP010;

class TfrmZZS010 : public TfrmZZI000 {
    Q_OBJECT
public:
    explicit TfrmZZS010(QWidget *parent = nullptr);

    QFrame *panSearch;
    QPushButton *bbtSearch;
    QPushButton *bbtPrint;
    QPushButton *bbtPreview;

    // Conditions. caption is the label's text ("*대여일자"); a leading "*" is kept in condition lines.
    QWidget *addCondition(QWidget *control, const QString &caption, int width = 120);
    TCodeCombo *addCodeCombo(const QString &name, const QString &caption, const QString &group, bool allEntry = false);
    TDateEdit *addDateEdit(const QString &name, const QString &caption);
    TEdit *addEdit(const QString &name, const QString &caption, int maxBytes = 0);
    void newConditionRow();
    // A widget that goes with a condition (its lookup button, the name of its code) right beside it,
    // in the condition's cell; it is no condition of its own.
    void addBeside(QWidget *condition, QWidget *extra);
    QList<QWidget *> conditions() const { return m_conditions; }
    QString captionOf(QWidget *control) const;
    QWidget *firstInput() const override;
    // What a condition shows: combo label ("[전체]" when nothing is chosen), date in display form,
    // masked or plain text as shown.
    static QString shownValue(QWidget *control);
    // "caption: value" for each control, joined by three blanks.
    QString conditionLine(const QList<QWidget *> &controls) const;

    // The screen date: today at start, then the date picker named dtpDate as "yyyymmdd".
    QString FDate;

public slots:
    void bbtSearchClick();
    void bbtPrintClick();
    void bbtPreviewClick();

protected:
    virtual void search() {}                    // the concrete screen's search (base last)
    virtual TfrmZZP010 *createLayout() { return nullptr; }
    // The layout's condition lines: those of the search that produced the rows, whatever the inputs
    // hold by the time the list is printed.
    virtual void fillConditions(TfrmZZP010 *layout);
    // The condition lines the inputs give now (every condition on one line unless a screen says more).
    virtual QStringList currentConditionLines() { return {conditionLine(m_conditions)}; }
    // A search that produced rows keeps the lines of its conditions for the print.
    void keepSearchedConditions() { m_searchedConditions = currentConditionLines(); }
    QStringList searchedConditions() const { return m_searchedConditions; }
    // Before a layout is made from the result (a list reads all of it, so counts are whole).
    virtual void beforeLayout() {}
    // Before the layout is built: what the screen shows that the layout sizes itself by.
    virtual void fitLayout(TfrmZZP010 *) {}
    // The print check of the buttons; false stops silently.
    bool beginPrint(QAbstractButton *button) { return beginAction(button); }
    void runLayout(bool preview);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGridLayout *m_grid;
    int m_row = 0;
    int m_col = 0;
    QList<QWidget *> m_conditions;
    QList<QLabel *> m_labels;
    QStringList m_searchedConditions;
};
