// The staff reservation procedures: the standard, reservations within capacity under a lock, the
// cancellation log, and desks reserving the last places of a lesson at the same moment.
#include "database/procedure.h"
#include "support/childprocesses.h"
#include "support/testdatabase.h"
#include <QDate>
#include <QProcess>
#include <QtTest>

using namespace db;

namespace {

QString day(int offset) { return QDate::currentDate().addDays(offset).toString("yyyyMMdd"); }

bool call(Database *d, const QString &name, const QHash<QString, QString> &params, QString *error = nullptr)
{
    StoredProc p(d, name);
    for (auto it = params.begin(); it != params.end(); ++it)
        p.setParam(it.key(), it.value());
    p.setParam("AU_EMP_NO", "D1");
    p.setParam("AU_IP", "10.0.0.9");
    const bool ok = p.exec();
    if (error)
        *error = p.lastError();
    return ok;
}

bool reserve(Database *d, const QString &date, const QString &emp, int count, QString *error = nullptr,
             const QString &detail = "01")
{
    return call(d, "PR_ECI050_01",
                {{"AYAEYAK_DATE", date}, {"ALECTURE_ITEM_GUBUN", "01"}, {"ALECTURE_REC_GUBUN", "01"},
                 {"ALECTURE_DETAIL_GUBUN", detail}, {"AEMP_NO", emp}, {"AEMP_NAME", "직원" + emp},
                 {"AYAEYAK_CNT", QString::number(count)}, {"AREMARK", "메모"}, {"AEDITSTATUS", "1"}},
                error);
}

bool cancelReservation(Database *d, const QString &date, const QString &emp, const QString &reason,
                       QString *error = nullptr)
{
    return call(d, "PR_ECI050_01",
                {{"AYAEYAK_DATE", date}, {"ALECTURE_ITEM_GUBUN", "01"}, {"ALECTURE_REC_GUBUN", "01"},
                 {"ALECTURE_DETAIL_GUBUN", "01"}, {"AEMP_NO", emp}, {"ACANCEL_REMARK", reason},
                 {"AEDITSTATUS", "2"}},
                error);
}

bool standard(Database *d, const QString &date, const QString &capacity, const QString &status,
              QString *error = nullptr)
{
    return call(d, "PR_ECI040_01",
                {{"AYAEYAK_DATE", date}, {"ALECTURE_ITEM_GUBUN", "01"}, {"ALECTURE_REC_GUBUN", "01"},
                 {"ALECTURE_DETAIL_GUBUN", "01"}, {"AYAEYAK_ABILITY_CNT", capacity}, {"AREMARK", "오전"},
                 {"AEDITSTATUS", status}},
                error);
}

const int kRaceCapacity = 3;

// A desk of its own, in a process of its own: for every round (a lesson day), reserves one place for
// its own staff member twice and one for the staff member every desk tries; prints
// "reserved refused failed" (failed: errors other than the refusals of a full or reserved lesson).
int deskChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const int rounds = a.value(8).toInt();
    const QString desk = a.value(9);
    Database d;
    if (!d.open(s))
        return 2;
    int reserved = 0, refused = 0, failed = 0;
    for (int r = 0; r < rounds; ++r) {
        for (const QString &emp : {desk, QStringLiteral("SHARED"), desk + "  "}) {
            QString error;
            if (reserve(&d, day(1 + r), emp, 1, &error)) {
                ++reserved;
            } else if (error.contains(QStringLiteral("예약가능 인원을 초과했습니다"))
                       || error.contains(QStringLiteral("이미 예약이 되었습니다"))) {
                ++refused;
            } else {
                ++failed;
                std::fprintf(stderr, "%s: %s\n", qPrintable(desk), qPrintable(error));
            }
        }
    }
    std::printf("%d %d %d\n", reserved, refused, failed);
    return 0;
}

} // namespace

