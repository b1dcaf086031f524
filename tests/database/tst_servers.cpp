// The shared server in production, on servers of the test's own (127.0.0.1, free ports): encrypted
// connections checked against a self-signed certificate, reads from a streaming standby, a save on a
// standby refused in the program's words, and failover to the standby promoted after the primary stops.
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "database/datamodule.h"
#include "database/procedure.h"
#include "database/query.h"
#include "database/schema.h"
#include "framework/ezi020.h"
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTcpServer>
#include <QtTest>
#include <unistd.h>

using namespace db;

namespace {

QString serverBinaries()
{
    QStringList dirs = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(dirs.begin(), dirs.end(), [](const QString &a, const QString &b) { return a.toDouble() < b.toDouble(); });
    for (auto it = dirs.crbegin(); it != dirs.crend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
        if (QFileInfo::exists(bin + QStringLiteral("/initdb")) && QFileInfo::exists(bin + QStringLiteral("/pg_basebackup")))
            return bin;
    }
    return QString();
}

// A grid screen over T_SAVE, saved through its procedure as every screen saves.
void registerProcedure()
{
    ProcedureCatalog::instance().add({"PR_TSF020_01", {in("ANO"), in("ANAME"), in("AU_EMP_NO"), in("AU_IP"), in("AEDITSTATUS")},
                                      [](ProcedureCall &call) { call.saveByEditStatus("T_SAVE", {"NO"}, {"NAME"}); }});
}

class TfrmTSF020 : public TfrmEZI020 {
public:
    TfrmTSF020()
    {
        setObjectName("frmTSF020");
        rgrGrid->addColumn("번호", TColumn::Text, 60).bytes(10);
        rgrGrid->addColumn("이름", TColumn::Text, 100).bytes(20);
        qryQuery->setSql("SELECT NO, NAME FROM T_SAVE ORDER BY NO");
        prcProc->setProcedure("PR_TSF020_01");
    }
};

int freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

} // namespace

class TestServers : public QObject {
    Q_OBJECT

    QString m_bin;
    QTemporaryDir m_dir;
    int m_primary = 0, m_standby = 0;
    bool m_started = false;

    // Runs a command, as the postgres user when the tests run as root (the server refuses root).
    bool run(const QString &program, const QStringList &args, QString *output = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        if (geteuid() == 0)
            p.start(QStringLiteral("runuser"), QStringList{"-u", "postgres", "--", program} + args);
        else
            p.start(program, args);
        const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        const QString text = QString::fromLocal8Bit(p.readAll());
        if (output)
            *output = text;
        if (!ok)
            qWarning("%s %s: %s", qPrintable(program), qPrintable(args.join(' ')), qPrintable(text));
        return ok;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    bool startServer(const QString &data, int port)
    {
        return run(m_bin + "/pg_ctl", {"-D", path(data), "-w", "-l", path(data + ".log"), "start", "-o",
                                       QStringLiteral("-c listen_addresses=127.0.0.1 -p %1 -k %2 -c fsync=off "
                                                      "-c ssl=on -c ssl_cert_file=%3 -c ssl_key_file=%4")
                                           .arg(port)
                                           .arg(m_dir.path(), path("server.crt"), path("server.key"))});
    }
    ConnectionSettings server(const QString &host, int port) const
    {
        ConnectionSettings s;
        s.backend = Backend::PostgreSQL;
        s.host = host;
        s.port = port;
        s.user = QStringLiteral("postgres");
        s.database = QStringLiteral("postgres");
        return s;
    }
    bool certificate(const QString &name)
    {
        return run("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                               "-days", "2", "-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost",
                               "-keyout", path(name + ".key"), "-out", path(name + ".crt")})
            && run("chmod", {"600", path(name + ".key")});
    }

private slots:
    void initTestCase()
    {
        m_bin = serverBinaries();
        if (m_bin.isEmpty())
            QSKIP("no PostgreSQL server binaries under /usr/lib/postgresql");
        QVERIFY(m_dir.isValid());
        if (geteuid() == 0)
            QVERIFY(QProcess::execute("chown", {"postgres:postgres", m_dir.path()}) == 0);
        m_primary = freePort();
        m_standby = freePort();
        while (m_standby == m_primary)
            m_standby = freePort();
        // the server's certificate for the name "localhost", and another that vouches for nothing here
        QVERIFY(certificate("server") && certificate("other"));
        QVERIFY(run(m_bin + "/initdb", {"-D", path("primary"), "-U", "postgres", "-A", "trust", "-E", "UTF8",
                                        "--locale=C.UTF-8", "-N"}));
        QVERIFY(startServer("primary", m_primary));
        m_started = true;
        {
            Database d;
            QVERIFY2(d.open(server("127.0.0.1", m_primary)), qPrintable(d.lastError()));
            QString error;
            QVERIFY2(createSchema(d, &error), qPrintable(error));
            QVERIFY(d.execute("CREATE TABLE T_SAVE (NO VARCHAR(10) NOT NULL, NAME VARCHAR(20), U_EMP_NO VARCHAR(10), "
                              "U_IP VARCHAR(20), U_DATE VARCHAR(14), PRIMARY KEY (NO))"));
        }
        QVERIFY(run(m_bin + "/pg_basebackup", {"-h", "127.0.0.1", "-p", QString::number(m_primary), "-U", "postgres",
                                               "-D", path("standby"), "-R", "-X", "stream", "-c", "fast", "-N"}));
        QVERIFY(startServer("standby", m_standby));
    }

