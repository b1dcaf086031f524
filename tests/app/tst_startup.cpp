// Start-up: the command line, the password file, the database alias, the connection failures and
// their messages, one copy per user.
#include "database/datamodule.h"
#include "app/password.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "app/mainwindow.h"
#include "core/startupvalues.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "database/query.h"
#include "database/upgrade.h"
#include <QtTest>

namespace {
const QString kStandalone = QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\r메인 프로그램(Hallin.exe)으로 실행하십시오.");
const QString kCannotConnect = QStringLiteral("데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r");
const QString kTooMany = QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오.");

void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        DM()->attach(nullptr);
        DM()->Disconnect();
        Startup() = StartupValues();
    }
    void cleanup() { DM()->Disconnect(); }

    void parameterCount_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("three") << QStringList{"demo.db", "DEMO", "1001"};
        QTest::newRow("five") << QStringList{"demo.db", "DEMO", "1001", "홍길동", "x"};
        QTest::newRow("none") << QStringList{};
    }
    void parameterCount()
    {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        testing::MessageRecorder rec;
        QCOMPARE(StartDataModule(args, dir.path()), StartupResult::Terminate);
        QCOMPARE(rec.texts(), QStringList{kStandalone});
        QCOMPARE(rec.kinds().value(0), MessageKind::Error);
        QVERIFY(!DM()->isConnected());
        // Values of parameters 3 and 4 are kept as far as given.
        QCOMPARE(Startup().employeeNumber, args.value(2));
        QCOMPARE(Startup().userName, args.value(3));
    }

    void sqliteFileAndStartupValues()
    {
        QTemporaryDir dir;
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.ok());
        const QString file = t.settings().database;
        testing::MessageRecorder rec;
        // No TQUpdate.ini: the database user is the password.
        QCOMPARE(StartDataModule({file, "demo", "1001", "홍길동"}, dir.path()), StartupResult::Connected);
        QCOMPARE(rec.count(), 0);
        QVERIFY(DM()->isConnected());
        QCOMPARE(DM()->settings.password, QString("demo"));
        QCOMPARE(DM()->settings.user, QString("demo"));
        QCOMPARE(Startup().employeeNumber, QString("1001"));
        QCOMPARE(Startup().userName, QString("홍길동"));
        QCOMPARE(Startup().databaseUser, QString("demo"));
        QVERIFY(Startup().programDirectory.endsWith(QDir::separator()));
        QCOMPARE(db::Query::scalar(DM()->dbsDB, "SELECT COUNT(*) FROM ZX010MS"), QString("0"));

        // Started again while connected: the message, then a fresh connection.
        QCOMPARE(StartDataModule({file, "demo", "1001", "홍길동"}, dir.path()), StartupResult::Connected);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral(
            "프로그램 시작시 이미 DB에 접속되어 있습니다.\r문제가 발생할 수 있으므로 개발자에게 연락하십시오.")});
        QVERIFY(DM()->isConnected());
    }

    void passwordFromFile()
    {
        QTemporaryDir dir;
        testing::TestDatabase t(db::Backend::SQLite);
        QString error;
        QVERIFY(WritePasswordFile(dir.filePath("TQUpdate.ini"), "tiger", &error));
        testing::MessageRecorder rec;
        QCOMPARE(StartDataModule({t.settings().database, "scott", "1001", "홍길동"}, dir.path()), StartupResult::Connected);
        QCOMPARE(DM()->settings.password, QString("tiger"));
    }

    void badPassword_data()
    {
        QTest::addColumn<QByteArray>("pass");
        QTest::newRow("not hex") << QByteArray("ZZZZ-not-hex");
        QTest::newRow("short") << QByteArray("0123456789ABCDEF");
    }
    void badPassword()
    {
        QFETCH(QByteArray, pass);
        QTemporaryDir dir;
        testing::TestDatabase t(db::Backend::SQLite);
        writeFile(dir.filePath("TQUpdate.ini"), "[PROGRAM]\nPASS=" + pass + "\n");
        testing::MessageRecorder rec;
        QCOMPARE(StartDataModule({t.settings().database, "scott", "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.last().startsWith("TQUpdate.ini의 PASS 값이 올바르지 않습니다."));
        QVERIFY(!DM()->isConnected());
    }

    void connectionFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("tooMany");
        QTest::newRow("missing file") << "no-such-file.db" << false;
        QTest::newRow("ORA-00019 inside") << "x-ORA-00019-y.db" << true;
        QTest::newRow("ORA-00018") << "ORA-00018.db" << true;
    }
    void connectionFailures()
    {
        QFETCH(QString, file);
        QFETCH(bool, tooMany);
        QTemporaryDir dir;
        testing::MessageRecorder rec;
        QCOMPARE(StartDataModule({file, "demo", "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
        QCOMPARE(rec.count(), 1);
        if (tooMany) {
            QCOMPARE(rec.last(), kTooMany);
        } else {
            QVERIFY(rec.last().startsWith(kCannotConnect));
            QVERIFY(rec.last().size() > kCannotConnect.size());
        }
        QVERIFY(!QFile::exists(dir.filePath(file)));
        QVERIFY(!QFile::exists(file));
    }

    void aliases()
    {
        QTemporaryDir dir;
        testing::TestDatabase t(db::Backend::SQLite);
        t->close();   // the whole database in its file
        QVERIFY(QFile::copy(t.settings().database, dir.filePath("resort.db")));
        writeFile(dir.filePath("sports-db.ini"),
                  "[DEMO]\nDriver=SQLite\nFile=resort.db\n[Shared]\nDriver=PostgreSQL\nHost=db.example\nPort=6543\nDatabase=sports\n"
                  "[ODD]\nDriver=Oracle\n");
        db::ConnectionSettings s;
        QString error;
        QVERIFY(ResolveDatabase("demo", dir.path(), &s, &error));
        QCOMPARE(s.backend, db::Backend::SQLite);
        QCOMPARE(s.database, dir.filePath("resort.db"));
        QVERIFY(ResolveDatabase("SHARED", dir.path(), &s, &error));
        QCOMPARE(s.backend, db::Backend::PostgreSQL);
        QCOMPARE(s.host, QString("db.example"));
        QCOMPARE(s.port, 6543);
        QCOMPARE(s.database, QString("sports"));
        QVERIFY(!ResolveDatabase("ODD", dir.path(), &s, &error));
        QVERIFY(error.contains("Oracle"));
        // Without an alias: a file in the program directory, else the current directory.
        QVERIFY(ResolveDatabase("resort.db", dir.path(), &s, &error));
        QCOMPARE(s.database, dir.filePath("resort.db"));
        QVERIFY(ResolveDatabase("other.db", dir.path(), &s, &error));
        QCOMPARE(s.database, QDir::current().filePath("other.db"));

        testing::MessageRecorder rec;
        QCOMPARE(StartDataModule({"DEMO", "demo", "1001", "홍길동"}, dir.path()), StartupResult::Connected);
        QCOMPARE(rec.count(), 0);
    }

    // Several hosts (the one that takes writes), replicas to read from and encryption, as the alias
    // names them; libpq is given each as its option.
    void productionAlias()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("sports-db.ini"),
                  "[RESORT]\nDriver=PostgreSQL\nHost=db1.example, db2.example\nPort=5432,5433\nDatabase=sports\n"
                  "ReadHosts=replica.example\nReadPorts=6432\nSslMode=verify-full\nSslRootCert=certs/root.crt\n"
                  "[BADSSL]\nDriver=PostgreSQL\nSslMode=sometimes\n");
        db::ConnectionSettings s;
        QString error;
        QVERIFY(ResolveDatabase("resort", dir.path(), &s, &error));
        QCOMPARE(s.host, QString("db1.example,db2.example"));
        QCOMPARE(s.ports, QString("5432,5433"));
        QCOMPARE(s.sslRootCert, dir.filePath("certs/root.crt"));
        const QString options = db::postgresConnectOptions(s);
        for (const char *o : {"port=5432,5433", "target_session_attrs=read-write", "sslmode='verify-full'"})
            QVERIFY2(options.contains(o), qPrintable(options));
        QVERIFY(options.contains("sslrootcert='" + dir.filePath("certs/root.crt") + "'"));
        const db::ConnectionSettings read = db::readReplicaSettings(s);
        QCOMPARE(read.host, QString("replica.example,db1.example,db2.example"));
        QCOMPARE(read.ports, QString("6432,5432,5433"));
        QVERIFY(db::postgresConnectOptions(read).contains("target_session_attrs=prefer-standby"));
        // one server named: whatever it is (a save on a standby is refused in the program's words)
        s.host = "db1.example";
        s.ports.clear();
        QVERIFY(!db::postgresConnectOptions(s).contains("target_session_attrs"));
        QVERIFY(!ResolveDatabase("BADSSL", dir.path(), &s, &error));
        QVERIFY(error.contains("SslMode"));
    }

    // A database of an earlier version is refused at start with the command that upgrades it; one of a
    // later version with the advice to install the later program.
    void otherSchemaVersions_data() { testing::addBackendColumn(); }
    void otherSchemaVersions()
    {
        QFETCH(int, backend);
        testing::TestDatabase t(static_cast<db::Backend>(backend));
        QVERIFY(t.ok());
        QTemporaryDir dir;
        QString alias = t.settings().database;
        if (backend == int(db::Backend::PostgreSQL)) {
            const db::ConnectionSettings pg = t.settings();
            writeFile(dir.filePath("sports-db.ini"),
                      QStringLiteral("[RESORT]\nDriver=PostgreSQL\nHost=%1\nPort=%2\nDatabase=%3\nSchema=%4\n")
                          .arg(pg.host).arg(pg.port).arg(pg.database).arg(pg.schema).toUtf8());
            alias = "RESORT";
        }
        const QString user = backend == int(db::Backend::PostgreSQL) ? t.settings().user : QString("demo");
        const int program = db::programSchemaVersion();
        testing::MessageRecorder rec;
        QVERIFY(t.run(QStringLiteral("DELETE FROM SCHEMA_VERSION;\nINSERT INTO SCHEMA_VERSION (VERSION) VALUES (%1);").arg(program - 1)));
        QCOMPARE(StartDataModule({alias, user, "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral(
            "데이터베이스의 구조가 이 프로그램보다 이전 판입니다(데이터베이스 %1판, 프로그램 %2판).\r"
            "관리자가 다음 명령으로 데이터베이스를 올린 뒤에 다시 시작하십시오.\r\rsports-db upgrade %3").arg(program - 1).arg(program).arg(alias)});
        QVERIFY(!DM()->isConnected());
        rec.clear();
        QVERIFY(t.run(QStringLiteral("INSERT INTO SCHEMA_VERSION (VERSION) VALUES (%1);").arg(program + 1)));
        QCOMPARE(StartDataModule({alias, user, "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
        QCOMPARE(rec.count(), 1);
        QVERIFY2(rec.last().contains("새 판의 프로그램을 설치한 뒤에 다시 시작하십시오."), qPrintable(rec.last()));
        rec.clear();
        QVERIFY(t.run(QStringLiteral("DELETE FROM SCHEMA_VERSION WHERE VERSION <> %1;").arg(program - 1)));
        QVERIFY(t.run(QStringLiteral("UPDATE SCHEMA_VERSION SET VERSION = %1;").arg(program)));
        QCOMPARE(StartDataModule({alias, user, "1001", "홍길동"}, dir.path()), StartupResult::Connected);
        QCOMPARE(rec.count(), 0);
    }

    void postgresAliasAndRefusals()
    {
        if (qEnvironmentVariableIsEmpty("SPORTS_TEST_PG"))
            QSKIP("no PostgreSQL server named by SPORTS_TEST_PG");
        testing::TestDatabase t(db::Backend::PostgreSQL);
        QVERIFY(t.ok());
        const db::ConnectionSettings pg = t.settings();
        QTemporaryDir dir;
        writeFile(dir.filePath("sports-db.ini"),
                  QStringLiteral("[RESORT]\nDriver=PostgreSQL\nHost=%1\nPort=%2\nDatabase=%3\nSchema=%4\n")
                      .arg(pg.host).arg(pg.port).arg(pg.database).arg(pg.schema).toUtf8());
        // A role without free connections is refused like a full server.
        t.run("DROP ROLE IF EXISTS sports_full;\nCREATE ROLE sports_full LOGIN PASSWORD 'sports_full' CONNECTION LIMIT 0;");
        testing::MessageRecorder rec;
        QCOMPARE(StartDataModule({"RESORT", "sports_full", "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
        QCOMPARE(rec.texts(), QStringList{kTooMany});
        rec.clear();
        // The server's own text follows the fixed message.
        QCOMPARE(StartDataModule({"RESORT", "sports_nobody", "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.last().startsWith(kCannotConnect));
        QVERIFY(rec.last().contains("sports_nobody"));
        rec.clear();
        // The real user with its password from the command line (the trust server takes any).
        QCOMPARE(StartDataModule({"RESORT", pg.user, "1001", "홍길동"}, dir.path()), StartupResult::Connected);
        QCOMPARE(rec.count(), 0);
        QCOMPARE(DM()->dbsDB->backend(), db::Backend::PostgreSQL);
        DM()->Disconnect();
        t.run("DROP ROLE IF EXISTS sports_full;");
    }

    // Databases that open but cannot serve the program: every start ends with the connection message
    // and its reason, never with an error thrown out of start-up.
    void badDatabases_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *k : {"empty", "garbage", "truncated", "corrupted", "no tables", "menus only", "no code table", "pg empty schema",
                              "pg missing schema"})
            QTest::newRow(k) << QString(k);
    }
    void badDatabases()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString file = dir.filePath("bad.db");
        if (kind.startsWith("pg")) {
            if (qEnvironmentVariableIsEmpty("SPORTS_TEST_PG"))
                QSKIP("no PostgreSQL server named by SPORTS_TEST_PG");
            testing::TestDatabase t(db::Backend::PostgreSQL, false);
            QVERIFY(t.ok());
            const db::ConnectionSettings pg = t.settings();
            writeFile(dir.filePath("sports-db.ini"),
                      QStringLiteral("[RESORT]\nDriver=PostgreSQL\nHost=%1\nPort=%2\nDatabase=%3\nSchema=%4\n")
                          .arg(pg.host).arg(pg.port).arg(pg.database)
                          .arg(kind == "pg empty schema" ? pg.schema : QString("no_such_schema_x"))
                          .toUtf8());
            testing::MessageRecorder rec;
            QCOMPARE(StartDataModule({"RESORT", pg.user, "1001", "홍길동"}, dir.path()), StartupResult::NotConnected);
            QCOMPARE(rec.count(), 1);
            QVERIFY2(rec.last().startsWith(kCannotConnect) && rec.last().size() > kCannotConnect.size(),
                     qPrintable(rec.last()));
            QVERIFY(!DM()->isConnected());
            return;
        }
        if (kind == "empty") {
            writeFile(file, QByteArray());
        } else if (kind == "garbage") {
            writeFile(file, QByteArray(8192, 'x'));
        } else {
            testing::TestDatabase t(db::Backend::SQLite, kind != "no tables");
            QVERIFY(t.ok());
            if (kind == "no tables")
                QVERIFY(t.run("CREATE TABLE OTHER (A INTEGER);"));
            if (kind == "no code table")
                QVERIFY(t.run("DROP TABLE ZX010MS;"));
            if (kind == "menus only")
                QVERIFY(t.run("DROP TABLE ZA050MS;\nINSERT INTO ZA040MS (PROJECT_ID, MENU_ID, MENU_NAME, DISPLAY_SEQ) "
                              "SELECT 'TST_STARTUP', 'M1', '장비', 1;"));
            t->close();
            QFile src(t.settings().database);
            QVERIFY(src.open(QIODevice::ReadOnly));
            QByteArray bytes = src.readAll();
            if (kind == "truncated")
                bytes.truncate(bytes.size() / 3);
            if (kind == "corrupted")
                for (qsizetype i = 4096; i < bytes.size(); i += 97)
                    bytes[i] = char(0xA5);
            writeFile(file, bytes);
        }
        testing::MessageRecorder rec;
        bool started = false;
        const bool ran = RunStartupStep([&] {
            if (StartDataModule({file, "demo", "1001", "홍길동"}, dir.path()) != StartupResult::Connected)
                return false;
            TfrmE0Main window;
            started = RunStartupStep([&window] { return window.Initialize(); });
            return started;
        });
        QVERIFY(!ran);
        QVERIFY(!started);
        QCOMPARE(rec.count(), 1);
        QVERIFY2(rec.last().startsWith(kCannotConnect) && rec.last().size() > kCannotConnect.size(),
                 qPrintable(rec.last()));
        if (kind == "no code table")
            QVERIFY2(rec.last().contains("ZX010MS"), qPrintable(rec.last()));
        QCOMPARE(rec.kinds().value(0), MessageKind::Error);
    }

    void oneCopyPerUser()
    {
        const QString name = QStringLiteral("sports-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name), second(name);
        QVERIFY(first.acquire());
        QVERIFY(first.serverName().contains(SingleInstance::userName()));
        QVERIFY(!second.acquire());
        QSignalSpy activate(&first, &SingleInstance::activateRequested);
        QSignalSpy open(&first, &SingleInstance::openRequested);
        QVERIFY(second.send("activate"));
        QVERIFY(second.send(QStringLiteral("open\t장비 대여/반납 작업\tEBI040")));
        QTRY_COMPARE(activate.count(), 1);
        QTRY_COMPARE(open.count(), 1);
        QCOMPARE(open.at(0).at(0).toString(), QString("장비 대여/반납 작업"));
        QCOMPARE(open.at(0).at(1).toString(), QString("EBI040"));
        first.release();
        QVERIFY(!second.send("activate", 200));
        QVERIFY(second.acquire());
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestStartup t;
    const int rc = QTest::qExec(&t, argc, argv);
    DM()->Shutdown();
    return rc;
}
#include "tst_startup.moc"
