// The report statements of the rental and storage lists against fixture rows on both back ends.
#include "support/testdatabase.h"
#include "database/query.h"
#include "modules/equipment/reportstatements.h"
#include "reportfixture.h"
#include <QtTest>

using namespace equipment_reports;

namespace {
// The rows of a statement, each as its chosen columns joined by '|'.
QStringList rowsOf(testing::TestDatabase &t, const Statement &s, const QStringList &columns)
{
    db::Query q(t.database());
    s.applyTo(q);
    const QString unbound = q.firstUnboundParam();
    if (!unbound.isEmpty())
        return {QStringLiteral("unbound ") + unbound};
    if (!q.open())
        return {QStringLiteral("error ") + q.lastError()};
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (const QString &c : columns)
            cells << q.value(c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QString totalOf(testing::TestDatabase &t, const Statement &s)
{
    const QStringList rows = rowsOf(t, s, {s.sql.contains("KEEP_CNT") ? "KEEP_CNT" : "RENT_CNT"});
    return rows.value(0);
}

QStringList sorted(QStringList rows)
{
    rows.sort();
    return rows;
}
} // namespace

class TestEquipmentReportStatements : public QObject {
    Q_OBJECT
private slots:
    void comboAllAddsNoCondition()
    {
        QVERIFY(isChosen("S"));
        QVERIFY(!isChosen(kAll));
        QVERIFY(!isChosen(QString()));
        const Statement all = ebs060("20261209", "1", kAll, kAll);
        QVERIFY(!all.sql.contains("RENT_STAT = :RENT_STAT"));
        QVERIFY(!all.sql.contains("TICKET_KIND = :TICKET_KIND"));
        const Statement one = ebs060("20261209", "1", "R", kAll);
        QVERIFY(one.sql.contains("AND RENT_STAT = :RENT_STAT "));
        QCOMPARE(one.binds.value("RENT_STAT").toString(), QString("R"));
        QCOMPARE(one.binds.value("GC_RENT_STAT_CODE").toString(), QString("E0012"));
    }

    void dailyRentals_data() { testing::addBackendColumn(); }
    void dailyRentals()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        const QStringList cols{"RENT_NO", "RENT_SEQ", "RENT_STAT_NAME", "EQUIP_GUBUN_NAME", "EQUIP_NO", "RENT_NAME",
                               "SHOES_SIZE_NAME", "TICKET_KIND_NAME", "SVRL_RENT_FROM_DATE", "SVRL_RENT_TO_DATE"};
        QCOMPARE(rowsOf(t, ebs060("20261209", "1", kAll, kAll), cols),
                 QStringList({"0000000001|1|대여|스키|00011|김철수|260mm|주간권|2026-12-09|2026-12-11",
                              "0000000001|2|대여|폴|00012|김철수||주간권||",
                              "0000000002|1|반납|스키|00013|최영희||||",
                              "0000000002|2|대여|보드|00014|최영희||||"}));
        QCOMPARE(rowsOf(t, ebs060("20261209", "1", "T", kAll), {"EQUIP_NO"}), QStringList({"00013"}));
        QCOMPARE(rowsOf(t, ebs060("20261209", "1", "R", "B"), {"EQUIP_NO"}), QStringList({"00014"}));
    }

    void multiDayRentals_data() { testing::addBackendColumn(); }
    void multiDayRentals()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        QCOMPARE(rowsOf(t, ebs070("1"), {"EQUIP_GUBUN_NAME", "EQUIP_NO", "EQUIP_SIZE_GUBUN_NAME", "RENT_NO", "RENT_NAME",
                                         "TICKET_KIND_NAME", "SVRL_RENT_FROM_DATE", "SVRL_RENT_TO_DATE", "DEAL_NAME",
                                         "KEEP_KIND_GUBUN_NAME", "KEEP_BOX_NO"}),
                 QStringList({"스키|00011|150cm|0000000001|김철수|주간권|2026-12-09|2026-12-11|이담당|신발|0007"}));
        QVERIFY(rowsOf(t, ebs070("2"), {"EQUIP_NO"}).isEmpty());
    }

