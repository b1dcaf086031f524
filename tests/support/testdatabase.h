#pragma once
// Fresh databases for tests: SQLite in a temporary file always, PostgreSQL in a fresh schema when
// SPORTS_TEST_PG names a server ("host=127.0.0.1 port=54329 user=postgres dbname=postgres").
#include "database/database.h"
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testing {

QList<db::Backend> testBackends();
QString backendName(db::Backend backend);

// Adds the column "backend" and one row per available back end to a QtTest data table.
void addBackendColumn();

class TestDatabase {
public:
    // Creates the database; with schema, every table and function of the program's schema.
    explicit TestDatabase(db::Backend backend, bool withSchema = true);
    ~TestDatabase();
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    db::Database *database() { return &m_db; }
    db::Database *operator->() { return &m_db; }
    db::ConnectionSettings settings() const { return m_settings; }
    // Runs statements (';' at line ends); fails the caller's QVERIFY via the returned flag.
    bool run(const QString &script);
    // A second connection on the same database, as another workstation would have.
    std::unique_ptr<db::Database> openAnother() const;
    QString scalar(const QString &sql) const;
    int count(const QString &table, const QString &where = QString()) const;

private:
    db::Database m_db;
    db::ConnectionSettings m_settings;
    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
};

// Gives the test process a private runtime folder and the offscreen platform before QApplication.
void prepareTestEnvironment();

// A child process of a race test reads its connection from its command line (backend, database,
// host, port, user, schema from argument `first` on).
db::ConnectionSettings connectionFromArgs(const QStringList &args, int first);

} // namespace testing

#define TEST_DB_FETCH(var)                                                   \
    QFETCH(int, backend);                                                    \
    testing::TestDatabase var(static_cast<db::Backend>(backend));            \
    QVERIFY2(var.ok(), qPrintable(var.error()))
