// The rental procedures as the counter relies on them: numbering, holds, the multi-day flag, and two
// counters racing for the same piece.
#include "database/procedure.h"
#include "database/query.h"
#include "support/childprocesses.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <QtTest>
#include <cstdio>

using namespace db;

namespace {

const QString kDay = "20261209";
const char *kTaken = "선택하신 장비는 이미 대여되었거나 작업중입니다";

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
              "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM H WHERE RENT_DATE = :RENT_DATE AND "
              "AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND " + Database::liveHold("H") +
              ") ORDER BY EQUIP_NO");
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
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const int n = a.value(8).toInt();
    Database d;
    if (!d.open(s))
        return 2;
    for (int i = 1; i <= n; ++i)
        if (hold(&d, QStringLiteral("%1").arg(i, 5, 10, QChar('0')), "2", nullptr, a.value(9)))
            std::printf("%d\n", i);
    std::printf("done\n");
    std::fflush(stdout);
    // a counter keeps its holds while it runs: it ends when told to
    char line[16];
    return std::fgets(line, sizeof line, stdin) ? 0 : 0;
}

// A counter that holds pieces first..last, says "held" and waits for a line on its input.
int holdChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    Database d;
    if (!d.open(s))
        return 2;
    for (int i = a.value(8).toInt(); i <= a.value(9).toInt(); ++i)
        if (!hold(&d, QStringLiteral("%1").arg(i, 5, 10, QChar('0')), "2", nullptr, a.value(10)))
            return 3;
    std::printf("held\n");
    std::fflush(stdout);
    char line[16];
    return std::fgets(line, sizeof line, stdin) ? 0 : 0;
}

const int kRacePieces = 12;

bool isRefusal(const QString &error)
{
    return error == QString::fromUtf8(kTaken) || error.contains(QStringLiteral("대여상태로 되돌릴 수 없습니다"));
}

bool hasHangul(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3)
            return true;
    return false;
}

QString pieceNo(int i) { return QStringLiteral("%1").arg(i, 5, 10, QChar('0')); }

// One side of a race over returned pieces, round by round: "revive" sets row N of rental 1 (piece N,
// returned) back to a rental in a save of its own; "hold" holds piece N and saves it on a rental of its own at once, as the
// counter does. Answers each round with "ok", "refused" (in the system's words), "refused-save" (held,
// then refused at the save) or the error.
int pairChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const bool reviver = a.value(8) == QLatin1String("revive");
    Database d;
    if (!d.open(s))
        return 2;
    const QString rent = reviver ? QString() : newRental(&d);
    char line[32];
    while (std::fgets(line, sizeof line, stdin)) {
        const int n = QByteArray(line).trimmed().toInt();
        QString error, answer = QStringLiteral("ok");
        if (reviver) {
            // as the screen saves: the revival inside the save's transaction, committed a moment later
            d.beginTransaction();
            if (!saveRow(&d, "1", QString::number(n), pieceNo(n), "D", "1", &error)) {
                d.rollback();
                answer = isRefusal(error) ? QStringLiteral("refused") : error;
            } else {
                QThread::msleep(20);
                if (!d.commit())
                    answer = d.lastError();
            }
        } else if (!hold(&d, pieceNo(n), "2", &error)) {
            answer = isRefusal(error) ? QStringLiteral("refused") : error;
        } else if (!saveRow(&d, rent, "", pieceNo(n), "D", "2", &error)) {
            answer = isRefusal(error) ? QStringLiteral("refused-save") : error;
            hold(&d, pieceNo(n), "3");
        }
        std::printf("%s\n", answer.simplified().toUtf8().constData());
        std::fflush(stdout);
    }
    return 0;
}

