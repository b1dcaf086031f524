// Round trips of the counters' actions on PostgreSQL, as the screens do them: picking a piece at the
// rental counter (the check, the hold and the free list), a three-piece rental saved with its reload, a
// member saved on EGI020, a locker sold on EHI020 and a staff reservation on ECI050. The program talks
// to the server through a proxy on 127.0.0.1 that this benchmark starts and stops itself: it counts
// the round trips and delays every packet so that each costs 1 ms, then 20 ms. Each figure is printed
// beside its goal. On SQLite the same actions are timed (no network).
//   bench_roundtrips            (PostgreSQL when SPORTS_TEST_PG names a server)
//   SPORTS_ROUNDTRIPS_LOG=1 ... also lists the statements of every measured action
#include "delayproxy.h"
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/query.h"
#include "modules/equipment/ebi040.h"
#include "modules/lockers/ehi020.h"
#include "modules/lockers/screens.h"
#include "modules/members/egi020.h"
#include "modules/members/screens.h"
#include "modules/school/eci050.h"
#include "modules/school/screens.h"
#include "framework/screenregistry.h"
#include "support/messagerecorder.h"
#include "support/pseudoterminal.h"
#include "support/testdatabase.h"
#include "support/typing.h"
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <functional>

namespace {

QString day(int offset) { return QDate::currentDate().addDays(offset).toString("yyyyMMdd"); }

// One measured action: per measured round, the most round trips of a run and the mean milliseconds.
struct Figure {
    int goal = 0;   // 0: no goal of its own (a step before the action)
    QMap<int, long> trips;
    QMap<int, double> ms;
    QMap<int, int> runs;
};

// The rounds of a scenario: first unmeasured (statements are prepared, caches filled), then one at
// each round trip delay.
const QList<int> kDelays{0, 1, 20};

class Bench {
public:
    Bench(db::Backend backend, DelayProxy *proxy) : m_backend(backend), m_proxy(proxy) {}

    // A database with the scenario's rows, and the program's connection to it (through the proxy on
    // PostgreSQL). False when there is none.
    bool open(const QString &fixture)
    {
        m_screenDb.reset();
        m_test = std::make_unique<testing::TestDatabase>(m_backend);
        if (!m_test->ok() || !m_test->run(fixture)) {
            std::printf("  no database: %s\n", qPrintable(m_test->error()));
            return false;
        }
        db::ConnectionSettings s = m_test->settings();
        if (m_proxy) {
            s.host = QStringLiteral("127.0.0.1");
            s.port = m_proxy->port();
            s.ports.clear();
        }
        m_screenDb = std::make_unique<db::Database>();
        if (!m_screenDb->open(s)) {
            std::printf("  no connection: %s\n", qPrintable(m_screenDb->lastError()));
            return false;
        }
        DM()->attach(m_screenDb.get());
        return true;
    }

    void setRound(int round)
    {
        m_round = round;
        if (m_proxy)
            m_proxy->setRoundTripMs(kDelays.value(round));
    }

    // Runs one action of the current round; the first round is not recorded.
    void measure(const QString &name, int goal, const std::function<void()> &action)
    {
        if (m_proxy)
            m_proxy->reset();
        QElapsedTimer t;
        t.start();
        action();
        const double ms = t.nsecsElapsed() / 1e6;
        const long trips = m_proxy ? m_proxy->roundTrips() : 0;
        if (m_round == 0)
            return;
        Figure &f = m_figures[name];
        if (!m_order.contains(name))
            m_order << name;
        f.goal = goal;
        f.trips[m_round] = qMax(f.trips.value(m_round), trips);
        f.ms[m_round] += ms;
        ++f.runs[m_round];
        if (m_proxy && m_round == 1 && !qEnvironmentVariableIsEmpty("SPORTS_ROUNDTRIPS_LOG"))
            for (const QString &s : m_proxy->statements())
                std::printf("    %s: %s\n", qPrintable(name), qPrintable(s));
    }

    void print() const
    {
        for (const QString &name : m_order) {
            const Figure &f = m_figures[name];
            auto mean = [&f](int round) { return f.ms.value(round) / qMax(1, f.runs.value(round)); };
            if (m_proxy) {
                long trips = 0;
                for (long n : f.trips)
                    trips = qMax(trips, n);
                const QString goal = f.goal ? QString("goal <= %1%2").arg(f.goal).arg(trips <= f.goal ? "" : ", MISSED")
                                            : QString("no goal");
                std::printf("  %-48s %3ld round trips (%-16s) %7.1f ms at 1 ms %8.1f ms at 20 ms\n", qPrintable(name),
                            trips, qPrintable(goal), mean(1), mean(2));
            } else {
                std::printf("  %-48s %7.1f ms\n", qPrintable(name), mean(1));
            }
        }
    }