class TestReservationProcedures : public QObject {
    Q_OBJECT
private slots:
    void standardKeepsItsBookings_data() { testing::addBackendColumn(); }
    void standardKeepsItsBookings()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY(standard(t.database(), day(1), "10", "2"));
        QVERIFY(!standard(t.database(), day(1), "10", "2", &error));
        QCOMPARE(error, QString("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QVERIFY(reserve(t.database(), day(1), "S1", 8));
        // not below the 8 booked, nor deleted while they stand; up to them it may go
        QVERIFY(!standard(t.database(), day(1), "5", "1", &error));
        QVERIFY2(error.contains("[8 명]"), qPrintable(error));
        QVERIFY(!standard(t.database(), day(1), "10", "3", &error));
        QVERIFY2(error.contains("[8 명]"), qPrintable(error));
        QVERIFY(standard(t.database(), day(1), "8", "1"));
        QCOMPARE(t.scalar("SELECT YAEYAK_ABILITY_CNT || REMARK || U_EMP_NO FROM EC040MS"), QString("8오전D1"));
        // a capacity stored below its bookings may keep its value while its remark changes
        QVERIFY(t.run("UPDATE EC040MS SET YAEYAK_ABILITY_CNT = 5;"));
        QVERIFY(standard(t.database(), day(1), "5", "1"));
        QVERIFY(!standard(t.database(), day(1), "4", "1", &error));
        QVERIFY(cancelReservation(t.database(), day(1), "S1", QString()));
        QVERIFY(standard(t.database(), day(1), "0", "3"));
        QCOMPARE(t.count("EC040MS"), 0);
        QVERIFY(standard(t.database(), day(1), "0", "3"));   // already gone: nothing to do
    }

    void reservationRules_data() { testing::addBackendColumn(); }
    void reservationRules()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "YAEYAK_ABILITY_CNT) VALUES ('%1', '01', '01', '01', 10);\n"
                              "INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "YAEYAK_ABILITY_CNT) VALUES ('%2', '01', '01', '01', 10);\n"
                              "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('%1', '01', '01', '01', 'S1  ', '김사원', 8);")
                          .arg(day(1), day(0))));
        QString error;
        // the staff member of a padded number already holds the lesson
        QVERIFY(!reserve(t.database(), day(1), "S1", 1, &error));
        QCOMPARE(error, QString("선택한신 강습은 이미 예약이 되었습니다"));
        QVERIFY(!t.run(QString("INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                               "EMP_NO, YAEYAK_CNT) VALUES ('%1', '01', '01', '01', 'S1', 1);").arg(day(1))));
        QVERIFY(!reserve(t.database(), day(1), "S2", 3, &error));
        QCOMPARE(error, QString("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [2 명]입니다"));
        QVERIFY(reserve(t.database(), day(1), "S2", 2));
        QVERIFY(!reserve(t.database(), day(1), "S3", 1, &error));
        QCOMPARE(error, QString("예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [0 명]입니다"));
        // today (by the database's clock), a day without a standard, no persons
        QVERIFY(!reserve(t.database(), day(0), "S2", 1, &error));
        QCOMPARE(error, QString("지난일자[오늘일자 포함]는 예약할 수 없습니다"));
        QVERIFY(!reserve(t.database(), day(2), "S2", 1, &error));
        QCOMPARE(error, QString("선택하신 일자는 예약할 수 없습니다"));
        QVERIFY(!reserve(t.database(), day(1), "S4", 0, &error));
        QCOMPARE(error, QString("강습인원을(를) 먼저 입력하십시오."));
        QCOMPARE(t.scalar("SELECT EMP_NO || EMP_NAME || YAEYAK_CNT || REMARK || U_EMP_NO FROM EC050MS WHERE EMP_NO = 'S2'"),
                 QString("S2직원S22메모D1"));
    }

    void cancellationIsLogged_data() { testing::addBackendColumn(); }
    void cancellationIsLogged()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "YAEYAK_ABILITY_CNT) VALUES ('%1', '01', '01', '01', 10);\n"
                              "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "EMP_NO, EMP_NAME, YAEYAK_CNT, U_EMP_NO) VALUES ('%1', '01', '01', '01', 'S1  ', '김사원', 3, 'D0');")
                          .arg(day(0))));
        // today's reservation can be cancelled; the reason stays with the reservation as it stood
        QVERIFY(cancelReservation(t.database(), day(0), "S1", "일정 변경"));
        QCOMPARE(t.count("EC050MS"), 0);
        QCOMPARE(t.scalar("SELECT EMP_NO || '/' || EMP_NAME || '/' || YAEYAK_CNT || '/' || RESERVED_EMP_NO || '/' || "
                          "CANCEL_REMARK || '/' || CANCEL_EMP_NO || '/' || CANCEL_IP || '/' || CANCEL_SEQ FROM EC050HT"),
                 QString("S1/김사원/3/D0/일정 변경/D1/10.0.0.9/1"));
        QCOMPARE(t.scalar("SELECT LENGTH(CANCEL_DATE) FROM EC050HT"), QString("14"));
        // a cancellation that finds nothing is an error, never a success
        QString error;
        QVERIFY(!cancelReservation(t.database(), day(0), "S1", "두번", &error));
        QVERIFY2(error.contains("취소할 예약이 없습니다"), qPrintable(error));
        QCOMPARE(t.count("EC050HT"), 1);
        // the staff member reserves again and cancels without a reason: the next row of the log
        QVERIFY(t.run(QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                              "YAEYAK_ABILITY_CNT) VALUES ('%1', '01', '01', '01', 10);").arg(day(1))));
        for (const QString &reason : {QString("첫 취소"), QString()}) {
            QVERIFY(reserve(t.database(), day(1), "S1", 1));
            QVERIFY(cancelReservation(t.database(), day(1), "S1", reason));
        }
        QCOMPARE(t.scalar(QString("SELECT MAX(CANCEL_SEQ) || NVL(MAX(CASE WHEN CANCEL_SEQ = 2 THEN CANCEL_REMARK END), '-') "
                                  "FROM EC050HT WHERE YAEYAK_DATE = '%1'").arg(day(1))),
                 QString("2-"));
    }

    // Desks in processes of their own reserve the last places of the same lessons at the same moment:
    // no lesson ever takes more than its capacity, nor one staff member twice.
    void desksRace_data() { testing::addBackendColumn(); }
    void desksRace()
    {
        TEST_DB_FETCH(t);
        const int rounds = 30, desks = 4;
        QStringList rows;
        for (int r = 0; r < rounds; ++r)
            rows << QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                            "YAEYAK_ABILITY_CNT) VALUES ('%1', '01', '01', '01', %2);")
                        .arg(day(1 + r))
                        .arg(kRaceCapacity);
        QVERIFY(t.run(rows.join("\n")));
        testing::ChildProcesses children;
        for (int k = 0; k < desks; ++k)
            children.start("--desk-child", t.settings(), {QString::number(rounds), QString("D%1").arg(k)});
        QVERIFY(children.finish(300000));
        int malformed = 0;
        const QVector<int> sums = children.totals(3, &malformed);
        QCOMPARE(malformed, 0);
        const int reserved = sums[0], refused = sums[1], failed = sums[2];
        QCOMPARE(failed, 0);
        QCOMPARE(reserved + refused, rounds * desks * 3);
        // every lesson full (five asked for three places), none beyond, nobody twice
        QCOMPARE(reserved, rounds * kRaceCapacity);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM (SELECT YAEYAK_DATE FROM EC050MS GROUP BY YAEYAK_DATE "
                          "HAVING SUM(YAEYAK_CNT) <> " + QString::number(kRaceCapacity) + ") X"),
                 QString("0"));
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM (SELECT YAEYAK_DATE FROM EC050MS GROUP BY YAEYAK_DATE, TRIM(EMP_NO) "
                          "HAVING COUNT(*) > 1) X"),
                 QString("0"));
    }
};

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.value(1) == QLatin1String("--desk-child")) {
        QCoreApplication app(argc, argv);
        return deskChild(args);
    }
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestReservationProcedures t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reservation_procedures.moc"
