// The slope, equipment register, boots stock and storage procedures on both back ends.
#include "support/testdatabase.h"
#include "database/procedure.h"
#include "database/schema.h"
#include <QtTest>

using namespace db;

namespace {
const char *kCodes = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0005', 'C', '코스');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0005', 'L', '리프트');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0006', 'C01', '레드', 'C');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0006', 'C02', '블루', 'C');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0007', 'L01', '곤도라', 'L');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'N', '운휴');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'Y', '운행');
)SQL";

void audit(StoredProc &p, const char *status)
{
    p.setParam("AU_EMP_NO", "E100");
    p.setParam("AU_IP", "10.0.0.7");
    p.setParam("AEDITSTATUS", status);
}
} // namespace

class TestEquipmentMasterProcedures : public QObject {
    Q_OBJECT
private slots:
    void parameterLists()
    {
        QCOMPARE(StoredProc(nullptr, "PR_EBI010_01").paramNames(), QStringList({"ARUN_DATE", "AU_EMP_NO", "AU_IP"}));
        QCOMPARE(StoredProc(nullptr, "PR_EBI010_02").paramNames(),
                 QStringList({"ARUN_DATE", "AFAC_GUBUN_NAME", "AFAC_DETAIL_GUBUN_NAME", "ARUN_YN", "AFAC_GUBUN",
                              "AFAC_DETAIL_GUBUN", "AU_EMP_NO", "AU_IP", "AEDITSTATUS"}));
        QCOMPARE(StoredProc(nullptr, "PR_EBI020_01").paramNames(),
                 QStringList({"AAREA_GUBUN", "AEQUIP_GUBUN", "AEQUIP_NO", "AEQUIP_SIZE_GUBUN", "AEQUIP_RENT_YN",
                              "ABUY_DATE", "AREMARK", "ASVRL_RENT_YN", "ASVRL_RENT_FROM_DATE", "ASVRL_RENT_TO_DATE",
                              "AU_EMP_NO", "AU_IP", "AEDITSTATUS"}));
        QCOMPARE(StoredProc(nullptr, "PR_EBI030_01").paramNames(),
                 QStringList({"AAREA_GUBUN", "ABOOTS_SIZE_GUBUN", "ASTOCK_QTY", "AU_EMP_NO", "AU_IP", "AEDITSTATUS"}));
        const QStringList keep = StoredProc(nullptr, "PR_EBI050_01").paramNames();
        QCOMPARE(keep.size(), 2 + 24 + 3);
        QCOMPARE(keep.mid(0, 4), QStringList({"ASEASON_GUBUN", "AAREA_GUBUN", "AKEEP_NO", "AKEEP_STAT"}));
        QCOMPARE(keep.at(25), QString("ACONF_ANSWER"));
    }