    testing::TestDatabase &test() { return *m_test; }
    db::Database *screenDatabase() { return m_screenDb.get(); }
    int rounds() const { return m_proxy ? kDelays.size() : 2; }

private:
    db::Backend m_backend;
    DelayProxy *m_proxy;
    std::unique_ptr<testing::TestDatabase> m_test;
    std::unique_ptr<db::Database> m_screenDb;
    int m_round = 0;
    QMap<QString, Figure> m_figures;
    QStringList m_order;
};

// ---- the rental counter ----

QString rentalFixture()
{
    QString sql =
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '메인');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0013', '01', '신발');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('I0005', '01', '대인');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'D', '일일대여');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'S', '연일대여');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'R', '반납');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'CS', '카빙스키');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '270', '270mm');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2, ITEM3) VALUES ('E0010', '150', '150', 'Y', 'N', 'Y');\n";
    for (int i = 1; i <= 60; ++i)
        sql += QString("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, "
                       "SVRL_RENT_YN) VALUES ('M', 'CS', '%1', '150', 'Y', 'N');\n").arg(i, 5, 10, QChar('0'));
    return sql;
}

void rentalCounter(Bench &b)
{
    if (!b.open(rentalFixture()))
        return;
    testing::PseudoTerminal pty;
    testing::MessageRecorder messages;
    TfrmEBI040 s(nullptr, pty.slave());
    s.resize(1000, 700);
    s.show();
    QTest::qWaitForWindowExposed(&s);
    for (int round = 0; round < b.rounds(); ++round) {
        b.setRound(round);
        if (!s.isSearchMode())
            s.bbtCancel->click();
        s.edtRentNo->clear();
        s.bbtSearch->click();
        testing::typeInto(s.edtDealName, "김취급");
        testing::typeInto(s.edtKeepBoxNo, "A1");
        for (const QString &name : {"가", "나", "다"}) {
            if (name != QStringLiteral("가"))
                s.bbtAdd->click();
            s.cboRentEquip->setCode("CS");
            if (name == QStringLiteral("나")) {   // the second piece by its number, as a scanner gives it
                const QString no = s.freeEquipment().value(0);
                b.measure("EBI040 pick a scanned number (kinds, hold, free list)", 3, [&] { s.pickByNumber(no); });
            } else {
                b.measure("EBI040 pick a piece (check, hold, free list)", 3, [&] { s.sbtEquipOk->click(); });
            }
            testing::typeInto(s.edtRentName, name);
            s.cboRentBootsSize->setCode("270");
            s.sbtRentDay->click();
        }
        b.measure("EBI040 three-piece rental saved, with reload", 8, [&] { s.bbtSave->click(); });
        pty.readAll(0);
        // a short list read whole through its cursor (on PostgreSQL: the read block's BEGIN, the
        // DECLARE and the first FETCH, then the CLOSE and the COMMIT)
        b.measure("a 20-row list read through its cursor (no goal)", 0, [&] {
            db::Query list(b.screenDatabase());
            list.setPaged(true);
            list.setSql("SELECT EQUIP_NO, EQUIP_SIZE_GUBUN FROM EB020MS WHERE EQUIP_NO <= '00020' ORDER BY EQUIP_NO");
            int rows = 0;
            if (list.open())
                while (list.next())
                    ++rows;
            if (rows != 20)
                std::printf("  list: %d rows %s\n", rows, qPrintable(list.lastError()));
        });
        if (b.test().count("EB040DT") != 3 * (round + 1))
            std::printf("  rental not saved: %s\n", qPrintable(messages.texts().join(" | ")));
    }
}

// ---- members ----

void members(Bench &b)
{
    QString sql;
    for (int i = 1; i <= 20; ++i)
        sql += QString("INSERT INTO BA040MS (MEMBER_NO, MEMBER_NAME, SEX_CODE, USE_DATE_FROM, USE_DATE_TO) VALUES "
                       "('20000000%1', '회원%1', '1', '%2', '%3');\n").arg(i, 2, 10, QChar('0')).arg(day(-30), day(30));
    if (!b.open(sql))
        return;
    testing::MessageRecorder messages;
    std::unique_ptr<TfrmEGI020> s(qobject_cast<TfrmEGI020 *>(ScreenRegistry::instance().create("EGI020")));
    s->resize(1100, 700);
    s->show();
    QTest::qWaitForWindowExposed(s.get());
    s->bbtSearchClick();
    for (int round = 0; round < b.rounds(); ++round) {
        b.setRound(round);
        s->rgrGrid->editCell(round, TfrmEGI020::cMobileTel, QString("010-9999-%1").arg(round, 4, 10, QChar('0')));
        b.measure("EGI020 member saved, with reload", 4, [&] { s->bbtSaveClick(); });
        if (messages.last() != QStringLiteral("자료를 정상적으로 저장했습니다."))
            std::printf("  member not saved: %s\n", qPrintable(messages.last()));
    }
}

// ---- lockers ----

