#pragma once
// Versions of the database's structure. The first release is version 1; each step file of upgrade/
// ("0002_row_version.sql", …) raises it by one, and the program works with the version of its last
// step. A database records the steps it has taken in SCHEMA_VERSION (a database of the first release has
// no such table). Creating, upgrading and checking a database in use is the work of the tool sports-db.
#include <QMap>
#include <QString>
#include <QStringList>

namespace db {

class Database;

struct UpgradeStep {
    int version = 0;          // the version the database has after the step
    QString description;      // from the file name: "row_version"
    QString file;             // the resource holding its statements
};

// The steps in order; the program's version is the last one's (1 without steps).
QList<UpgradeStep> upgradeSteps();
int programSchemaVersion();

// The version of an open database: the highest recorded step, 1 for a database of the first release,
// 0 for a database without the program's tables, -1 (with *error) when it cannot be read.
int databaseSchemaVersion(Database &database, QString *error);

// Records on a freshly created schema that it is of the program's version (part of createSchema).
bool recordSchemaVersion(Database &database, QString *error);

// Creates the schema, its functions and (when asked) the demo data on an empty database, in one
// transaction. Refused on a database that already holds the program's tables.
bool initDatabase(Database &database, bool withDemo, QString *error);

// Brings a database of an earlier version up to `target` (the program's version when 0) in one
// transaction, keeping every row; *applied names the steps taken. Nothing changes on a failure.
bool upgradeDatabase(Database &database, QString *error, QStringList *applied = nullptr, int target = 0);

// The shape of a database: each table's columns ("NAME" or "NAME NOT NULL", upper case, sorted) and
// the names of the indexes made by the schema and of its views, comparable across the back ends.
struct SchemaShape {
    QMap<QString, QStringList> tables;
    QStringList indexes;
    QStringList views;
};
bool describeSchema(Database &database, SchemaShape *shape, QString *error);
// What differs between the shape of the program's schema and a database's, one line a difference.
QStringList compareSchemas(const SchemaShape &expected, const SchemaShape &actual);

// The start-up message for a database of another version than the program's (empty when they agree);
// `alias` is what the command line named, for the command that brings it up to date.
QString schemaVersionMessage(int databaseVersion, const QString &alias);

} // namespace db