    // Each hour's kinds, then its subtotal; the day's count equals the rows of the day.
    void rentalsByHour_data() { testing::addBackendColumn(); }
    void rentalsByHour()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        QCOMPARE(rowsOf(t, ebs080("20261209", "1"), {"RENT_HOUR", "EQUIP_GUBUN_NAME", "RENT_CNT"}),
                 QStringList({"09:00 - 09:59|폴|1", "09:00 - 09:59|스키|2", "|소계|3",
                              "10:00 - 10:59|보드|1", "|소계|1"}));
        QCOMPARE(totalOf(t, ebs080Total("20261209", "1")), QString("4"));
        QCOMPARE(t.count("EB040DT", "RENT_DATE = '20261209' AND AREA_GUBUN = '1'"), 4);
        QVERIFY(rowsOf(t, ebs080("20261207", "1"), {"RENT_HOUR"}).isEmpty());
        QCOMPARE(totalOf(t, ebs080Total("20261207", "1")), QString("0"));
    }

    void rentalsByDate_data() { testing::addBackendColumn(); }
    void rentalsByDate()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        const QStringList cols{"RENT_DATE", "EQUIP_GUBUN_NAME", "RENT_CNT"};
        // Both bounds empty: every date.
        QCOMPARE(rowsOf(t, ebs090("", "", "1"), cols),
                 QStringList({"2026-12-08|스키|1", "|소계|1",
                              "2026-12-09|보드|1", "2026-12-09|폴|1", "2026-12-09|스키|2", "|소계|4"}));
        QCOMPARE(totalOf(t, ebs090Total("", "", "1")), QString("5"));
        // One bound given: the other side stays open.
        QCOMPARE(rowsOf(t, ebs090("20261209", "", "1"), cols).size(), 4);
        QCOMPARE(totalOf(t, ebs090Total("", "20261208", "1")), QString("1"));
        QCOMPARE(totalOf(t, ebs090Total("20261208", "20261209", "2")), QString("1"));
    }

    void storageList_data() { testing::addBackendColumn(); }
    void storageList()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        const QStringList cols{"KEEP_NO", "KEEP_STAT_NAME", "KEEP_GUBUN_NAME", "EQUIP_GUBUN_NAME",
                               "EQUIP_NAME_GUBUN_NAME", "MEMBER_NO", "KEEP_NAME", "IPGO_DATE", "ZIP_CODE"};
        StorageConditions c{"26", "1", kAll, kAll, kAll, kAll, ""};
        const Statement all = ebs100(c);
        QVERIFY(!all.sql.contains("ORDER BY"));
        QCOMPARE(sorted(rowsOf(t, all, cols)),
                 QStringList({"0000000001|보관|시즌보관|스키|아토믹|M001|김영수|2026-12-01|135-080",
                              "0000000002|출고|시즌보관|보드|아토믹||이김순|2026-12-02|232-010",
                              "0000000003|보관|일일보관|스키|||박민호|2026-12-03|",
                              "0000000004|보관|일일보관|스키|||김하늘|2026-12-10|135-082"}));
        c.keepStat = "O";
        const Statement one = ebs100(c);
        QVERIFY(one.sql.contains("AND KEEP_STAT = :KEEP_STAT"));
        QVERIFY(!one.sql.contains("KEEP_GUBUN = :KEEP_GUBUN"));
        QCOMPARE(rowsOf(t, one, {"KEEP_NO"}), QStringList({"0000000002"}));
        c.keepStat = kAll;
        c.keepGubun = "D";
        c.equipGubun = "S";
        QCOMPARE(sorted(rowsOf(t, ebs100(c), {"KEEP_NO"})), QStringList({"0000000003", "0000000004"}));
        c = StorageConditions{"26", "1", kAll, kAll, kAll, kAll, "김"};
        QCOMPARE(ebs100(c).binds.value("KEEP_NAME").toString(), QString("%김%"));
        QCOMPARE(sorted(rowsOf(t, ebs100(c), {"KEEP_NAME"})), QStringList({"김영수", "김하늘", "이김순"}));
    }

    void itemsNotReleased_data() { testing::addBackendColumn(); }
    void itemsNotReleased()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        const QStringList cols{"KEEP_NO", "KEEP_NAME", "KEEP_GUBUN_NAME", "EQUIP_GUBUN_NAME", "CHULGO_DATE", "MOBILE_NO"};
        QCOMPARE(rowsOf(t, ebs110("20261210", "1"), cols),
                 QStringList({"0000000001|김영수|시즌보관|스키|2026-12-05|010-9"}));
        QCOMPARE(rowsOf(t, ebs110("20261221", "1"), {"KEEP_NO"}), QStringList({"0000000001", "0000000003"}));
        // Released, the item leaves the list.
        QVERIFY(t.run("UPDATE EB050MS SET KEEP_STAT = 'O' WHERE SEASON_GUBUN = '26' AND AREA_GUBUN = '1' AND KEEP_NO = 1;"));
        QCOMPARE(rowsOf(t, ebs110("20261221", "1"), {"KEEP_NO"}), QStringList({"0000000003"}));
    }

    void storageByKind_data() { testing::addBackendColumn(); }
    void storageByKind()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        const QStringList cols{"KEEP_GUBUN_NAME", "EQUIP_GUBUN_NAME", "KEEP_CNT"};
        QCOMPARE(rowsOf(t, ebs120("26", "1", "", ""), cols),
                 QStringList({"일일보관|스키|2", "|소계|2", "시즌보관|보드|1", "시즌보관|스키|1", "|소계|2"}));
        QCOMPARE(totalOf(t, ebs120Total("26", "1", "", "")), QString("4"));
        QCOMPARE(rowsOf(t, ebs120("26", "1", "20261202", "20261203"), cols),
                 QStringList({"일일보관|스키|1", "|소계|1", "시즌보관|보드|1", "|소계|1"}));
        QCOMPARE(totalOf(t, ebs120Total("26", "1", "", "20261202")), QString("2"));
    }

    // Only owners with a zip code count; a prefix with several address lines counts an item once.
    void storageByRegion_data() { testing::addBackendColumn(); }
    void storageByRegion()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        QVERIFY(t.run("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, EQUIP_GUBUN, KEEP_NAME, ZIP_CODE) VALUES ('26', '1', 5, 'K', '20261204', 'S', 'B', '한빛나', '232010');"));
        const QStringList cols{"REGION_NAME", "EQUIP_GUBUN_NAME", "KEEP_CNT"};
        QCOMPARE(rowsOf(t, ebs130("26", "1", "", ""), cols),
                 QStringList({"서울 강남구|스키|2", "|소계|2", "강원 평창군|보드|2", "|소계|2"}));
        QCOMPARE(totalOf(t, ebs130Total("26", "1", "", "")), QString("4"));
        QCOMPARE(totalOf(t, ebs130Total("26", "1", "20261205", "")), QString("1"));
        QVERIFY(ebs130("26", "1", "", "").sql.contains("/*+ RULE */"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestEquipmentReportStatements test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_statements.moc"
