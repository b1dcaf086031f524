#pragma once
// Input controls of the component set. Lengths count CP949 bytes (a Hangul syllable is two bytes).
// Every control can carry a hint: the title of the grid column it shows (SetHint/Hint). Each editor
// gives its value as text through its USER property, as a form binds it: a code combo its code, a
// masked edit its value without literals, a numeric edit its digits (empty when blank), a date edit
// "yyyymmdd", a label its text.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <functional>

// The binding hint of a control (a detail control shows the grid column titled by its hint).
void SetHint(QWidget *control, const QString &hint);
QString Hint(const QWidget *control);
// A control of a screen's own kind, or one showing several columns, is bound through its USER property
// (a QString for one column, a QStringList in the order of the hints for several).
void BindByUserProperty(QWidget *control, const QStringList &hints);
bool IsBoundByUserProperty(const QWidget *control);
QStringList Hints(const QWidget *control);   // every column the control shows

// Where code lists come from: fills codes and labels of one code group. The reference-data layer
// sets it; until then code combos filled by group stay empty.
using CodeListSource = std::function<void(const QString &group, QStringList *codes, QStringList *labels)>;
void SetCodeListSource(CodeListSource source);
bool HasCodeListSource();
bool LoadCodeList(const QString &group, QStringList *codes, QStringList *labels);

// A plain edit whose length limit counts CP949 bytes (0: no limit).
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget *parent = nullptr);
    void setMaxBytes(int bytes);
    int maxBytes() const { return m_maxBytes; }
private:
    int m_maxBytes = 0;
};

// Shows labels, yields codes (each entry's code is its item data, so addItem(label, code) works
// too). The position of an entry is the same in the combo and in a grid column filled from the same
// code group.
class TCodeCombo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(QString code READ code WRITE setCode NOTIFY codeChanged USER true)
public:
    explicit TCodeCombo(QWidget *parent = nullptr);
    void setItems(const QStringList &codes, const QStringList &labels);
    bool fillFromGroup(const QString &group, bool allEntry = false);  // allEntry: "[전체]" with code ""
    QStringList codes() const;
    QString code() const;                 // the chosen entry's code, empty without a choice
    bool setCode(const QString &code);    // no selection when the code is not listed
    bool isEmpty() const { return code().isEmpty(); }
    void clearSelection() { setCurrentIndex(-1); }
signals:
    void codeChanged();
};

// Whole numbers only; value() is the integer, text() its digits.
class TNumericEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString digits READ digits WRITE setDigits NOTIFY digitsChanged USER true)
public:
    explicit TNumericEdit(QWidget *parent = nullptr, int maxDigits = 9);
    qint64 value() const;
    void setValue(qint64 value);
    QString digits() const;                  // the number as text, empty when blank
    void setDigits(const QString &digits);   // separators dropped; empty leaves it blank
signals:
    void digitsChanged();
public:
    void setMaxDigits(int digits);
};

// A masked edit: '9' is a digit position, every other character a literal ("9999-99-99",
// "999-999", "999999-9999999", "99:99"). value() is the text without the literals and blanks.
// A value shown in its masked display form ("8001011******") is shown as it is, stars included, and
// given back so; the first key typed starts a new value.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString value READ value WRITE setValue NOTIFY valueChanged USER true)
public:
    explicit TMaskEdit(const QString &mask, QWidget *parent = nullptr);
    QString mask() const { return m_mask; }
    QString value() const;
    void setValue(const QString &digits);   // the value without literals
    bool isComplete() const;                // every digit position filled
signals:
    void valueChanged();
protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
private:
    QString m_mask;
    QString m_qtMask;
    bool m_starred = false;   // showing a masked display form without the input mask
};

// A date picker showing year-month-day; the date travels as "yyyymmdd".
class TDateEdit : public QDateEdit {
    Q_OBJECT
    Q_PROPERTY(QString dateText READ dateText WRITE setDateText NOTIFY dateTextChanged USER true)
public:
    explicit TDateEdit(QWidget *parent = nullptr);
    QString dateText() const;
    bool setDateText(const QString &yyyymmdd);
signals:
    void dateTextChanged();

protected:
    // Tab leaves the date at once; the arrows and typing move between year, month and day.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText USER true)
public:
    explicit TLabel(QWidget *parent = nullptr) : QLabel(parent) {}
};
