#include "inputs.h"
#include <QKeyEvent>
#include "core/cp949.h"
#include <QRegularExpression>
#include <QValidator>

namespace {
CodeListSource &codeSource()
{
    static CodeListSource source;
    return source;
}

class Cp949Validator : public QValidator {
public:
    Cp949Validator(int maxBytes, QObject *parent) : QValidator(parent), m_max(maxBytes) {}
    State validate(QString &input, int &) const override
    {
        return Cp949Length(input) <= m_max ? Acceptable : Invalid;
    }
    void fixup(QString &input) const override { input = TruncateCp949(input, m_max); }
private:
    int m_max;
};
}

void SetHint(QWidget *control, const QString &hint) { control->setProperty("hint", hint); }
QString Hint(const QWidget *control) { return control->property("hint").toString(); }

void BindByUserProperty(QWidget *control, const QStringList &hints)
{
    control->setProperty("hint", hints.value(0));
    control->setProperty("hints", hints);
    control->setProperty("bindUserProperty", true);
}

bool IsBoundByUserProperty(const QWidget *control) { return control->property("bindUserProperty").toBool(); }

QStringList Hints(const QWidget *control)
{
    const QStringList hints = control->property("hints").toStringList();
    if (!hints.isEmpty())
        return hints;
    const QString hint = Hint(control);
    return hint.isEmpty() ? QStringList() : QStringList{hint};
}

void SetCodeListSource(CodeListSource source) { codeSource() = std::move(source); }
bool HasCodeListSource() { return bool(codeSource()); }

bool LoadCodeList(const QString &group, QStringList *codes, QStringList *labels)
{
    codes->clear();
    labels->clear();
    if (!codeSource())
        return false;
    codeSource()(group, codes, labels);
    return true;
}

TEdit::TEdit(QWidget *parent) : QLineEdit(parent) {}

void TEdit::setMaxBytes(int bytes)
{
    m_maxBytes = bytes;
    delete validator();
    setValidator(bytes > 0 ? new Cp949Validator(bytes, this) : nullptr);
}

TCodeCombo::TCodeCombo(QWidget *parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, &TCodeCombo::codeChanged);
}

void TCodeCombo::setItems(const QStringList &codes, const QStringList &labels)
{
    QSignalBlocker block(this);
    clear();
    for (int i = 0; i < codes.size(); ++i)
        addItem(i < labels.size() ? labels[i] : codes[i], codes[i]);
    setCurrentIndex(-1);
}

bool TCodeCombo::fillFromGroup(const QString &group, bool allEntry)
{
    QStringList codes, labels;
    bool ok = LoadCodeList(group, &codes, &labels);
    if (allEntry) {
        codes.prepend(QString());
        labels.prepend(QStringLiteral("[전체]"));
    }
    setItems(codes, labels);
    if (allEntry)
        setCurrentIndex(0);
    return ok;
}

QStringList TCodeCombo::codes() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out.append(itemData(i).toString());
    return out;
}

QString TCodeCombo::code() const
{
    int i = currentIndex();
    return i >= 0 ? itemData(i).toString() : QString();
}

bool TCodeCombo::setCode(const QString &code)
{
    const QStringList all = codes();
    int i = int(all.indexOf(code));
    setCurrentIndex(i);
    return i >= 0;
}

TNumericEdit::TNumericEdit(QWidget *parent, int maxDigits) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaxDigits(maxDigits);
    setText("0");
    connect(this, &QLineEdit::textChanged, this, &TNumericEdit::digitsChanged);
}

void TNumericEdit::setMaxDigits(int digits)
{
    delete validator();
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?\\d{0,%1}").arg(qMax(1, digits))), this));
}

qint64 TNumericEdit::value() const { return text().toLongLong(); }
void TNumericEdit::setValue(qint64 value) { setText(QString::number(value)); }
QString TNumericEdit::digits() const { return text().isEmpty() ? QString() : QString::number(value()); }

void TNumericEdit::setDigits(const QString &digits)
{
    QString d = digits;
    d.remove(QLatin1Char(','));
    if (d.isEmpty())
        clear();
    else
        setValue(d.toLongLong());
}

TMaskEdit::TMaskEdit(const QString &mask, QWidget *parent) : QLineEdit(parent), m_mask(mask)
{
    QString qtMask;
    for (QChar c : mask) {
        if (c == '9')
            qtMask += '9';
        else if (QStringLiteral("AaNnXx0Dd#HhBb>!<\\{}[]").contains(c))
            qtMask += QStringLiteral("\\") + c;
        else
            qtMask += c;
    }
    m_qtMask = qtMask + ";_";
    setInputMask(m_qtMask);
    connect(this, &QLineEdit::textChanged, this, &TMaskEdit::valueChanged);
}

QString TMaskEdit::value() const
{
    QString shown = displayText();
    QString out;
    for (int i = 0; i < m_mask.size() && i < shown.size(); ++i)
        if (m_mask[i] == '9' && (shown[i].isDigit() || (m_starred && shown[i] == QLatin1Char('*'))))
            out += shown[i];
    return out;
}

void TMaskEdit::setValue(const QString &digits)
{
    const bool starred = digits.contains(QLatin1Char('*'));
    if (starred != m_starred) {
        m_starred = starred;
        setInputMask(starred ? QString() : m_qtMask);   // the input mask would drop the stars
    }
    QString t;
    int d = 0;
    for (QChar c : m_mask) {
        if (c == '9')
            t += d < digits.size() ? digits[d++] : QChar(' ');
        else
            t += c;
    }
    setText(t);
    setCursorPosition(0);   // typing starts at the first position, not behind the blanks
}

void TMaskEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (value().isEmpty())
        setCursorPosition(0);
}

void TMaskEdit::keyPressEvent(QKeyEvent *event)
{
    // typing over a masked display form starts the value afresh under the input mask
    if (m_starred && !isReadOnly()
        && (!event->text().trimmed().isEmpty() || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
        m_starred = false;
        setInputMask(m_qtMask);
        clear();
        setCursorPosition(0);
        if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
            emit textEdited(text());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

bool TMaskEdit::isComplete() const { return value().size() == m_mask.count('9'); }

TDateEdit::TDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setDisplayFormat("yyyy-MM-dd");
    setCalendarPopup(true);
    setDate(QDate::currentDate());
    connect(this, &QDateEdit::dateChanged, this, &TDateEdit::dateTextChanged);
}

QString TDateEdit::dateText() const { return date().toString("yyyyMMdd"); }

bool TDateEdit::setDateText(const QString &yyyymmdd)
{
    QDate d = QDate::fromString(yyyymmdd, "yyyyMMdd");
    if (!d.isValid())
        return false;
    setDate(d);
    return true;
}
