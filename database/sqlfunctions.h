#pragma once
// The functions that the statements use, provided on both back ends so that one text runs on both:
// NVL, DECODE, TO_NUMBER, TO_CHAR, TO_DATE, CONCAT, SYSDATE(), LPAD, RPAD, MOD, FN_ADD_DAYS, FN_ZA010MS_04,
// FN_NOW_SECONDS() (the database's clock in seconds, for the counters' sessions).
#include <QSqlDatabase>
#include <QString>

namespace db {

class Database;

// SQLite: registered on the connection each time it opens.
bool registerSqliteFunctions(QSqlDatabase &database, QString *error);
// PostgreSQL: created in the first schema of the search path (part of creating the schema).
QString postgresFunctionsScript();

// The display form of personal data: a 13-digit registration number shows its first seven digits
// ("8001011******"); every other text is returned unchanged.
QString maskPersonal(const QString &text);
// A number in a masked display form, whole or partly edited ("9203031******", "92030321*****"):
// digits, stars and hyphens only, at least one digit and one star, six positions or more.
bool looksMasked(const QString &text);

} // namespace db