    void runDateRowsAreCreatedOnceAndSaved_data() { testing::addBackendColumn(); }
    void runDateRowsAreCreatedOnceAndSaved()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kCodes));
        StoredProc create(t.database(), "PR_EBI010_01");
        create.setParam("ARUN_DATE", "20261209");
        create.setParam("AU_EMP_NO", "E100");
        create.setParam("AU_IP", "10.0.0.7");
        QVERIFY2(create.exec(), qPrintable(create.lastError()));
        QCOMPARE(t.count("EB010MS", "RUN_DATE = '20261209'"), 3);
        QCOMPARE(t.count("EB010MS", "RUN_YN = 'Y' AND U_EMP_NO = 'E100' AND U_IP = '10.0.0.7'"), 3);
        QCOMPARE(t.scalar("SELECT FAC_GUBUN FROM EB010MS WHERE FAC_DETAIL_GUBUN = 'L01'"), QString("L"));

        StoredProc save(t.database(), "PR_EBI010_02");
        save.setParam("ARUN_DATE", "20261209");
        save.setParam("AFAC_GUBUN_NAME", "코스");
        save.setParam("AFAC_DETAIL_GUBUN_NAME", "블루");
        save.setParam("ARUN_YN", "N");
        save.setParam("AFAC_GUBUN", "C");
        save.setParam("AFAC_DETAIL_GUBUN", "C02");
        audit(save, "1");
        QVERIFY2(save.exec(), qPrintable(save.lastError()));
        // A repeated creation neither duplicates nor resets the day's rows.
        QVERIFY2(create.exec(), qPrintable(create.lastError()));
        QCOMPARE(t.count("EB010MS"), 3);
        QCOMPARE(t.scalar("SELECT RUN_YN FROM EB010MS WHERE FAC_DETAIL_GUBUN = 'C02'"), QString("N"));
        create.setParam("ARUN_DATE", "");
        QVERIFY(!create.exec());
    }

    void equipmentIsNumberedWithinAreaAndKind_data() { testing::addBackendColumn(); }
    void equipmentIsNumberedWithinAreaAndKind()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, SVRL_RENT_YN, SVRL_FROM_DATE) "
                      "VALUES ('M', 'NS', '00007', 'Y', '20261208');"));
        StoredProc p(t.database(), "PR_EBI020_01");
        p.setParam("AAREA_GUBUN", "M");
        p.setParam("AEQUIP_GUBUN", "NS");
        p.setParam("AEQUIP_SIZE_GUBUN", "150");
        p.setParam("AEQUIP_RENT_YN", "Y");
        p.setParam("ABUY_DATE", "20261101");
        audit(p, "2");
        QVERIFY2(p.exec(), qPrintable(p.lastError()));
        p.setParam("AEQUIP_GUBUN", "SB");
        QVERIFY2(p.exec(), qPrintable(p.lastError()));
        QCOMPARE(t.scalar("SELECT SVRL_RENT_YN || BUY_DATE || U_EMP_NO FROM EB020MS WHERE EQUIP_GUBUN = 'NS' AND EQUIP_NO = '00008'"),
                 QString("N20261101E100"));
        QCOMPARE(t.count("EB020MS", "EQUIP_GUBUN = 'SB' AND EQUIP_NO = '00001'"), 1);

        // Changing a piece out on a multi-day rental keeps the rental counter's flag and date.
        p.setParam("AEQUIP_GUBUN", "NS");
        p.setParam("AEQUIP_NO", "00007");
        p.setParam("AEQUIP_RENT_YN", "N");
        p.setParam("ASVRL_RENT_YN", "");
        audit(p, "1");
        QVERIFY2(p.exec(), qPrintable(p.lastError()));
        QCOMPARE(t.scalar("SELECT EQUIP_RENT_YN || SVRL_RENT_YN || SVRL_FROM_DATE FROM EB020MS WHERE EQUIP_NO = '00007'"),
                 QString("NY20261208"));
        audit(p, "3");
        QVERIFY(p.exec());
        QCOMPARE(t.count("EB020MS"), 2);
    }

    void bootsStockByEditStatus_data() { testing::addBackendColumn(); }
    void bootsStockByEditStatus()
    {
        TEST_DB_FETCH(t);
        StoredProc p(t.database(), "PR_EBI030_01");
        p.setParam("AAREA_GUBUN", "M");
        p.setParam("ABOOTS_SIZE_GUBUN", "250");
        p.setParam("ASTOCK_QTY", "12");
        audit(p, "2");
        QVERIFY2(p.exec(), qPrintable(p.lastError()));
        QVERIFY(!p.exec());   // the same size twice in one area
        p.setParam("ASTOCK_QTY", "0");
        audit(p, "1");
        QVERIFY(p.exec());
        QCOMPARE(t.scalar("SELECT STOCK_QTY FROM EB030MS WHERE AREA_GUBUN = 'M' AND BOOTS_SIZE_GUBUN = '250'"), QString("0"));
        audit(p, "3");
        QVERIFY(p.exec());
        QCOMPARE(t.count("EB030MS"), 0);
    }

    // The demo database serves the master screens: a day of every facility, equipment of every kind in
    // every size its kind lists, and a boots stock for every size of every shop.
    void demoRowsFitTheMasterScreens_data() { testing::addBackendColumn(); }
    void demoRowsFitTheMasterScreens()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY2(loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        QVERIFY(t.count("ZX010MS", "HEAD = 'E0006'") > 0 && t.count("ZX010MS", "HEAD = 'E0007'") > 0);
        QCOMPARE(t.count("ZX010MS F", "HEAD IN ('E0006', 'E0007') AND NOT EXISTS (SELECT 1 FROM ZX010MS K "
                                      "WHERE K.HEAD = 'E0005' AND K.DETAIL = F.ITEM1)"), 0);
        QCOMPARE(t.count("ZX010MS", "HEAD = 'E0008' AND DETAIL IN ('Y', 'S')"), 2);

        const QString today = QDate::currentDate().toString("yyyyMMdd");
        StoredProc create(t.database(), "PR_EBI010_01");
        create.setParam("ARUN_DATE", today);
        create.setParam("AU_EMP_NO", "E100");
        create.setParam("AU_IP", "10.0.0.7");
        QVERIFY2(create.exec(), qPrintable(create.lastError()));
        QCOMPARE(t.count("EB010MS", QString("RUN_DATE = '%1'").arg(today)),
                 t.count("ZX010MS", "HEAD IN ('E0006', 'E0007')"));

        // sizes of a kind: ITEM1 carving skis, ITEM2 snowboards, ITEM3 skis; skis have size groups at the
        // main shop and the ski house only, so the condo shop rents snowboards
        QCOMPARE(t.count("EB020MS", "AREA_GUBUN NOT IN ('M', 'S') AND EQUIP_GUBUN <> 'SB'"), 0);
        QCOMPARE(t.count("ZX010MS A, ZX010MS K, ZX010MS Z",
                         "A.HEAD = 'E0017' AND K.HEAD = 'E0009' AND Z.HEAD = 'E0010' "
                         "AND (K.DETAIL = 'SB' OR A.DETAIL IN ('M', 'S')) "
                         "AND ((K.DETAIL = 'CS' AND Z.ITEM1 = 'Y') OR (K.DETAIL = 'SB' AND Z.ITEM2 = 'Y') "
                         "     OR (K.DETAIL = 'NS' AND Z.ITEM3 = 'Y')) "
                         "AND NOT EXISTS (SELECT 1 FROM EB020MS E WHERE E.AREA_GUBUN = A.DETAIL "
                         "                AND E.EQUIP_GUBUN = K.DETAIL AND E.EQUIP_SIZE_GUBUN = Z.DETAIL)"),
                 0);
        QVERIFY(t.count("EB020MS", "SVRL_RENT_YN = 'Y'") > 0);
        QCOMPARE(t.count("ZX010MS A, ZX010MS B",
                         "A.HEAD = 'E0017' AND B.HEAD = 'E0011' AND NOT EXISTS (SELECT 1 FROM EB030MS S "
                         "WHERE S.AREA_GUBUN = A.DETAIL AND S.BOOTS_SIZE_GUBUN = B.DETAIL)"),
                 0);
    }

    void storageItemsAreNumberedWithinSeasonAndArea_data() { testing::addBackendColumn(); }
    void storageItemsAreNumberedWithinSeasonAndArea()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT) VALUES ('26', 'M', 41, 'K');\n"
                      "INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT) VALUES ('25', 'S', 90, 'K');"));
        StoredProc p(t.database(), "PR_EBI050_01");
        p.setParam("ASEASON_GUBUN", "26");
        p.setParam("AAREA_GUBUN", "S");
        p.setParam("AKEEP_STAT", "K");
        p.setParam("AIPGO_DATE", "20261209");
        p.setParam("AKEEP_NAME", "홍길동");
        p.setParam("APOELS_YN", "N");
        audit(p, "2");
        QVERIFY2(p.exec(), qPrintable(p.lastError()));
        QVERIFY(p.exec());
        p.setParam("AAREA_GUBUN", "M");
        QVERIFY(p.exec());
        QCOMPARE(t.count("EB050MS", "SEASON_GUBUN = '26' AND AREA_GUBUN = 'S' AND KEEP_NO IN (1, 2)"), 2);
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'M' AND KEEP_NO = 42 AND POELS_YN = 'N' AND KEEP_NAME = '홍길동'"), 1);

        // A release names the item by its ten-digit number as the list shows it.
        p.setParam("AKEEP_NO", "0000000042");
        p.setParam("AKEEP_STAT", "R");
        audit(p, "1");
        QVERIFY(!p.exec());
        QCOMPARE(p.lastError(), QString("보관상태가 [불출]일 경우 출고일을 입력하십시요"));
        p.setParam("ACHULGO_DATE", "20270301");
        QVERIFY2(p.exec(), qPrintable(p.lastError()));
        QCOMPARE(t.scalar("SELECT KEEP_STAT || CHULGO_DATE FROM EB050MS WHERE AREA_GUBUN = 'M' AND KEEP_NO = 42"),
                 QString("R20270301"));
        audit(p, "3");
        QVERIFY(p.exec());
        QCOMPARE(t.count("EB050MS", "AREA_GUBUN = 'M'"), 1);

        // 42 went with its item; the next item takes 43, and an item loaded by hand is never overtaken
        p.setParam("AKEEP_NO", QString());
        p.setParam("AKEEP_STAT", "K");
        audit(p, "2");
        QVERIFY(p.exec());
        QCOMPARE(p.param("AKEEP_NO"), QString("43"));
        QVERIFY(t.run("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT) VALUES ('26', 'M', 70, 'K');"));
        QVERIFY(p.exec());
        QCOMPARE(p.param("AKEEP_NO"), QString("71"));
        QCOMPARE(t.scalar("SELECT LAST_KEEP_NO FROM EB050NO WHERE SEASON_GUBUN = '26' AND AREA_GUBUN = 'M'"), QString("71"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestEquipmentMasterProcedures t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_procedures.moc"
