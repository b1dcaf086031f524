#pragma once
// SQL text shared by the select lists of the list, report and lookup screens. A NULL (or blank)
// stored value shows as an empty cell on every back end: a date as NULL, a code as a NULL label.
#include <QString>

// A "yyyymmdd" column shown as "yyyy-mm-dd"; NULL when the column is NULL or blank.
QString dashedDate(const QString &column);
// The same with " AS alias".
QString dashedDate(const QString &column, const QString &alias);
// An amount or count shown "#,##0" (TO_CHAR with 'FM9,999,999,999'); NULL stays NULL.
QString groupedNumber(const QString &expression);
// The same with " AS alias".
QString groupedNumber(const QString &expression, const QString &alias);
// Label of a code of the common code table:
// "(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :param AND DETAIL = column)", the code group bound
// as param; NULL for a NULL code or one the group does not hold.
QString codeLabel(const QString &param, const QString &column);
// The same with " AS alias", for the select list.
QString codeLabel(const QString &param, const QString &column, const QString &alias);
// A zip code "999999" shown as "999-999" under its own name; a code of another length as stored,
// a blank one as NULL.
QString dashedZip(const QString &column);
// A registration number of a list as "999999-9******", masked as everywhere in the system's lists,
// under the name ID_NO; a blank one as NULL.
QString maskedIdNo(const QString &column);
