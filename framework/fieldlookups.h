#pragma once
// Small behaviours that several screens give their fields.
//
//   BindLookupKey(edtSeason, bbtSeason);     // F1 in the field presses its lookup button
//   TSeasonField season(edtSeason, bbtSeason, wlbSeason, cboArea);
//   if (!season.check()) return;              // "*시즌을(를) 먼저 입력하십시오." / "…정확히…"
//
// The season field holds a code of code group E0004; its name stands in a label beside it. Typing
// clears the name, leaving the field shows it, and the lookup fills both and moves on.
//
//   TEventField event(edtEventNo, bbtEventNo, wlbEventNo);   // a partner group, "*제휴단체번호"
//   connect(&event, &TEventField::chosen, this, &…::bbtSearchClick);
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// F1 in the field clicks the button, when the button may be pressed.
void BindLookupKey(QWidget *field, QAbstractButton *button);
// The lookup button bound to the field, or nullptr: it is locked and unlocked with the field.
QAbstractButton *LookupButtonOf(const QWidget *field);

class TSeasonField : public QObject {
    Q_OBJECT
public:
    TSeasonField(QLineEdit *edit, QAbstractButton *button, QLabel *name, QWidget *next = nullptr);

    QString code() const;
    void setNext(QWidget *next) { m_next = next; }
    // Empty: "*시즌" + "을(를) 먼저 입력하십시오."; unknown code: "…을(를) 정확히 입력하십시오.";
    // empty when the season is known. A code typed but not yet left (F3 in the field) is looked up.
    QString problem();
    // Shows the problem (ShowInfo) and puts the focus on the field; true when there is none.
    bool check();

signals:
    // A season taken from the lookup dialog (after the focus moved on).
    void chosen();

public slots:
    void lookup();
    void showName();

private:
    QLineEdit *m_edit;
    QLabel *m_name;
    QPointer<QWidget> m_next;
};

// A partner group (member group "44") by its number, its name beside it: typing clears the name,
// leaving the field with text looks it up, the lookup dialog "제휴단체" fills both.
class TEventField : public QObject {
    Q_OBJECT
public:
    TEventField(QLineEdit *edit, QAbstractButton *button, QLabel *name);

    QString number() const;
    // Leaving the field looks nothing up while this holds (a record screen's Cancel or Close pressed).
    void setLeaveGuard(std::function<bool()> skip) { m_skipLeave = std::move(skip); }
    // Empty: "*제휴단체번호" + "을(를) 먼저 입력하십시오."; no such group: "…을(를) 정확히 입력하십시오.";
    // empty when the group is known. A number typed but not yet left is looked up.
    QString problem();
    bool check();   // shows the problem (ShowInfo) and puts the focus on the field; true when none

signals:
    void chosen();   // a group taken from the lookup dialog

public slots:
    void lookup();
    void showName();

private:
    QLineEdit *m_edit;
    QLabel *m_name;
    std::function<bool()> m_skipLeave;
};
