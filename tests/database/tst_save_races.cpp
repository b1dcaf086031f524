// Desks saving at the same moment, each in a process of its own: the same new record at several desks,
// overlapping locker blocks created at once, new numbered records while others are deleted. Every
// refusal is in the system's words, no save fails for a number and no number is given twice. A rule
// of the tables that the database itself enforces is reported in the system's words on both back ends.
#include "database/procedure.h"
#include "database/query.h"
#include "support/childprocesses.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QSet>
#include <QThread>
#include <QtTest>
#include <cstdio>

using namespace db;

namespace {

const QString kDuplicate = QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오.");
const int kDesks = 4;
// The first numbers of the desks' blocks of one place, four lockers each: ranges meeting in numbers
// written alike and written differently.
const char *const kBlockBegins[kDesks] = {"1", "0001", "3", "0005"};

bool hasHangul(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3)
            return true;
    return false;
}

QString lessonDate(int round) { return QStringLiteral("202612%1").arg(1 + round % 28, 2, 10, QChar('0')); }

// Runs a procedure as a screen's save does: inside the save's transaction, committed a moment later
// (after the save's other rows), so that desks saving at once meet while their saves are open. "ok", or
// the message in one line.
QString run(Database *d, const QString &name, const QHash<QString, QString> &values, StoredProc *out = nullptr)
{
    StoredProc own(d, name);
    StoredProc &p = out ? *out : own;
    p.setProcedure(name);
    for (auto it = values.begin(); it != values.end(); ++it)
        p.setParam(it.key(), it.value());
    p.setParam("AU_EMP_NO", "E1");
    p.setParam("AU_IP", "10.0.0.1");
    if (!d->beginTransaction())
        return d->lastError().simplified();
    if (!p.exec()) {
        d->rollback();
        return p.lastError().simplified();
    }
    QThread::msleep(20);
    return d->commit() ? QStringLiteral("ok") : d->lastError().simplified();
}

// One desk's part of a round of saves of the same records: a partner-group lesson day, an instructor
// assignment and the lockers of its own block (whose numbers overlap other desks' blocks).
QString duplicateRound(Database *d, int desk, int round)
{
    const QString date = lessonDate(round);
    QStringList out;
    out << run(d, "PR_ECI080_01", {{"AEVENT_NO", "P1"}, {"ALECTURE_DATE", date}, {"ATRAINER_CNT_SKI_AM", "3"},
                                   {"AEDITSTATUS", "2"}});
    out << run(d, "PR_ECI030_01", {{"ALECTURE_DATE", date}, {"ALECTURER_EMP_NO", "L1"}, {"ALECTURER_NAME", "강사"},
                                   {"AAREA_GUBUN", "01"}, {"ALECTURE_DETAIL_GUBUN", "01"}, {"AEDITSTATUS", "2"}});
    out << run(d, "PR_EHI010_02", {{"aSEASON_YEAR", "2026"}, {"aSEQ_NO", QString::number(round * 10 + desk)},
                                   {"aLOCATION", "L"}, {"aAREA_ZONE", QString("Z%1").arg(round)}, {"aLOCKER_TYPE", "T"},
                                   {"aBEGINNING_NO", kBlockBegins[desk]},
                                   {"aLOCKER_QTY", "4"}});
    return out.join('\t');
}

// One desk's part of a round of new numbered records: a locker block and a piece of equipment, both
// deleted again now and then (a deleted record's number must not come back). "block piece", or the error.
QString numberRound(Database *d, int desk, int round)
{
    StoredProc block(d);
    QString r = run(d, "PR_EHI010_01", {{"aSEASON_YEAR", "2026"}, {"aLOCATION", "L"}, {"aAREA_ZONE", "Z"},
                                        {"aLOCKER_TYPE", "T"}, {"aBEGINNING_NO", "1"}, {"aLOCKER_QTY", "1"},
                                        {"AEDITSTATUS", "2"}}, &block);
    if (r != QLatin1String("ok"))
        return r;
    const QString tag = QString("D%1R%2").arg(desk).arg(round);
    r = run(d, "PR_EBI020_01", {{"AAREA_GUBUN", "M"}, {"AEQUIP_GUBUN", "SK"}, {"AEQUIP_SIZE_GUBUN", "150"},
                                {"AEQUIP_RENT_YN", "Y"}, {"AREMARK", tag}, {"AEDITSTATUS", "2"}});
    if (r != QLatin1String("ok"))
        return r;
    QString piece;
    QString error;
    QList<QStringList> rows;
    if (!Query::run(d, "SELECT EQUIP_NO FROM EB020MS WHERE REMARK = :R", {{"R", tag}}, &rows, nullptr, &error)
        || rows.size() != 1)
        return "piece not found " + error;
    piece = rows.first().first();
    if ((desk + round) % 3 == 0) {
        for (const QString &gone : {run(d, "PR_EHI010_01", {{"aSEASON_YEAR", "2026"}, {"aSEQ_NO", block.param("aSEQ_NO")},
                                                            {"AEDITSTATUS", "3"}}),
                                    run(d, "PR_EBI020_01", {{"AAREA_GUBUN", "M"}, {"AEQUIP_GUBUN", "SK"},
                                                            {"AEQUIP_NO", piece}, {"AEDITSTATUS", "3"}})})
            if (gone != QLatin1String("ok"))
                return gone;
    }
    return block.param("aSEQ_NO") + ' ' + piece;
}

