#include "utils.h"
#include <QDate>
#include <QHostAddress>
#include <QHostInfo>

const QStringList DayNames = {QStringLiteral("일요일"), QStringLiteral("월요일"), QStringLiteral("화요일"),
                              QStringLiteral("수요일"), QStringLiteral("목요일"), QStringLiteral("금요일"),
                              QStringLiteral("토요일")};
const QStringList RowStateCodes = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};

QString DigitsOnly(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (i == 0 && c == QLatin1Char('-')))
            out += c;
    }
    return out;
}

// Gregorian validity of a yyyy-mm-dd text made of digits.
static bool validDisplayDate(const QString &text)
{
    if (text.size() != 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!text.at(i).isDigit() || text.at(i).unicode() > '9')
            return false;
    return QDate(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt()).isValid()
        && text.left(4).toInt() > 0;
}

QString ToDisplayDate(const QString &text)
{
    const QString digits = DigitsOnly(text);
    if (digits.size() != 8)
        return text;
    const QString display = digits.left(4) + QLatin1Char('-') + digits.mid(4, 2) + QLatin1Char('-') + digits.mid(6, 2);
    return validDisplayDate(display) ? display : text;
}

QString ToSlashDate(const QString &text)
{
    const QString display = ToDisplayDate(text);
    return display == text ? text : QString(display).replace(QLatin1Char('-'), QLatin1Char('/'));
}

QString ToStoredDate(const QString &text)
{
    if (text.size() != 10 || !validDisplayDate(text))
        return text;
    return text.left(4) + text.mid(5, 2) + text.mid(8, 2);
}

// A real calendar date in the stored form ("20030115") or the shown one ("2003-01-15"), nothing else.
bool IsDateText(const QString &text)
{
    if (text.size() == 10)
        return validDisplayDate(text);
    if (text.size() != 8)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return validDisplayDate(text.left(4) + QLatin1Char('-') + text.mid(4, 2) + QLatin1Char('-') + text.mid(6, 2));
}

bool IsDigitText(const QString &text)
{
    for (const QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

QString DayName(const QString &text)
{
    if (text.size() != 8 || !IsDateText(text))
        return QString();
    const QString d = ToDisplayDate(text);
    const QDate date(d.left(4).toInt(), d.mid(5, 2).toInt(), d.mid(8, 2).toInt());
    return DayNames.at(date.dayOfWeek() % 7);   // Qt: Monday 1 … Sunday 7
}

bool IsValidDate8(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (t.size() != 8)
        return false;
    for (const QChar c : t)   // eight digits: no sign, no other blank
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool okY = false, okM = false, okD = false;
    const int year = t.left(4).toInt(&okY), month = t.mid(4, 2).toInt(&okM), day = t.mid(6, 2).toInt(&okD);
    if (!okY || !okM || !okD || year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= days[month - 1] + (month == 2 && leap ? 1 : 0);
}

QString PadZeros(const QString &text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char('0')) + text;
}

QString TodayText() { return QDate::currentDate().toString(QStringLiteral("yyyyMMdd")); }

QString IntToText(qint64 number) { return QString::number(number); }

qint64 TextToInt(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

QString WorkstationAddress()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &a : info.addresses()) {
        bool ok = false;
        const quint32 v = a.toIPv4Address(&ok);
        if (ok && a.protocol() == QAbstractSocket::IPv4Protocol)
            return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 255).arg((v >> 8) & 255).arg(v & 255);
    }
    return QString();
}