    void cleanupTestCase()
    {
        DM()->attach(nullptr);
        DM()->Shutdown();
        if (m_started)
            for (const char *data : {"primary", "standby"})
                if (QFileInfo::exists(path(QString(data) + "/postmaster.pid")))
                    run(m_bin + "/pg_ctl", {"-D", path(data), "-m", "immediate", "stop"});
    }

    // verify-full: the right root certificate and the certificate's name connect, encrypted; a wrong
    // name or root is refused and the message says why.
    void encryptedConnections()
    {
        ConnectionSettings s = server("localhost", m_primary);
        s.sslMode = "verify-full";
        s.sslRootCert = path("server.crt");
        {
            Database d;
            QVERIFY2(d.open(s), qPrintable(d.lastError()));
            QCOMPARE(Query::scalar(&d, "SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"), QString("true"));
        }
        const QString refused = QStringLiteral("데이터베이스 서버를 확인하지 못해 연결하지 않았습니다.\r");
        testing::MessageRecorder rec;
        DM()->attach(nullptr);
        DM()->settings = s;
        DM()->settings.host = "127.0.0.1";   // not the name on the certificate
        QVERIFY(!DM()->Connect());
        QVERIFY2(rec.last().startsWith(refused + "서버 인증서에 적힌 이름이 접속한 서버의 이름과 다릅니다."), qPrintable(rec.last()));
        DM()->settings = s;
        DM()->settings.sslRootCert = path("other.crt");
        QVERIFY(!DM()->Connect());
        QVERIFY2(rec.last().startsWith(refused + "서버 인증서를 루트 인증서(SslRootCert)로 확인할 수 없습니다."), qPrintable(rec.last()));
        QCOMPARE(rec.count(), 2);
        DM()->settings = s;
        QVERIFY(DM()->Connect());
        DM()->Disconnect();
    }

    // The reports read on the standby while the primary takes the writes; with the replica gone the
    // reads fall back to the primary without a word.
    void readsOnTheReplica()
    {
        Database primary;
        ConnectionSettings s = server("127.0.0.1", m_primary);
        s.readHosts = "127.0.0.1";
        s.readPorts = QString::number(m_standby);
        QVERIFY(primary.open(s));
        DM()->attach(&primary);
        Database *read = DM()->readDatabase();
        QVERIFY(read != &primary);
        QCOMPARE(Query::scalar(read, "SELECT pg_is_in_recovery()"), QString("true"));
        QVERIFY(primary.execute("INSERT INTO T_SAVE (NO) VALUES ('100')"));
        QTRY_COMPARE(Query::scalar(read, "SELECT COUNT(*) FROM T_SAVE WHERE NO = '100'"), QString("1"));
        {
            Query list(read);   // a report's list, read a page at a time through a cursor
            list.setPaged(true);
            list.setSql("SELECT NO FROM T_SAVE");
            QVERIFY2(list.open() && list.next(), qPrintable(list.lastError()));
            QCOMPARE(list.value(0), QString("100"));
        }
        QVERIFY(primary.execute("DELETE FROM T_SAVE"));

        Database other;
        s.readPorts = QString::number(freePort());   // nothing answers there
        QVERIFY(other.open(s));
        testing::MessageRecorder rec;
        DM()->attach(&other);
        QCOMPARE(DM()->readDatabase(), &other);
        QCOMPARE(rec.count(), 0);
        DM()->attach(nullptr);
    }