// A desk of its own: answers each round it is given ("dup N" or "num N") with one line.
int deskChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    const int desk = a.value(8).toInt();
    Database d;
    if (!d.open(s))
        return 2;
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        const QStringList round = QString::fromLatin1(line).simplified().split(' ');
        const QString answer = round.value(0) == QLatin1String("dup") ? duplicateRound(&d, desk, round.value(1).toInt())
                                                                      : numberRound(&d, desk, round.value(1).toInt());
        std::printf("%s\n", answer.toUtf8().constData());
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestSaveRaces : public QObject {
    Q_OBJECT
private slots:
    // Key, reference, empty and range rules that the tables enforce, as a body's statement meets them.
    void tableRulesInTheSystemsWords_data() { testing::addBackendColumn(); }
    void tableRulesInTheSystemsWords()
    {
        TEST_DB_FETCH(t);
        ProcedureCatalog::instance().add({"PR_TEST_RUN", {in("ASQL")}, [](ProcedureCall &c) { c.exec(c.param("ASQL")); }});
        if (t->backend() == Backend::SQLite)
            QVERIFY(t.run("PRAGMA foreign_keys = ON"));
        QVERIFY(t.run("CREATE TABLE TT_PARENT (ID INTEGER NOT NULL, PRIMARY KEY (ID));\n"
                      "CREATE TABLE TT_CHILD (ID INTEGER NOT NULL, NAME VARCHAR(10) NOT NULL, "
                      "PARENT_ID INTEGER REFERENCES TT_PARENT (ID), QTY INTEGER CHECK (QTY >= 0), PRIMARY KEY (ID));\n"
                      "INSERT INTO TT_PARENT (ID) VALUES (1);\n"
                      "INSERT INTO TT_CHILD (ID, NAME, PARENT_ID, QTY) VALUES (1, 'A', 1, 0);\n"));
        const QString reference = "관련된 자료가 없거나 다른 자료에서 사용 중이므로 저장할 수 없습니다. 다시 조회하십시오.";
        const QList<QPair<QString, QString>> cases{
            {"INSERT INTO TT_PARENT (ID) VALUES (1)", kDuplicate},
            {"INSERT INTO TT_CHILD (ID, NAME, PARENT_ID) VALUES (2, 'B', 9)", reference},
            {"DELETE FROM TT_PARENT", reference},
            {"INSERT INTO TT_CHILD (ID, NAME) VALUES (3, NULL)", "반드시 입력해야 할 항목이 비어 있습니다. 다시 입력하십시오."},
            {"UPDATE TT_CHILD SET QTY = -1", "입력한 값이 허용된 범위를 벗어났습니다. 다시 입력하십시오."}};
        for (const auto &[sql, message] : cases)
            QCOMPARE(run(t.database(), "PR_TEST_RUN", {{"ASQL", sql}}), message);
        // any other failure keeps the server's text, and the refused statements left nothing behind
        QVERIFY(!hasHangul(run(t.database(), "PR_TEST_RUN", {{"ASQL", "INSERT INTO TT_NOWHERE (ID) VALUES (1)"}})));
        QCOMPARE(t.scalar("SELECT COUNT(*) || '/' || SUM(QTY) FROM TT_CHILD"), QString("1/0"));
    }

    // Four desks save the same lesson day, the same assignment, and lockers of overlapping blocks of one
    // place at the same moment, round after round: one desk stores each record, every other one is told
    // in the system's words; overlapping blocks never both create their lockers.
    void sameRecordsAtOnce_data() { testing::addBackendColumn(); }
    void sameRecordsAtOnce()
    {
        TEST_DB_FETCH(t);
        const int rounds = 10;
        QString blocks;
        for (int r = 0; r < rounds; ++r)
            for (int desk = 0; desk < kDesks; ++desk)
                blocks += QString("INSERT INTO EH010MS (SEASON_YEAR, SEQ_NO, LOCATION, AREA_ZONE, LOCKER_TYPE, "
                                  "BEGINNING_NO, LOCKER_QTY) VALUES ('2026', %1, 'L', 'Z%2', 'T', '%3', 4);\n")
                              .arg(r * 10 + desk)
                              .arg(r)
                              .arg(kBlockBegins[desk]);
        QVERIFY(t.run(blocks));
        testing::ChildProcesses desks;
        for (int desk = 0; desk < kDesks; ++desk)
            desks.start("--desk-child", t.settings(), {QString::number(desk)});
        int raw = 0, failed = 0, lessons = 0, assignments = 0, batches = 0;
        for (int r = 0; r < rounds; ++r) {
            int stored[3] = {0, 0, 0};
            for (const QByteArray &answer : desks.step("dup " + QByteArray::number(r), 60000)) {
                const QStringList parts = QString::fromUtf8(answer).split('\t');
                QCOMPARE(parts.size(), 3);
                for (int k = 0; k < 3; ++k) {
                    const QString &m = parts.at(k);
                    if (m == QLatin1String("ok")) {
                        ++stored[k];
                        continue;
                    }
                    const bool foreseen = k < 2 ? m == kDuplicate
                                                : m.contains("이미 생성되어 있습니다") || m.contains("이미 완료되었습니다");
                    if (!hasHangul(m))
                        ++raw;
                    if (!foreseen) {
                        ++failed;
                        qWarning("round %d: %s", r, qPrintable(m));
                    }
                }
            }
            lessons += stored[0] == 1;
            assignments += stored[1] == 1;
            batches += stored[2] >= 1;
        }
        desks.closeInputs();
        QVERIFY(desks.finish(60000));
        QCOMPARE(raw, 0);
        QCOMPARE(failed, 0);
        QCOMPARE(lessons, rounds);
        QCOMPARE(assignments, rounds);
        QCOMPARE(batches, rounds);
        QCOMPARE(t.count("EC080MS"), rounds);
        QCOMPARE(t.count("EC030MS"), rounds);
        // no locker number twice in a place, however it is written, and every block whole or not at all
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM (SELECT AREA_ZONE FROM EH020MS GROUP BY AREA_ZONE, "
                          "TO_NUMBER(LOCKER_NO) HAVING COUNT(*) > 1) X"),
                 QString("0"));
        QCOMPARE(t.scalar("SELECT MOD(COUNT(*), 4) FROM EH020MS"), QString("0"));
    }

    // Four desks add locker blocks and equipment at the same moment and delete some again: every save
    // stores, numbers go on from the largest stored (or still carried by old rental rows), and no number
    // is given twice, not even one whose record was deleted.
    void numbersAtOnce_data() { testing::addBackendColumn(); }
    void numbersAtOnce()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run("INSERT INTO EH010MS (SEASON_YEAR, SEQ_NO, LOCATION, AREA_ZONE, LOCKER_TYPE, BEGINNING_NO, "
                      "LOCKER_QTY) VALUES ('2026', 7, 'L', 'Z', 'T', '1', 1);\n"
                      "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) "
                      "VALUES ('M', 'SK', '00041', 'Y', 'N');\n"
                      "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO) "
                      "VALUES ('20251220', 'M', 1, 1, 'R', 'SK', '00050');\n"));
        const int rounds = 8;
        testing::ChildProcesses desks;
        for (int desk = 0; desk < kDesks; ++desk)
            desks.start("--desk-child", t.settings(), {QString::number(desk)});
        QSet<int> blocks, pieces;
        int failed = 0;
        for (int r = 0; r < rounds; ++r)
            for (const QByteArray &answer : desks.step("num " + QByteArray::number(r), 60000)) {
                const QList<QByteArray> f = answer.split(' ');
                if (f.size() != 2 || f.at(0).toInt() <= 0) {
                    ++failed;
                    qWarning("round %d: %s", r, answer.constData());
                    continue;
                }
                blocks.insert(f.at(0).toInt());
                pieces.insert(f.at(1).toInt());
            }
        desks.closeInputs();
        QVERIFY(desks.finish(60000));
        QCOMPARE(failed, 0);
        QCOMPARE(blocks.size(), rounds * kDesks);
        QCOMPARE(pieces.size(), rounds * kDesks);
        QCOMPARE(*std::min_element(blocks.begin(), blocks.end()), 8);
        QCOMPARE(*std::max_element(blocks.begin(), blocks.end()), 7 + rounds * kDesks);
        QCOMPARE(*std::min_element(pieces.begin(), pieces.end()), 51);
        QCOMPARE(*std::max_element(pieces.begin(), pieces.end()), 50 + rounds * kDesks);
        QCOMPARE(t.scalar("SELECT LAST_SEQ_NO FROM EH010NO WHERE SEASON_YEAR = '2026'"), QString::number(7 + rounds * kDesks));
    }
};

int main(int argc, char **argv)
{
    const QStringList args = [&] { QStringList a; for (int i = 0; i < argc; ++i) a << QString::fromLocal8Bit(argv[i]); return a; }();
    if (args.value(1) == QLatin1String("--desk-child")) {
        QCoreApplication app(argc, argv);
        return deskChild(args);
    }
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestSaveRaces t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_save_races.moc"
