#pragma once
// Text in the Korean code page CP949 (Microsoft's code page 949): the printer's and the spreadsheet
// file's encoding, and the measure of input lengths (a Hangul syllable is two bytes).
#include <QByteArray>
#include <QString>

QByteArray ToCp949(const QString &text);        // characters outside the code page become '?'
QString FromCp949(const QByteArray &bytes);
int Cp949Length(const QString &text);           // bytes the text takes in CP949 (2 a non-ASCII character)
QString TruncateCp949(const QString &text, int maxBytes);  // the longest prefix within maxBytes, whole characters
