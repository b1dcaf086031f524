#pragma once
// General utilities every screen uses: date texts in stored ("yyyymmdd") and display ("yyyy-mm-dd")
// form, day names, conversions that never fail, zero padding, today's date and the workstation address.
#include <QString>
#include <QStringList>

extern const QStringList DayNames;       // indexed by day of week, Sunday first
extern const QStringList RowStateCodes;  // "0" … "3": a grid row's state as an AEDITSTATUS value

QString DigitsOnly(const QString &text);     // digits in order; a "-" only in first position
QString ToDisplayDate(const QString &text);  // "20030115" → "2003-01-15"; anything else unchanged
QString ToSlashDate(const QString &text);    // "20030115" → "2003/01/15" (tickets); anything else unchanged
QString ToStoredDate(const QString &text);   // "2003-01-15" → "20030115"; anything else unchanged
bool IsDateText(const QString &text);        // a real date as "yyyymmdd" or "yyyy-mm-dd", nothing else
bool IsDigitText(const QString &text);       // only the digits 0-9 (empty too)
QString DayName(const QString &text);        // day name of a stored date, else empty
bool IsValidDate8(const QString &text);      // strict check of a stored date (blanks removed)
QString PadZeros(const QString &text, int width);
QString TodayText();
QString IntToText(qint64 number);
qint64 TextToInt(const QString &text);
QString WorkstationAddress();                // first IPv4 address of the host name, or empty