// A counter of its own that rents, returns, revives and stores n times; prints
// "rentals stored failed raw" (failed: saves refused other than as foreseen; raw: errors not in Korean).
int counterChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const int n = a.value(8).toInt();
    const QString emp = a.value(9);
    Database d;
    if (!d.open(s))
        return 2;
    int rentals = 0, stored = 0, failed = 0, raw = 0;
    auto outcome = [&](bool ok, const QString &error) {
        if (ok || isRefusal(error))
            return ok;
        ++failed;
        if (!hasHangul(error))
            ++raw;
        std::fprintf(stderr, "%s: %s\n", qPrintable(emp), qPrintable(error));
        return false;
    };
    QList<QPair<QString, QString>> mine;   // (rental number, piece) of this counter's rows
    quint32 seed = qHash(emp);
    for (int i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        // hold a free piece, then save header and row in one unit, as the screen does
        QString piece, error;
        for (int tries = 0; tries < kRacePieces && piece.isEmpty(); ++tries) {
            const QString no = QStringLiteral("%1").arg(1 + (seed / 7 + tries) % kRacePieces, 5, 10, QChar('0'));
            if (outcome(hold(&d, no, "2", &error, emp), error))
                piece = no;
        }
        if (!piece.isEmpty()) {
            d.beginTransaction();
            const QString rent = newRental(&d);
            bool ok = !rent.isEmpty() && saveRow(&d, rent, "", piece, "D", "2", &error);
            if (ok)
                ok = d.commit();
            else
                d.rollback();
            if (rent.isEmpty())
                error = "no rental number";
            if (ok && error.isEmpty() == false && !d.lastError().isEmpty())
                error = d.lastError();
            if (outcome(ok, ok ? QString() : error)) {
                ++rentals;
                mine << qMakePair(rent, piece);
            } else {
                hold(&d, piece, "3");
            }
        }
        // give back one of its rentals, and now and then set a returned one back to rented
        if (!mine.isEmpty() && seed % 3 == 0) {
            const auto r = mine.at(int(seed % mine.size()));
            outcome(saveRow(&d, r.first, "1", r.second, "R", "1", &error), error);
        }
        if (!mine.isEmpty() && seed % 5 == 1) {
            const auto r = mine.at(int((seed / 5) % mine.size()));
            outcome(saveRow(&d, r.first, "1", r.second, "D", "1", &error), error);
        }
        // and store an item of a season that every counter begins at the same time
        StoredProc k(&d, "PR_EBI050_01");
        k.setParam("ASEASON_GUBUN", QString::number(10 + i % 5));
        k.setParam("AAREA_GUBUN", "M");
        k.setParam("AKEEP_STAT", "K");
        k.setParam("AIPGO_DATE", kDay);
        k.setParam("AKEEP_NAME", emp);
        k.setParam("AU_EMP_NO", emp);
        k.setParam("AEDITSTATUS", "2");
        if (outcome(k.exec(), k.lastError()))
            ++stored;
    }
    std::printf("%d %d %d %d\n", rentals, stored, failed, raw);
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
        QCOMPARE(error, QString(kTaken));
        QCOMPARE(t.count("EB020TM"), 1);
        // nor can it give back the hold of another counter
        QVERIFY(hold(other.get(), "00002", "3"));
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

    // On PostgreSQL a hold outside a unit of work is one statement that commits itself: lost with the
    // connection, it may have been stored, and the counter is told so (never that nothing was stored).
    void holdOutcomeUnknown()
    {
        if (qEnvironmentVariableIsEmpty("SPORTS_TEST_PG"))
            QSKIP("no PostgreSQL server named by SPORTS_TEST_PG");
        testing::TestDatabase t(Backend::PostgreSQL);
        QVERIFY(t.ok() && t.run(pieces(1)));
        auto other = t.openAnother();
        const QString pid = Query::scalar(t.database(), "SELECT pg_backend_pid()");
        QCOMPARE(Query::scalar(other.get(), "SELECT pg_terminate_backend(" + pid + ")"), QString("true"));
        QTest::qWait(100);
        QString error;
        QVERIFY(!hold(t.database(), "00001", "2", &error));
        QCOMPARE(error, Database::outcomeUnknownMessage());
        QVERIFY2(hold(t.database(), "00001"), "the next call connects again");
        QCOMPARE(t.count("EB020TM"), 1);
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

    // A returned row set back to a rental takes its piece out again only when the piece is free that day.
    void revivedReturn_data() { testing::addBackendColumn(); }
    void revivedReturn()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(3)));
        auto other = t.openAnother();
        const QString first = newRental(t.database());
        for (const QString &no : {"00001", "00002", "00003"}) {
            QVERIFY(hold(t.database(), no));
            QVERIFY(saveRow(t.database(), first, "", no, "D", "2"));
        }
        for (const QString &seq : {"1", "2", "3"})
            QVERIFY(saveRow(t.database(), first, seq, QString("0000") + seq, "R", "1"));
        // piece 1 went out again on another rental, piece 2 is held at another counter
        const QString second = newRental(other.get());
        QVERIFY(hold(other.get(), "00001"));
        QVERIFY(saveRow(other.get(), second, "", "00001", "D", "2"));
        QVERIFY(hold(other.get(), "00002"));
        QString error;
        for (const QString &stat : {"D", "S"}) {
            QVERIFY(!saveRow(t.database(), first, "1", "00001", stat, "1", &error));
            QVERIFY2(error.contains("대여상태로 되돌릴 수 없습니다"), qPrintable(error));
            QVERIFY(!saveRow(t.database(), first, "2", "00002", stat, "1", &error));
            QVERIFY2(error.contains("00002"), qPrintable(error));
        }
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM EB040DT WHERE RENT_STAT IN ('D', 'S')"), QString("1"));
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM EB020MS WHERE SVRL_RENT_YN = 'Y'"), QString("0"));
        // a free piece comes back, and the other counter can no longer hold it
        QVERIFY(saveRow(t.database(), first, "3", "00003", "D", "1", &error));
        QVERIFY(!hold(other.get(), "00003", "2", &error));
        QCOMPARE(error, QString(kTaken));
        // once the other counter gives piece 2 back it may be revived too
        QVERIFY(hold(other.get(), "00002", "3"));
        QVERIFY(saveRow(t.database(), first, "2", "00002", "S", "1", &error));
        QCOMPARE(t.scalar("SELECT SVRL_RENT_YN FROM EB020MS WHERE EQUIP_NO = '00002'"), QString("Y"));
        QCOMPARE(free(t), QString());
    }

    // Several counters in processes of their own rent, return, revive and store at the same time.
    void countersRace_data() { testing::addBackendColumn(); }
    void countersRace()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(kRacePieces)));
        testing::ChildProcesses counters;
        for (int c = 0; c < 6; ++c)
            counters.start("--counter-child", t.settings(), {"25", QString("C%1").arg(c)});
        QVERIFY(counters.finish(300000));
        int malformed = 0;
        const QVector<int> sums = counters.totals(4, &malformed);
        QCOMPARE(malformed, 0);
        const int rentals = sums[0], stored = sums[1], failed = sums[2], raw = sums[3];
        QCOMPARE(failed, 0);
        QCOMPARE(raw, 0);
        QVERIFY(rentals > 0);
        QCOMPARE(stored, 6 * 25);
        // no piece out twice on the day, every rental and storage number given once
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM (SELECT EQUIP_NO FROM EB040DT WHERE RENT_STAT IN ('D', 'S') "
                          "GROUP BY RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO HAVING COUNT(*) > 1) X"),
                 QString("0"));
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM EB040MS"), QString::number(rentals));
        QCOMPARE(t.scalar("SELECT MAX(RENT_NO) FROM EB040MS"), QString::number(rentals));
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM EB050MS"), QString::number(stored));
        QCOMPARE(t.scalar("SELECT SUM(LAST_KEEP_NO) FROM EB050NO"), QString::number(stored));
    }

    // A counter that is gone loses its holds to the others once it has been silent for the stale time;
    // a live counter keeps its holds however long it waits. (Times shortened: beat 1 s, stale 3 s.)
    void deadCounterLosesHolds_data() { testing::addBackendColumn(); }
    void deadCounterLosesHolds()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(4)));
        testing::ChildProcesses children;
        auto counter = [&](const QString &emp, const QString &first, const QString &last) {
            return children.start("--hold-child", t.settings(), {first, last, emp}, false);
        };
        QProcess *dead = counter("A", "1", "2");
        QProcess *live = counter("B", "3", "3");
        for (QProcess *p : {dead, live})
            QVERIFY(p->waitForReadyRead(60000) && p->readLine().startsWith("held"));
        QVERIFY(hold(t.database(), "00004"));
        QCOMPARE(t.count("EB020TM"), 4);
        dead->kill();
        dead->waitForFinished();
        QString error;
        QVERIFY(!hold(t.database(), "00001", "2", &error));
        QCOMPARE(error, QString(kTaken));
        // freed by the next beat of a live counter after the stale time, and then free to hold
        QTRY_COMPARE_WITH_TIMEOUT(t.count("EB020TM"), 2, 15000);
        QCOMPARE(free(t), QString("1,2"));
        QVERIFY(hold(t.database(), "00001"));
        // the live counter's hold stays well past the stale time
        QTest::qWait(5000);
        QVERIFY(!hold(t.database(), "00003", "2", &error));
        QCOMPARE(error, QString(kTaken));
        QCOMPARE(t.count("EB020TM", "EQUIP_NO IN ('00003', '00004')"), 2);
        // a counter that ends in order gives its holds back at once
        live->write("quit\n");
        QVERIFY(live->waitForFinished(30000));
        QCOMPARE(t.count("EB020TM", "EQUIP_NO = '00003'"), 0);
    }

    // A counter holds a returned piece while another sets its row back to a rental, round after round at
    // the same moment: one of them gets the piece, and a hold once granted is never refused at the save.
    void holdWhileRevived_data() { testing::addBackendColumn(); }
    void holdWhileRevived()
    {
        TEST_DB_FETCH(t);
        const int rounds = 30;
        QString fixture = pieces(rounds) + "INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO) VALUES ('" + kDay + "', 'M', 1);\n";
        for (int i = 1; i <= rounds; ++i)
            fixture += QString("INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, TICKET_KIND, RENT_STAT, "
                               "EQUIP_GUBUN, EQUIP_NO) VALUES ('%1', 'M', 1, %2, '01', 'R', 'CS', '%3');\n")
                           .arg(kDay).arg(i).arg(pieceNo(i));
        QVERIFY(t.run(fixture));
        testing::ChildProcesses counters;
        counters.start("--pair-child", t.settings(), {"revive"});
        counters.start("--pair-child", t.settings(), {"hold"});
        int revived = 0, rented = 0, refusedHolders = 0, failed = 0;
        for (int i = 1; i <= rounds; ++i) {
            const QList<QByteArray> answers = counters.step(QByteArray::number(i), 60000);
            const bool revive = answers.value(0) == "ok", held = answers.value(1) == "ok";
            revived += revive;
            rented += held;
            refusedHolders += answers.value(1) == "refused-save";
            for (const QByteArray &answer : answers)
                if (answer != "ok" && answer != "refused" && answer != "refused-save") {
                    ++failed;
                    qWarning("round %d: %s", i, answer.constData());
                }
            QVERIFY2(revive != held || !revive, qPrintable(QString("round %1: both took the piece").arg(i)));
        }
        counters.closeInputs();
        QVERIFY(counters.finish(60000));
        QCOMPARE(failed, 0);
        QCOMPARE(refusedHolders, 0);
        QCOMPARE(revived + rented, rounds);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM (SELECT EQUIP_NO FROM EB040DT WHERE RENT_STAT IN ('D', 'S') "
                          "GROUP BY EQUIP_NO HAVING COUNT(*) > 1) X"),
                 QString("0"));
        QCOMPARE(t.count("EB040DT", "RENT_STAT = 'D'"), rounds);
        QCOMPARE(t.count("EB020TM"), 0);
    }

    // A killed counter's piece is free to a counter that holds nothing, once the dead session has been
    // silent past the stale time, although no live counter beats to remove its hold.
    void deadCounterFreeToIdleCounter_data() { testing::addBackendColumn(); }
    void deadCounterFreeToIdleCounter()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(pieces(2)));
        testing::ChildProcesses children;
        QProcess *dead = children.start("--hold-child", t.settings(), {"1", "1", "A"}, false);
        QVERIFY(dead->waitForReadyRead(60000) && dead->readLine().startsWith("held"));
        QCOMPARE(free(t), QString("2"));
        dead->kill();
        dead->waitForFinished();
        QTRY_COMPARE_WITH_TIMEOUT(free(t), QString("1,2"), 15000);
        QCOMPARE(t.count("EB020TM"), 1);   // still there: it is its session's silence that frees the piece
        auto idle = t.openAnother();
        QVERIFY(hold(idle.get(), "00001"));
        QCOMPARE(t.scalar("SELECT SESSION_ID FROM EB020TM"), idle->sessionId());
    }

    void twoCountersRace_data() { testing::addBackendColumn(); }
    void twoCountersRace()
    {
        TEST_DB_FETCH(t);
        const int n = 60;
        QVERIFY(t.run(pieces(n)));
        testing::ChildProcesses children;
        QList<QProcess *> counters;
        for (const QString &emp : {"A", "B"})
            counters << children.start("--race-child", t.settings(), {QString::number(n), emp});
        QMap<int, int> wins;
        for (QProcess *p : counters) {
            QByteArray out;
            while (!out.contains("done\n") && p->waitForReadyRead(120000))
                out += p->readAllStandardOutput();
            QVERIFY(out.contains("done\n"));
            for (const QByteArray &line : out.split('\n'))
                if (!line.isEmpty() && line != "done")
                    ++wins[line.toInt()];
        }
        QCOMPARE(wins.size(), n);
        for (int i = 1; i <= n; ++i)
            QCOMPARE(wins.value(i), 1);
        QCOMPARE(t.count("EB020TM"), n);
        QCOMPARE(free(t), QString());
        for (QProcess *p : counters) {
            p->closeWriteChannel();
            QVERIFY(p->waitForFinished(30000));
            QCOMPARE(p->exitCode(), 0);
        }
    }
};

int main(int argc, char **argv)
{
    const QStringList args = [&] { QStringList a; for (int i = 0; i < argc; ++i) a << QString::fromLocal8Bit(argv[i]); return a; }();
    if (args.value(1) == QLatin1String("--race-child")) {
        QCoreApplication app(argc, argv);
        return raceChild(args);
    }
    if (args.value(1) == QLatin1String("--hold-child")) {
        QCoreApplication app(argc, argv);
        return holdChild(args);
    }
    if (args.value(1) == QLatin1String("--pair-child")) {
        QCoreApplication app(argc, argv);
        return pairChild(args);
    }
    if (args.value(1) == QLatin1String("--counter-child")) {
        QCoreApplication app(argc, argv);
        return counterChild(args);
    }
    testing::prepareTestEnvironment();
    qputenv("SPORTS_HOLD_BEAT_SECONDS", "1");   // inherited by the counters started as processes
    qputenv("SPORTS_HOLD_STALE_SECONDS", "3");
    QCoreApplication app(argc, argv);
    TestRentalProcedures t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_rental_procedures.moc"
