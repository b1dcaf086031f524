// The season locker procedures on both back ends: a block's lockers created once, a sale stored only
// on an unsold locker, the fee by registration number, cancellation with its penalty, the change onto a
// free locker of the same key, the penalty dates; and two counters racing for one locker.
#include "database/procedure.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QDate>
#include <QProcess>
#include <QtTest>
#include <cstdio>
#include <tuple>

using namespace db;

namespace {

using Params = QList<std::pair<QString, QString>>;

// Runs a procedure with the audit values; out names an output parameter to read back into *value.
bool call(Database *d, const QString &procedure, const Params &params, QString *error = nullptr,
          const QString &out = QString(), QString *value = nullptr)
{
    StoredProc p(d, procedure);
    for (const auto &[name, v] : params)
        p.setParam(name, v);
    for (const char *who : {"AU_EMP_NO", "aU_EMP_NO"})
        p.setParam(QLatin1String(who), "E1");
    p.setParam("AU_IP", "10.0.0.1");
    const bool ok = p.exec();
    if (error)
        *error = p.lastError();
    if (value)
        *value = p.hasParam(out) ? p.param(out) : p.aside(out).toString();   // or a figure reported aside
    return ok;
}

Params block(const QString &seq, const QString &first, const QString &qty, const QString &status = "1")
{
    return {{"aSEASON_YEAR", "2026"}, {"aSEQ_NO", seq},        {"aLOCATION", "M"},        {"aAREA_ZONE", "A"},
            {"aLOCKER_TYPE", "1"},    {"aUNIT_AMT", "150,000"}, {"aMEMBER_AMT", "100000"}, {"aBEGINNING_NO", first},
            {"aLOCKER_QTY", qty},     {"AEDITSTATUS", status}};
}

Params locker(const QString &no, const QString &location = "M")
{
    return {{"aSEASON_YEAR", "2026"}, {"aLOCATION", location}, {"aAREA_ZONE", "A"}, {"aLOCKER_TYPE", "1"}, {"aLOCKER_NO", no}};
}

// A sale as the screen sends it after "판매 등록" (status "2") or a later change of it ("1").
bool sell(Database *d, const QString &no, const QString &name, const QString &status = "2", QString *error = nullptr,
          const QString &idNo = "8001011234567", const QString &saleDate = "20261201")
{
    Params p = locker(no);
    p << std::pair{QString("aSALE_DATE"), saleDate} << std::pair{QString("aM_NAME"), name}
      << std::pair{QString("aM_IDNO"), idNo} << std::pair{QString("aSALE_AMT"), QString("150000")}
      << std::pair{QString("aIPGUM_AMT"), QString("150000")} << std::pair{QString("aUSE_YN"), QString("Y")}
      << std::pair{QString("AEDITSTATUS"), status};
    return call(d, "PR_EHI020_01", p, error);
}

bool change(Database *d, const QString &from, const QString &to, const QString &status, QString *error = nullptr)
{
    Params p = locker(from);
    p << std::pair{QString("aLOCKER_NO_CHANGE"), to} << std::pair{QString("aeditstatus"), status};
    return call(d, "PR_EHI020_03", p, error);
}

const char *kLockers =
    "INSERT INTO EH020MS (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO, UNIT_AMT, MEMBER_AMT, USE_YN) "
    "VALUES ('2026', 'M', 'A', '1', '%1', 150000, 100000, 'N');\n";

QString lockers(int from, int to)
{
    QString s;
    for (int n = from; n <= to; ++n)
        s += QString::fromLatin1(kLockers).arg(n);
    return s;
}

// A counter of its own: sells (mode "sell") or moves (mode "move", from the locker n + offset) each of
// the lockers first..last, printing the numbers it succeeded with.
int raceChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    Database d;
    if (!d.open(s))
        return 2;
    const QString mode = a.value(8);
    const int first = a.value(9).toInt(), last = a.value(10).toInt(), offset = a.value(11).toInt();
    for (int n = first; n <= last; ++n) {
        const bool ok = mode == QLatin1String("sell") ? sell(&d, QString::number(n), a.value(12))
                                                      : change(&d, QString::number(n + offset), QString::number(n), "4");
        if (ok)
            std::printf("%d\n", n);
    }
    std::fflush(stdout);
    return 0;
}

} // namespace

