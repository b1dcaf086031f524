#pragma once
// Start-up of the process: the command line, the start-up values, the database alias and the
// password, and the first connection.
#include "database/database.h"
#include <QString>
#include <QStringList>
#include <functional>

// The settings file of database aliases in the program directory. One section per alias:
//   [DEMO]           Driver=SQLite, File=demo.db (relative to the program directory)
//   [RESORT]         Driver=PostgreSQL, Host=…, Port=5432, Database=…, Schema=…
//                    Host=db1,db2 (Port=5432,5433): the one that accepts writes; ReadHosts=, ReadPorts=:
//                    replicas for the screens that only read; SslMode=, SslRootCert=: encryption
QString DatabaseAliasFile();   // "sports-db.ini"

// Resolves the first command-line parameter: an alias of the settings file, else an SQLite file path
// (relative to the program directory when the file is there, else to the current directory).
bool ResolveDatabase(const QString &name, const QString &programDirectory, db::ConnectionSettings *settings,
                     QString *error);

enum class StartupResult {
    Connected,      // the data module is connected; the main window may load its menu
    NotConnected,   // a failure was shown; the main window ends the program
    Terminate       // wrong command line: end at once
};

// The reason text of a database that cannot be used at start-up.
QString CannotConnectMessage(const QString &reason);

// Runs one step of start-up; a failure thrown from it (a database that opened but cannot answer the
// menu queries, a damaged file) is shown as a connection failure and makes the step false.
bool RunStartupStep(const std::function<bool()> &step);

// Step 4 of start-up on the data module: start-up values from the arguments (without the program
// name), the parameter check, the alias, the password and Connect. Every failure is shown.
StartupResult StartDataModule(const QStringList &arguments, const QString &programDirectory);
