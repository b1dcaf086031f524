// The rental procedures as the counter relies on them: numbering, holds, the multi-day flag, and two
// counters racing for the same piece.
#include "database/procedure.h"
#include "database/query.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QProcess>
#include <QtTest>
#include <cstdio>

using namespace db;

namespace {

const QString kDay = "20261209";

bool hold(Database *d, const QString &no, const QString &status = "2", QString *error = nullptr,
          const QString &emp = "E1")
{
    StoredProc p(d, "PR_EBI040_03");
    p.setParam("ARENT_DATE", kDay);
    p.setParam("AAREA_GUBUN", "M");
    p.setParam("AEQUIP_GUBUN", "CS");
    p.setParam("AEQUIP_NO", no);
    p.setParam("AU_EMP_NO", emp);
    p.setParam("AU_IP", "10.0.0.1");
    p.setParam("AEDITSTATUS", status);
    const bool ok = p.exec();
    if (error)
        *error = p.lastError();
    return ok;
}

QString newRental(Database *d, const QString &area = "M")
{
    StoredProc p(d, "PR_EBI040_01");
    p.setParam("ARENT_DATE", kDay);
    p.setParam("AAREA_GUBUN", area);
    p.setParam("ADEAL_NAME", "김취급");
    p.setParam("AKEEP_KIND_GUBUN", "01");
    p.setParam("AKEEP_BOX_NO", "A1");
    p.setParam("AU_EMP_NO", "E1");
    p.setParam("AU_IP", "10.0.0.1");
    p.setParam("AEDITSTATUS", "2");
    if (!p.exec())
        qWarning("%s", qPrintable(p.lastError()));
    return p.param("ANEW_RENT_NO");
}

bool saveRow(Database *d, const QString &rentNo, const QString &seq, const QString &no, const QString &stat,
             const QString &status, QString *error = nullptr)
{
    StoredProc p(d, "PR_EBI040_02");
    p.setParam("ARENT_DATE", kDay);
    p.setParam("AAREA_GUBUN", "M");
    p.setParam("ARENT_NO", rentNo);
    p.setParam("ARENT_SEQ", seq);
    p.setParam("ATICKET_KIND", "01");
    p.setParam("ARENT_STAT", stat);
    p.setParam("AEQUIP_GUBUN", "CS");
    p.setParam("AEQUIP_NO", no);
    p.setParam("ARENT_NAME", "홍길동");
    p.setParam("ASHOES_SIZE", "270");
    if (stat == "S") {
        p.setParam("ASVRL_RENT_FROM_DATE", kDay);
        p.setParam("ASVRL_RENT_TO_DATE", "20261211");
    }
    p.setParam("AU_EMP_NO", "E1");
    p.setParam("AU_IP", "10.0.0.1");
    p.setParam("AEDITSTATUS", status);
    const bool ok = p.exec();
    if (error)
        *error = p.lastError();
    return ok;
}

QString pieces(int n)
{
    QString sql;
    for (int i = 1; i <= n; ++i)
        sql += QStringLiteral("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, "
                              "SVRL_RENT_YN) VALUES ('M', 'CS', '%1', '150', 'Y', 'N');\n")
                   .arg(i, 5, 10, QChar('0'));
    return sql;
}

QString free(testing::TestDatabase &t)
{
    QStringList nos;
    Query q(t.database());
    q.setSql("SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
              "AND EQUIP_SIZE_GUBUN = :EQUIP_SIZE_GUBUN AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' "
              "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND "
              "AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT) "
              "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND "
              "AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN) ORDER BY EQUIP_NO");
    q.bind("AREA_GUBUN", "M");
    q.bind("EQUIP_GUBUN", "CS");
    q.bind("EQUIP_SIZE_GUBUN", "150");
    q.bind("RENT_DATE", kDay);
    q.bind("RENT_STAT", "D");
    if (q.exec())
        while (q.next())
            nos << q.value(0).right(1);
    return nos.join(",");
}

// A counter of its own, in a process of its own: tries to hold every piece once and prints its wins.
int raceChild(const QStringList &a)
{
    ConnectionSettings s;
    s.backend = static_cast<Backend>(a.value(2).toInt());
    s.database = a.value(3);
    s.host = a.value(4);
    s.port = a.value(5).toInt();
    s.user = a.value(6);
    s.schema = a.value(7);
    const int n = a.value(8).toInt();
    Database d;
    if (!d.open(s))
        return 2;
    for (int i = 1; i <= n; ++i)
        if (hold(&d, QStringLiteral("%1").arg(i, 5, 10, QChar('0')), "2", nullptr, a.value(9)))
            std::printf("%d\n", i);
    std::fflush(stdout);
    return 0;
}

} // namespace

