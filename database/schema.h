#pragma once
// Creating a database: the functions, every table of schema/*.sql, and the demo data of demo/*.sql.
#include <QDate>
#include <QString>
#include <QStringList>

namespace db {

class Database;

// The DDL files in creation order (their names sort in that order).
QStringList schemaFiles();
QStringList demoFiles();

// PostgreSQL: the procedures that run inside the server (procedures/server/*.sql), installed after the
// tables by the set-up and again by every upgrade (the program's versions replace the earlier ones).
QStringList serverProcedureFiles();
bool installServerProcedures(Database &database, QString *error);

// Creates the functions and all tables on an open, empty database, and records its version.
bool createSchema(Database &database, QString *error);

// Inserts the demo rows. "{TODAY}" and "{TODAY+N}"/"{TODAY-N}" in the files become yyyymmdd texts
// relative to today, and "{YEAR}" the current year, so the demo stays current. Inside a running
// transaction the rows become part of it.
bool loadDemoData(Database &database, const QDate &today, QString *error);
QString expandDemoTokens(const QString &text, const QDate &today);

// Builds a fresh SQLite demo database file (an existing file is replaced).
bool buildDemoDatabase(const QString &path, QString *error);

} // namespace db