    // A standby reached by mistake: the save is refused in the program's words, nothing is stored.
    void saveOnAStandby()
    {
        Database standby;
        QVERIFY(standby.open(server("127.0.0.1", m_standby)));
        QVERIFY(!standby.beginTransaction());
        QCOMPARE(standby.lastError(), Database::readOnlyServerMessage());
        QVERIFY(!standby.inTransaction());
    }

    // Primary and standby named in the alias: a screen saves on the primary; the primary stops in the
    // middle of a save, which is reported as not stored; until the standby is promoted the screen's save
    // fails and keeps its changes, then the same screen saves there, nothing lost or doubled, and the
    // session's heartbeat carries on from the new primary.
    void failover()
    {
        qputenv("SPORTS_HOLD_BEAT_SECONDS", "1");
        ConnectionSettings s = server("127.0.0.1,127.0.0.1", 0);
        s.ports = QStringLiteral("%1,%2").arg(m_primary).arg(m_standby);
        Database d;
        QVERIFY2(d.open(s), qPrintable(d.lastError()));
        QCOMPARE(Query::scalar(&d, "SELECT inet_server_port()"), QString::number(m_primary));
        d.keepSessionAlive();
        DM()->attach(&d);
        testing::MessageRecorder rec;
        TfrmTSF020 screen;
        screen.show();
        screen.bbtSearchClick();
        auto add = [&screen](const QString &no) {
            screen.bbtAddClick();
            const int row = screen.rgrGrid->rowCount() - 1;
            screen.rgrGrid->editCell(row, 0, no);
            screen.rgrGrid->editCell(row, 1, "이름" + no);
        };
        add("1");
        screen.bbtSaveClick();
        QVERIFY2(!screen.isModified(), qPrintable(rec.last()));
        Database standby;
        QVERIFY(standby.open(server("127.0.0.1", m_standby)));
        QTRY_COMPARE(Query::scalar(&standby, "SELECT COUNT(*) FROM T_SAVE"), QString("1"));
        QTRY_COMPARE(Query::scalar(&standby, "SELECT COUNT(*) FROM EB020TS"), QString("1"));

        // the primary goes away in the middle of a save
        QVERIFY(d.beginTransaction());
        QVERIFY(d.execute("INSERT INTO T_SAVE (NO) VALUES ('3')"));
        QVERIFY(run(m_bin + "/pg_ctl", {"-D", path("primary"), "-m", "fast", "stop"}));
        QVERIFY(!d.commit());
        // the loss is found by the COMMIT itself: whether the server carried it out cannot be told
        QCOMPARE(d.lastError(), Database::outcomeUnknownMessage());
        // no server takes writes yet: the screen's save fails and keeps its row
        add("2");
        rec.clear();
        screen.bbtSaveClick();
        QCOMPARE(rec.count(), 2);   // the question, then the failure
        QVERIFY2(rec.last().startsWith("자료를 저장하지 못했습니다.") && rec.last().contains("다시 연결하지 못했습니다"),
                 qPrintable(rec.last()));
        QVERIFY(screen.isModified());
        QCOMPARE(screen.changeBuffer().size(), 1);
        QVERIFY(run(m_bin + "/pg_ctl", {"-D", path("standby"), "-w", "promote"}));
        rec.clear();
        screen.bbtSaveClick();
        QVERIFY2(!screen.isModified(), qPrintable(rec.last()));
        QCOMPARE(Query::scalar(&d, "SELECT inet_server_port()"), QString::number(m_standby));
        QCOMPARE(Query::scalar(&d, "SELECT COUNT(*) || ':' || MIN(NO) || '-' || MAX(NO) FROM T_SAVE"), QString("2:1-2"));
        // the heartbeat's own connection found the new primary as well
        const qint64 seen = Query::scalar(&standby, "SELECT MAX(LAST_SEEN) FROM EB020TS").toLongLong();
        QTRY_VERIFY_WITH_TIMEOUT(Query::scalar(&standby, "SELECT MAX(LAST_SEEN) FROM EB020TS").toLongLong() > seen, 15000);
        DM()->attach(nullptr);
        d.endSession();
        qunsetenv("SPORTS_HOLD_BEAT_SECONDS");
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    registerProcedure();
    TestServers t;
    const int rc = QTest::qExec(&t, argc, argv);
    DM()->Shutdown();
    return rc;
}
#include "tst_servers.moc"
