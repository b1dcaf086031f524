#pragma once
// Small behaviours that several screens give their fields.
//
//   BindLookupKey(edtSeason, bbtSeason);     // F1 in the field presses its lookup button
//   TSeasonField season(edtSeason, bbtSeason, wlbSeason, cboArea);
//   if (!season.check()) return;              // "*시즌을(를) 먼저 입력하십시오." / "…정확히…"
//
// The season field is a code field (TCodeField) of code group E0004; its name stands in a label beside
// it. Typing clears the name, leaving the field shows it, and the lookup fills both and moves on. Any
// other code with a lookup is a TCodeField of its own TCodeLookup (the weather's observation place).
//
//   TEventField event(edtEventNo, bbtEventNo, wlbEventNo);   // a partner group, "*제휴단체번호"
//   connect(&event, &TEventField::chosen, this, &…::bbtSearchClick);
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

// F1 in the field clicks the button, when the button may be pressed.
void BindLookupKey(QWidget *field, QAbstractButton *button);
// The lookup button bound to the field, or nullptr: it is locked and unlocked with the field.
QAbstractButton *LookupButtonOf(const QWidget *field);

// A code typed in an edit, its name beside it: typing clears the name, leaving the edit shows the
// name of the code, the lookup dialog (the button, F1 in the edit) fills both and moves on to the
// next input. The checks: caption + "을(를) 먼저 입력하십시오." when empty, "…정확히…" for a code
// the group lacks.
struct TCodeLookup {
    QString caption;       // the subject of the messages ("*시즌")
    QString group;         // the code group of ZX010MS
    QString dialogTitle;   // the lookup dialog's caption
    int maxLength = 2;
    bool upperCase = true; // codes are upper case whatever the keyboard is set to
    // A code of another table: its name, and its own lookup dialog (true: chosen, code and name set).
    std::function<QString(const QString &code)> nameOf;
    std::function<bool(QString &code, QString &name, QWidget *parent)> choose;
    bool nameWhileTyping = false;   // the name follows every change of the code rather than the leaving
};

class TCodeField : public QObject {
    Q_OBJECT
public:
    TCodeField(const TCodeLookup &kind, QLineEdit *edit, QAbstractButton *button, QLabel *name, QWidget *next = nullptr);

    QString code() const;
    void setNext(QWidget *next) { m_next = next; }
    // A code set by the program clears the name too, except while the focus is on except (a close
    // button pressed from the field).
    void clearNameOnEveryChange(QWidget *except);
    // Leaving the field looks nothing up while this holds (a record screen's Cancel or Close pressed).
    void setLeaveGuard(std::function<bool()> skip) { m_skipLeave = std::move(skip); }
    // The problem of the field as the checks name it, empty when the code is known. A code typed
    // but not yet left (F3 in the field) is looked up.
    QString problem();
    // Shows the problem (ShowInfo) and puts the focus on the field; true when there is none.
    bool check();

signals:
    // A code taken from the lookup dialog.
    void chosen();

public slots:
    void lookup();
    void showName();

private:
    TCodeLookup m_kind;
    QLineEdit *m_edit;
    QLabel *m_name;
    QPointer<QWidget> m_next, m_keepFor;
    bool m_everyChange = false;
    std::function<bool()> m_skipLeave;
};

// The ski season (code group E0004, "*시즌").
class TSeasonField : public TCodeField {
    Q_OBJECT
public:
    TSeasonField(QLineEdit *edit, QAbstractButton *button, QLabel *name, QWidget *next = nullptr);
};

// A partner group (member group "44", "*제휴단체번호") by its number, its name beside it; the lookup
// dialog "제휴단체" fills both and does not move on.
class TEventField : public TCodeField {
    Q_OBJECT
public:
    TEventField(QLineEdit *edit, QAbstractButton *button, QLabel *name);
    QString number() const { return code(); }
};