class TestLockerProcedures : public QObject {
    Q_OBJECT

    // Two counters at once, each on its own connection; the numbers each one succeeded with.
    QList<QSet<int>> race(testing::TestDatabase &t, const QStringList &counterA, const QStringList &counterB)
    {
        const ConnectionSettings s = t.settings();
        QList<QProcess *> counters;
        for (const QStringList &args : {counterA, counterB}) {
            auto *p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(),
                     QStringList{"--race-child", QString::number(int(s.backend)), s.database, s.host,
                                 QString::number(s.port), s.user, s.schema}
                         + args);
            counters << p;
        }
        QList<QSet<int>> won;
        for (QProcess *p : counters) {
            if (!p->waitForFinished(120000) || p->exitCode() != 0)
                qWarning() << p->readAllStandardError();
            QSet<int> numbers;
            for (const QByteArray &line : p->readAllStandardOutput().split('\n'))
                if (!line.isEmpty())
                    numbers.insert(line.toInt());
            won << numbers;
        }
        return won;
    }

private slots:
    // What the screen tests leave to the procedure: the numbers' width, a second block of the same place,
    // an overlapping range and a block sent other than stored.
    void batchRanges_data() { testing::addBackendColumn(); }
    void batchRanges()
    {
        TEST_DB_FETCH(t);
        QString error, seq;
        QVERIFY2(call(t.database(), "PR_EHI010_01", block("", "098", "5", "2"), &error, "aSEQ_NO", &seq), qPrintable(error));
        QCOMPARE(seq, QString("1"));
        QVERIFY(!call(t.database(), "PR_EHI010_02", block("1", "098", "6"), &error));
        QCOMPARE(error, QString("락카 기본정보가 저장된 내용과 다릅니다. 먼저 저장하십시오."));
        QVERIFY2(call(t.database(), "PR_EHI010_02", block("1", "098", "5"), &error), qPrintable(error));
        QCOMPARE(t.scalar("SELECT COUNT(*) || ':' || MIN(LOCKER_NO) || ':' || MAX(LOCKER_NO) FROM EH020MS"), QString("5:098:102"));
        QVERIFY(call(t.database(), "PR_EHI010_01", block("", "103", "2", "2")));
        QVERIFY2(call(t.database(), "PR_EHI010_02", block("2", "103", "2"), &error), qPrintable(error));
        QVERIFY(call(t.database(), "PR_EHI010_01", block("", "100", "10", "2")));
        QVERIFY(!call(t.database(), "PR_EHI010_02", block("3", "100", "10"), &error));
        QCOMPARE(error, QString("락카번호 100 ~ 109 중 5개가 이미 생성되어 있습니다. 시작락카번호와 락카수량을 확인하십시오."));
        QCOMPARE(t.count("EH020MS"), 7);

        // block 1's fee changed after its batch: its unsold lockers follow, a sold one keeps its fee
        QVERIFY(sell(t.database(), "099", "산손님"));
        Params changed = block("1", "098", "5");
        changed[5].second = "160,000";
        QString moved;
        QVERIFY2(call(t.database(), "PR_EHI010_01", changed, &error, "FEE_LOCKERS", &moved), qPrintable(error));
        QCOMPARE(moved, QString("4"));
        QCOMPARE(t.count("EH020MS", "UNIT_AMT = 160000"), 4);
        QCOMPARE(t.scalar("SELECT UNIT_AMT FROM EH020MS WHERE LOCKER_NO = '099'"), QString("150000"));
        QVERIFY(call(t.database(), "PR_EHI010_01", changed, &error, "FEE_LOCKERS", &moved));
        QCOMPARE(moved, QString("0"));   // nothing changed, nothing carried
    }

    // The fee by registration number, the masked number kept, a stale copy refused, the change moving
    // every field of the sale, the penalty's rule and the penalty dates checked.
    void saleFeeChangeAndPenalty_data() { testing::addBackendColumn(); }
    void saleFeeChangeAndPenalty()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(lockers(101, 104)
                      + "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, ID_NO) VALUES ('3000000001', '홍길동', '8001011234567');\n"
                        "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, ID_NO, CANCEL_DATE) VALUES ('3000000002', '해지', '7001011234567', '20250101');\n"));
        Database *d = t.database();
        QString error, fee;
        for (const auto &[idNo, expected] : {std::pair{"8001011234567", "100000"}, {"7001011234567", "150000"}, {"9901011234567", "150000"}}) {
            Params q = locker("101");
            q << std::pair{QString("aM_IDNO"), QString(idNo)};
            QVERIFY(call(d, "PR_EHI020_02", q, &error, "aSALE_AMT", &fee));
            QCOMPARE(fee, QString(expected));
        }
        QVERIFY2(sell(d, "101", "홍길동", "2", &error), qPrintable(error));
        QVERIFY2(sell(d, "101", "홍길동", "1", &error, "8001011******"), qPrintable(error));
        QCOMPARE(t.scalar("SELECT M_IDNO || ':' || IPGUM_YN FROM EH020MS WHERE LOCKER_NO = '101'"), QString("8001011234567:Y"));
        // a masked number changed in part, another buyer's masked number (a stale screen) or one sent
        // with a new sale stands for no stored number: refused, stars never stored
        for (const auto &[no, status, masked] : {std::tuple{"101", "1", "8001012******"}, {"101", "1", "80010112*****"},
                                                 {"101", "1", "9001011******"}, {"103", "2", "8001011******"}}) {
            QVERIFY(!sell(d, no, "홍길동", status, &error, masked));
            QCOMPARE(error, QString("가려진(*) 번호는 저장할 수 없습니다. 번호 전체를 다시 입력하십시오."));
        }
        QCOMPARE(t.count("EH020MS", "M_IDNO LIKE '%*%' OR (LOCKER_NO = '103' AND SALE_DATE IS NOT NULL)"), 0);
        QVERIFY(!sell(d, "102", "옛사본", "1", &error));   // read unsold: no sale without "판매 등록"
        QVERIFY(error.startsWith("다른 곳에서"));

        QVERIFY2(change(d, "101", "102", "4", &error), qPrintable(error));
        QCOMPARE(t.scalar("SELECT M_NAME || ':' || M_IDNO || ':' || SALE_AMT FROM EH020MS WHERE LOCKER_NO = '102'"),
                 QString("홍길동:8001011234567:150000"));
        QCOMPARE(t.count("EH020MS", "LOCKER_NO = '101' AND SALE_DATE IS NULL AND M_NAME IS NULL AND USE_YN = 'N'"), 1);
        QVERIFY(!change(d, "101", "104", "4", &error));
        QCOMPARE(error, QString("판매되지 않은 락카입니다. 다시 조회하십시오."));

        // the penalty withheld from the refund as far as the payment goes: in full, in part, not at all
        QVERIFY(t.run("UPDATE EH020MS SET SALE_AMT = 99950, IPGUM_AMT = 5000 WHERE LOCKER_NO = '102';\n"));
        QVERIFY2(change(d, "102", "", "3", &error), qPrintable(error));
        for (const char *paid : {"150000", "NULL"}) {
            QVERIFY2(sell(d, "103", "다음", "2", &error), qPrintable(error));
            QVERIFY(t.run(QString("UPDATE EH020MS SET IPGUM_AMT = %1 WHERE LOCKER_NO = '103';\n").arg(paid)));
            QVERIFY2(change(d, "103", "", "3", &error), qPrintable(error));
        }
        const QString today = QDate::currentDate().toString("yyyyMMdd");
        const QStringList expected{"9900:5000:N:-:0", "15000:15000:Y:" + today + ":135000", "15000:-:N:-:0"};
        for (int seq = 1; seq <= 3; ++seq)
            QCOMPARE(t.scalar(QString("SELECT PENALTY_AMT || ':' || NVL(CAST(IPGUM_AMT AS VARCHAR(12)), '-') || ':' || PENALTY_YN "
                                      "|| ':' || NVL(IPGUM_DATE, '-') || ':' || RETURN_AMT FROM EH030MS WHERE SEQ_NO = %1").arg(seq)),
                     expected[seq - 1]);
        // a resale carries no cancellation flag on
        QCOMPARE(t.scalar("SELECT USE_YN FROM EH020MS WHERE LOCKER_NO = '103'"), QString("C"));
        Params resale = locker("103");
        resale << std::pair{QString("aSALE_DATE"), QString("20261203")} << std::pair{QString("aUSE_YN"), QString("C")}
               << std::pair{QString("AEDITSTATUS"), QString("2")};
        QVERIFY(!call(d, "PR_EHI020_01", resale, &error));
        QCOMPARE(error, QString("고객명을(를) 먼저 입력하십시오."));
        resale << std::pair{QString("aM_NAME"), QString("새")};
        QVERIFY(!call(d, "PR_EHI020_01", resale, &error));
        QCOMPARE(error, QString("판매금액을(를) 먼저 입력하십시오."));
        resale << std::pair{QString("aSALE_AMT"), QString("150000")};
        QVERIFY2(call(d, "PR_EHI020_01", resale, &error), qPrintable(error));
        QCOMPARE(t.scalar("SELECT USE_YN FROM EH020MS WHERE LOCKER_NO = '103'"), QString("Y"));
        Params pen{{"aSEASON_YEAR", "2026"}, {"aSEQ_NO", "1"}, {"aIPGUM_DATE", "20261399"}, {"aRETURN_DATE", ""}, {"AEDITSTATUS", "1"}};
        QVERIFY(!call(d, "PR_EHI040_01", pen, &error));
        QCOMPARE(error, QString("위약금 입금일자을(를) 정확히 입력하십시오."));
        pen[4].second = "3";
        QVERIFY(!call(d, "PR_EHI040_01", pen, &error));
        QCOMPARE(t.count("EH030MS"), 3);
    }

    // Of two counters selling the same lockers, and of two changes onto the same free lockers, exactly
    // one succeeds for each locker.
    void racesHaveOneWinner_data() { testing::addBackendColumn(); }
    void racesHaveOneWinner()
    {
        TEST_DB_FETCH(t);
        const int n = 15;
        QVERIFY(t.run(lockers(101, 100 + n)));
        QList<QSet<int>> won = race(t, {"sell", "101", QString::number(100 + n), "0", "가"},
                                    {"sell", "101", QString::number(100 + n), "0", "나"});
        QCOMPARE(won[0].size() + won[1].size(), n);
        QVERIFY((won[0] & won[1]).isEmpty());
        QCOMPARE(t.count("EH020MS", "SALE_DATE IS NOT NULL"), n);

        // lockers 201.. free, 301.. and 401.. sold: both counters move a sale onto each free locker
        QVERIFY(t.run(lockers(201, 200 + n)));
        for (int k = 1; k <= n; ++k) {
            QVERIFY(t.run(lockers(300 + k, 300 + k) + lockers(400 + k, 400 + k)));
            QVERIFY(sell(t.database(), QString::number(300 + k), "삼"));
            QVERIFY(sell(t.database(), QString::number(400 + k), "사"));
        }
        won = race(t, {"move", "201", QString::number(200 + n), "100"}, {"move", "201", QString::number(200 + n), "200"});
        QCOMPARE(won[0].size() + won[1].size(), n);
        QVERIFY((won[0] & won[1]).isEmpty());
        QCOMPARE(t.count("EH020MS", "SALE_DATE IS NOT NULL"), 3 * n);   // no sale lost or doubled
        QCOMPARE(t.count("EH020MS", "SALE_DATE IS NOT NULL AND LOCKER_NO LIKE '2%'"), n);
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
    TestLockerProcedures t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_locker_procedures.moc"