void lockers(Bench &b)
{
    QString sql =
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('E0017', 'M', '메인', NULL, 'Y');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('E0055', 'A', 'A구역', NULL, NULL);\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('E0056', '1', '소형', NULL, NULL);\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM3) VALUES ('C0003', '01', '현금', 'Y', NULL);\n"
        "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, ID_NO) VALUES ('3000000001', '홍길동', '8001011234567');\n";
    for (int i = 1; i <= 10; ++i)
        sql += QString("INSERT INTO EH020MS (SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO, UNIT_AMT, "
                       "MEMBER_AMT, USE_YN) VALUES ('2026', 'M', 'A', '1', '%1', 150000, 100000, 'N');\n").arg(i);
    if (!b.open(sql))
        return;
    testing::MessageRecorder messages;
    std::unique_ptr<TfrmEHI020> s(qobject_cast<TfrmEHI020 *>(ScreenRegistry::instance().create("EHI020")));
    s->resize(1200, 760);
    s->show();
    QTest::qWaitForWindowExposed(s.get());
    s->edt_SeasonYear->setText("2026");
    s->bbtSearchClick();
    s->bbtSaleArea->click();
    for (int round = 0; round < b.rounds(); ++round) {
        b.setRound(round);
        s->rgrGrid->setCurrentRow(round);
        s->bbtSaleRegistClick();
        testing::typeInto(s->edtMName, "새손님");
        s->wmeMIdno->setFocus();
        QTest::keyClicks(s->wmeMIdno, "800101123456");
        b.measure("EHI020 last digit typed: the fee looked up", 0, [&] { QTest::keyClicks(s->wmeMIdno, "7"); });
        s->wcbPayCode->setCurrentIndex(1);
        messages.clear();
        b.measure("EHI020 locker sale saved, with reload", 6, [&] { s->bbtSaveClick(); });
        if (b.test().count("EH020MS", "SALE_DATE IS NOT NULL") != round + 1)
            std::printf("  locker not sold: %s\n", qPrintable(messages.texts().join(" | ")));
    }
}

// ---- reservations ----

void reservations(Bench &b)
{
    QString sql =
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0022', '01', '스키');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0023', '01', '개인강습');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0024', '01', '초급');\n";
    sql += QString("INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, "
                   "YAEYAK_ABILITY_CNT) VALUES ('%1', '01', '01', '01', 100);\n").arg(day(1));
    for (int i = 1; i <= 10; ++i)
        sql += QString("INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('S%1', '사원%1', '10');\n")
                   .arg(i);
    if (!b.open(sql))
        return;
    testing::MessageRecorder messages;
    std::unique_ptr<TfrmECI050> s(qobject_cast<TfrmECI050 *>(ScreenRegistry::instance().create("ECI050")));
    s->resize(1000, 700);
    s->show();
    QTest::qWaitForWindowExposed(s.get());
    s->dtpDate->setDate(QDate::currentDate().addDays(1));
    s->bbtSearchClick();
    for (int round = 0; round < b.rounds(); ++round) {
        b.setRound(round);
        s->edtEmpNo->setFocus();
        testing::typeInto(s->edtEmpNo, QString("S%1").arg(round + 1));
        b.measure("ECI050 staff number left: the member looked up", 0, [&] { s->wneLectureCnt->setFocus(); });
        s->wneLectureCnt->setValue(1);
        messages.clear();
        b.measure("ECI050 reservation saved, with reload", 6, [&] { s->bbtSaveClick(); });
        if (messages.last() != QStringLiteral("예약이 정상적으로 처리되었습니다"))
            std::printf("  not reserved: %s\n", qPrintable(messages.texts().join(" | ")));
    }
}

} // namespace

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    qputenv("SPORTS_HOLD_BEAT_SECONDS", "3600");   // the holds' heartbeat stays out of the counts
    QApplication app(argc, argv);
    RegisterMembersScreens();
    RegisterLockersScreens();
    RegisterSchoolScreens();
    Startup().employeeNumber = "E01";
    Startup().workstationAddress = "10.0.0.9";
    for (db::Backend backend : testing::testBackends()) {
        std::unique_ptr<DelayProxy> proxy;
        if (backend == db::Backend::PostgreSQL) {
            const db::ConnectionSettings server = testing::TestDatabase(backend, false).settings();
            proxy = std::make_unique<DelayProxy>(server.host, server.port);
            if (!proxy->start()) {
                std::printf("PostgreSQL: the proxy could not listen\n");
                continue;
            }
            std::printf("PostgreSQL through a delaying proxy on 127.0.0.1:%d\n", proxy->port());
        } else {
            std::printf("%s (no network)\n", qPrintable(testing::backendName(backend)));
        }
        Bench b(backend, proxy.get());
        rentalCounter(b);
        members(b);
        lockers(b);
        reservations(b);
        b.print();
        DM()->attach(nullptr);
    }
    return 0;
}