class TestRentalProcedures : public QObject {
    Q_OBJECT
private slots:
    void numbering_data() { testing::addBackendColumn(); }
    void numbering()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(3)));
        QCOMPARE(newRental(t.database()), QString("1"));
        QCOMPARE(newRental(t.database()), QString("2"));
        QCOMPARE(newRental(t.database(), "S"), QString("1"));
        for (const QString &no : {"00001", "00002"}) {
            QVERIFY(hold(t.database(), no));
            QVERIFY(saveRow(t.database(), "2", "", no, "D", "2"));
        }
        QCOMPARE(t.scalar("SELECT MIN(RENT_SEQ) || '/' || MAX(RENT_SEQ) FROM EB040DT WHERE RENT_NO = 2"), QString("1/2"));
        // saving the rows released their holds
        QCOMPARE(t.count("EB020TM"), 0);
        QCOMPARE(t.scalar("SELECT U_EMP_NO || '/' || U_IP FROM EB040DT WHERE RENT_SEQ = 1"), QString("E1/10.0.0.1"));
        // a row of a rental that does not exist is refused
        QString error;
        QVERIFY(hold(t.database(), "00003"));
        QVERIFY(!saveRow(t.database(), "9", "", "00003", "D", "2", &error));
        QCOMPARE(t.count("EB040DT"), 2);
    }

    void holdsAndReturn_data() { testing::addBackendColumn(); }
    void holdsAndReturn()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(3)));
        QCOMPARE(free(t), QString("1,2,3"));
        QVERIFY(hold(t.database(), "00002"));
        QCOMPARE(free(t), QString("1,3"));
        // another counter's hold on the same piece is a database error
        auto other = t.openAnother();
        QString error;
        QVERIFY(!hold(other.get(), "00002", "2", &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(t.count("EB020TM"), 1);
        // given back, it is listed again
        QVERIFY(hold(t.database(), "00002", "3"));
        QCOMPARE(free(t), QString("1,2,3"));
        // rented for the day: gone from the list, and no hold can be taken on it
        QVERIFY(hold(t.database(), "00002"));
        const QString rent = newRental(t.database());
        QVERIFY(saveRow(t.database(), rent, "", "00002", "D", "2"));
        QCOMPARE(free(t), QString("1,3"));
        QVERIFY(!hold(other.get(), "00002", "2", &error));
        QCOMPARE(error, QString("선택하신 장비는 이미 대여되었거나 작업중입니다"));
        QCOMPARE(t.count("EB020TM"), 0);
        // returned: listed and holdable again
        QVERIFY(saveRow(t.database(), rent, "1", "00002", "R", "1"));
        QCOMPARE(free(t), QString("1,2,3"));
        QVERIFY(hold(other.get(), "00002"));
    }

    void multiDayFlag_data() { testing::addBackendColumn(); }
    void multiDayFlag()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(2)));
        const QString rent = newRental(t.database());
        QVERIFY(hold(t.database(), "00001"));
        QVERIFY(saveRow(t.database(), rent, "", "00001", "S", "2"));
        QCOMPARE(t.scalar("SELECT SVRL_RENT_YN || '/' || SVRL_FROM_DATE FROM EB020MS WHERE EQUIP_NO = '00001'"),
                 QString("Y/") + kDay);
        QCOMPARE(free(t), QString("2"));
        QString error;
        QVERIFY(!hold(t.database(), "00001", "2", &error));
        QVERIFY(saveRow(t.database(), rent, "1", "00001", "R", "1"));
        QCOMPARE(t.scalar("SELECT SVRL_RENT_YN FROM EB020MS WHERE EQUIP_NO = '00001'"), QString("N"));
        QCOMPARE(free(t), QString("1,2"));
        // a deleted multi-day row gives the piece back too
        QVERIFY(hold(t.database(), "00002"));
        QVERIFY(saveRow(t.database(), rent, "", "00002", "S", "2"));
        QVERIFY(saveRow(t.database(), rent, "2", "00002", "S", "3"));
        QCOMPARE(t.scalar("SELECT SVRL_RENT_YN FROM EB020MS WHERE EQUIP_NO = '00002'"), QString("N"));
    }

    void twoCountersRace_data() { testing::addBackendColumn(); }
    void twoCountersRace()
    {
        TEST_DB_FETCH(t);
        const int n = 60;
        QVERIFY(t.run(pieces(n)));
        const ConnectionSettings s = t.settings();
        QList<QProcess *> counters;
        for (const QString &emp : {"A", "B"}) {
            auto *p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(),
                     {"--race-child", QString::number(int(s.backend)), s.database, s.host, QString::number(s.port),
                      s.user, s.schema, QString::number(n), emp});
            counters << p;
        }
        QMap<int, int> wins;
        for (QProcess *p : counters) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
            for (const QByteArray &line : p->readAllStandardOutput().split('\n'))
                if (!line.isEmpty())
                    ++wins[line.toInt()];
        }
        QCOMPARE(wins.size(), n);
        for (int i = 1; i <= n; ++i)
            QCOMPARE(wins.value(i), 1);
        QCOMPARE(t.count("EB020TM"), n);
        QCOMPARE(free(t), QString());
    }
};

int main(int argc, char **argv)
{
    const QStringList args = [&] { QStringList a; for (int i = 0; i < argc; ++i) a << QString::fromLocal8Bit(argv[i]); return a; }();
    if (args.value(1) == QLatin1String("--race-child")) {
        QCoreApplication app(argc, argv);
        return raceChild(args);
    }
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestRentalProcedures t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_rental_procedures.moc"
