// Versions of the database: a database of the first release holding the demo data is brought up step by
// step to the program's version with every row kept and ends table for table, column for column like
// a freshly created one; the set-up and upgrade refusals; the tool sports-db on an SQLite file.
#include "support/testdatabase.h"
#include "database/procedure.h"
#include "database/query.h"
#include "database/schema.h"
#include "database/sqlfunctions.h"
#include "database/upgrade.h"
#include <QCryptographicHash>
#include <QProcess>
#include <QtTest>

using namespace db;

namespace {

QString versionOneSchema()
{
    QFile f(qEnvironmentVariable("SPORTS_SOURCE_DIR") + QStringLiteral("/tests/database/schema-1.sql"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A database of the first release: its tables (and on the server the functions of that time).
bool makeVersionOne(testing::TestDatabase &t)
{
    const QString schema = versionOneSchema();
    if (schema.isEmpty())
        return false;
    return (t->backend() != Backend::PostgreSQL || t.run(postgresFunctionsScript())) && t.run(schema);
}

// Copies into `target` every row of `source` that its tables can take (the columns both have).
bool copyRows(Database &source, Database &target, QString *error)
{
    SchemaShape from, to;
    if (!describeSchema(source, &from, error) || !describeSchema(target, &to, error) || !target.beginTransaction())
        return false;
    for (auto it = to.tables.constBegin(); it != to.tables.constEnd(); ++it) {
        if (!from.tables.contains(it.key()))
            continue;
        QStringList columns;
        for (const QString &c : it.value())
            for (const QString &s : from.tables.value(it.key()))
                if (s.section(' ', 0, 0) == c.section(' ', 0, 0))
                    columns << c.section(' ', 0, 0);
        QList<QStringList> rows;
        if (!Query::run(&source, QStringLiteral("SELECT %1 FROM %2").arg(columns.join(", "), it.key()), {}, &rows, nullptr, error))
            return false;
        // a hundred rows a statement
        const QString marks = QStringLiteral("(") + QStringList(columns.size(), QStringLiteral("?")).join(", ") + QStringLiteral(")");
        for (qsizetype first = 0; first < rows.size(); first += 100) {
            const qsizetype n = qMin<qsizetype>(100, rows.size() - first);
            QVariantList values;
            for (qsizetype r = first; r < first + n; ++r)
                for (const QString &v : rows.at(r))
                    values << v;
            const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                                       .arg(it.key(), columns.join(", "), QStringList(n, marks).join(", "));
            if (!Query::runPositional(&target, insert, values, nullptr, nullptr, error))
                return false;
        }
    }
    return target.commit();
}

// Each table's row count and a digest of its rows over the given columns.
QMap<QString, QString> contents(Database &database, const SchemaShape &shape)
{
    QMap<QString, QString> out;
    for (auto it = shape.tables.constBegin(); it != shape.tables.constEnd(); ++it) {
        QStringList columns;
        for (const QString &c : it.value())
            columns << c.section(' ', 0, 0);
        QList<QStringList> rows;
        QString error;
        if (!Query::run(&database, QStringLiteral("SELECT %1 FROM %2").arg(columns.join(", "), it.key()), {}, &rows, nullptr, &error))
            return {{it.key(), error}};
        QStringList lines;
        for (const QStringList &row : std::as_const(rows))
            lines << row.join(QChar(0x1f));
        lines.sort();
        out.insert(it.key(), QString::number(rows.size()) + QLatin1Char(' ')
                                 + QCryptographicHash::hash(lines.join('\n').toUtf8(), QCryptographicHash::Sha1).toHex());
    }
    return out;
}

} // namespace

class TestUpgrade : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_demo;   // the demo data on the program's schema, the source of every test's rows

private slots:
    void initTestCase()
    {
        m_demo = m_dir.filePath("demo.db");
        QString error;
        QVERIFY2(buildDemoDatabase(m_demo, &error), qPrintable(error));
        QVERIFY2(!versionOneSchema().isEmpty(), "tests/database/schema-1.sql");
        QVERIFY(programSchemaVersion() > 1);
        // the steps are numbered one after the other from 2
        const QList<UpgradeStep> steps = upgradeSteps();
        for (int i = 0; i < steps.size(); ++i)
            QCOMPARE(steps[i].version, i + 2);
    }

    // From the first release with the demo data in it, one step at a time: after each step every row
    // is still there with the values it had, and at the end the database has the structure of a fresh
    // one, table for table and column for column (a table or column added to the schema without its
    // upgrade step fails here).
    void everyStepKeepsEveryRow_data() { testing::addBackendColumn(); }
    void everyStepKeepsEveryRow()
    {
        QFETCH(int, backend);
        testing::TestDatabase old(static_cast<Backend>(backend), false);
        QVERIFY2(old.ok(), qPrintable(old.error()));
        QVERIFY(makeVersionOne(old));
        QString error;
        QCOMPARE(databaseSchemaVersion(*old.database(), &error), 1);
        Database demo;
        ConnectionSettings s;
        s.database = m_demo;
        QVERIFY(demo.open(s));
        QVERIFY2(copyRows(demo, *old.database(), &error), qPrintable(error));

        SchemaShape first;
        QVERIFY2(describeSchema(*old.database(), &first, &error), qPrintable(error));
        const QMap<QString, QString> before = contents(*old.database(), first);
        QVERIFY(before.value("EB020MS").section(' ', 0, 0).toInt() > 0);   // there are rows to keep
        for (const UpgradeStep &step : upgradeSteps()) {
            QStringList applied;
            QVERIFY2(upgradeDatabase(*old.database(), &error, &applied, step.version), qPrintable(error));
            QCOMPARE(applied.size(), 1);
            QCOMPARE(databaseSchemaVersion(*old.database(), &error), step.version);
            QCOMPARE(contents(*old.database(), first), before);
        }
        QCOMPARE(databaseSchemaVersion(*old.database(), &error), programSchemaVersion());

        testing::TestDatabase fresh(static_cast<Backend>(backend));
        QVERIFY2(fresh.ok(), qPrintable(fresh.error()));
        SchemaShape want, got;
        QVERIFY(describeSchema(*fresh.database(), &want, &error));
        QVERIFY(describeSchema(*old.database(), &got, &error));
        QVERIFY(want.tables.contains("SCHEMA_VERSION") && want.tables.size() > 50);
        const QStringList differences = compareSchemas(want, got);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
        if (backend == int(Backend::PostgreSQL)) {   // the tool checks a server against a fresh SQLite file
            testing::TestDatabase file(Backend::SQLite);
            QVERIFY(describeSchema(*file.database(), &want, &error));
            QVERIFY2(compareSchemas(want, got).isEmpty(), qPrintable(compareSchemas(want, got).join('\n')));
        }
        if (backend == int(Backend::PostgreSQL)) {
            // the server's procedures are those of a fresh database, and run
            const QString functions = "SELECT STRING_AGG(CAST(PRONAME AS TEXT), ',' ORDER BY PRONAME) FROM PG_PROC "
                                      "WHERE PRONAMESPACE = CAST(CURRENT_SCHEMA() AS REGNAMESPACE)";
            QCOMPARE(Query::scalar(old.database(), functions), Query::scalar(fresh.database(), functions));
            QVERIFY(Query::scalar(old.database(), functions).contains("pr_ebi040_02"));
            StoredProc header(old.database(), "PR_EBI040_01");
            for (auto [name, value] : {std::pair{"ARENT_DATE", "20261212"}, {"AAREA_GUBUN", "M"}, {"ADEAL_NAME", "김취급"},
                                       {"AKEEP_KIND_GUBUN", "01"}, {"AKEEP_BOX_NO", "A1"}, {"AEDITSTATUS", "2"}})
                header.setParam(name, value);
            QVERIFY2(header.exec(), qPrintable(header.lastError()));
            QVERIFY(header.param("ANEW_RENT_NO").toInt() > 0);
        }
        // nothing is left to do, and the upgraded database takes the program's statements
        QStringList applied;
        QVERIFY(upgradeDatabase(*old.database(), &error, &applied));
        QVERIFY(applied.isEmpty());
        QVERIFY2(Query::scalar(old.database(), "SELECT COUNT(*) FROM EB020MS WHERE NVL(EQUIP_NO, 'x') LIKE '0%'").toInt() > 0,
                 qPrintable(old->lastError()));
    }

    // A step that fails leaves the database as it was: no column of any earlier statement, no version.
    void failedUpgradeChangesNothing_data() { testing::addBackendColumn(); }
    void failedUpgradeChangesNothing()
    {
        QFETCH(int, backend);
        testing::TestDatabase old(static_cast<Backend>(backend), false);
        QVERIFY(old.ok());
        QVERIFY(makeVersionOne(old));
        // the last table the first step alters already has what it adds
        QVERIFY(old.run("ALTER TABLE EH030MS ADD COLUMN ROW_VERSION INTEGER DEFAULT 0 NOT NULL;"));
        QString error;
        QVERIFY(!upgradeDatabase(*old.database(), &error));
        QVERIFY2(error.contains("0002_"), qPrintable(error));
        QCOMPARE(databaseSchemaVersion(*old.database(), &error), 1);
        SchemaShape shape;
        QVERIFY(describeSchema(*old.database(), &shape, &error));
        QVERIFY(!shape.tables.contains("SCHEMA_VERSION"));
        QVERIFY(!shape.tables.value("EB010MS").contains("ROW_VERSION NOT NULL"));
    }

    void refusals_data() { testing::addBackendColumn(); }
    void refusals()
    {
        QFETCH(int, backend);
        QString error;
        testing::TestDatabase empty(static_cast<Backend>(backend), false);
        QVERIFY(empty.ok());
        QCOMPARE(databaseSchemaVersion(*empty.database(), &error), 0);
        QVERIFY(!upgradeDatabase(*empty.database(), &error));
        QVERIFY2(error.contains("init"), qPrintable(error));
        // set up in one go, the demo data with it
        QVERIFY2(initDatabase(*empty.database(), true, &error), qPrintable(error));
        QCOMPARE(databaseSchemaVersion(*empty.database(), &error), programSchemaVersion());
        QVERIFY(empty.count("ZA040MS") > 0);
        QVERIFY(!initDatabase(*empty.database(), false, &error));
        QVERIFY2(error.contains("upgrade"), qPrintable(error));
        // a database of a later program is left alone
        QVERIFY(empty.run(QStringLiteral("INSERT INTO SCHEMA_VERSION (VERSION) VALUES (%1);").arg(programSchemaVersion() + 1)));
        QVERIFY(!upgradeDatabase(*empty.database(), &error));
        QCOMPARE(databaseSchemaVersion(*empty.database(), &error), programSchemaVersion() + 1);
    }

    // The tool on an SQLite file: set up with the demo, checked, an upgrade with nothing to do; a
    // database of the first release upgraded and then checked clean.
    void tool()
    {
        auto run = [](const QStringList &args, QString *output) {
            QProcess p;
            p.start(QStringLiteral(SPORTS_DB_TOOL), args);
            p.waitForFinished(60000);
            *output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QString output;
        const QString file = m_dir.filePath("tool.db");
        QCOMPARE(run({"init", file, "--demo"}, &output), 0);
        QCOMPARE(run({"check", file}, &output), 0);
        QVERIFY2(output.contains("같습니다"), qPrintable(output));
        QCOMPARE(run({"upgrade", file}, &output), 0);
        QVERIFY2(output.contains("바꾼 것이 없습니다"), qPrintable(output));
        QCOMPARE(run({"init", file}, &output), 1);
        QCOMPARE(run({"bogus", file}, &output), 2);

        const QString old = m_dir.filePath("old.db");
        {
            QFile f(old);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        {
            Database d;
            ConnectionSettings s;
            s.database = old;
            QVERIFY(d.open(s));
            QVERIFY(d.executeScript(versionOneSchema()));
        }
        QCOMPARE(run({"check", old}, &output), 1);
        QVERIFY2(output.contains("sports-db upgrade"), qPrintable(output));
        QCOMPARE(run({"upgrade", old}, &output), 0);
        QCOMPARE(run({"check", old}, &output), 0);
    }
};

QTEST_GUILESS_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
