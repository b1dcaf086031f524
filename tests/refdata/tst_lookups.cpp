// The lookups against small fixture databases on every back end.
#include "database/datamodule.h"
#include "database/query.h"
#include "refdata/lookups.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QDate>
#include <QtTest>

using namespace refdata;

namespace {
QString day(int offset) { return QDate::currentDate().addDays(offset).toString("yyyyMMdd"); }
}

class TestLookups : public QObject {
    Q_OBJECT
private slots:
    void members_data() { testing::addBackendColumn(); }
    void members()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(
            "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('M1', '홍길동', '30', NULL);\n"
            "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('M2', '홍해약', '30', '20250101');\n"
            "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('S1', '박퇴사', '10', '20250101');\n"
            "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('S2', '이가족', '11', NULL);\n"
            "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('E1', '여행사', '44', NULL);\n"
            "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('E2', '옛여행사', '44', '20240101');\n"));
        QCOMPARE(GetMemberName("M1"), QString("홍길동"));
        QCOMPARE(GetMemberName("M2"), QString());
        QCOMPARE(GetMemberName("X' OR '1'='1"), QString());
        // staff lookups do not exclude cancelled members, and any group beginning with 10 is staff
        QCOMPARE(GetStaffName("S1"), QString("박퇴사"));
        QCOMPARE(GetStaffName("S2"), QString());
        QCOMPARE(GetStaffName("M1"), QString());
        QCOMPARE(GetEventName("E1"), QString("여행사"));
        QCOMPARE(GetEventName("E2"), QString());
        QCOMPARE(GetEventName("M1"), QString());
    }

    void employees_data() { testing::addBackendColumn(); }
    void employees()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(QString(
            "INSERT INTO ZX900DT (GRP_NO, CODE_NO, CODE_NAME) VALUES ('Q043', '01', '강습 1조');\n"
            "INSERT INTO ZX900DT (GRP_NO, CODE_NO, CODE_NAME) VALUES ('Q044', '02', '정강사');\n"
            "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE, EMP_WORK_CODE, EMP_STAY_CODE) VALUES ('A1', '김강사', '01', '02', '81', '01');\n"
            "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE, EMP_WORK_CODE, EMP_STAY_CODE) VALUES ('A2', '퇴직자', '01', '02', '81', '02');\n"
            "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE, EMP_WORK_CODE, EMP_STAY_CODE) VALUES ('A3', '사무직', '01', '02', '11', '01');\n"
            "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_GRP, LAB_WORK_DUTY, LAB_END_DATE) VALUES ('L1', '무기한', '01', '02', NULL);\n"
            "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_GRP, LAB_WORK_DUTY, LAB_END_DATE) VALUES ('L2', '오늘끝', '01', '02', '%1');\n"
            "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_GRP, LAB_WORK_DUTY, LAB_END_DATE) VALUES ('L3', '어제끝', '01', '02', '%2');\n")
            .arg(day(0), day(-1))));
        QString name = "x", grp = "x", grpName = "x", duty = "x", dutyName = "x";
        GetEmpInfo("A1", name, grp, grpName, duty, dutyName);
        QCOMPARE(QStringList({name, grp, grpName, duty, dutyName}),
                 QStringList({"김강사", "01", "강습 1조", "02", "정강사"}));
        GetEmpInfo("L1", name, grp, grpName, duty, dutyName);
        QCOMPARE(name, QString("무기한"));
        GetEmpInfo("L2", name, grp, grpName, duty, dutyName);
        QCOMPARE(name, QString("오늘끝"));
        QCOMPARE(grpName, QString("강습 1조"));
        for (const char *missing : {"L3", "A2", "A3", "NONE"}) {
            GetEmpInfo(missing, name, grp, grpName, duty, dutyName);
            QVERIFY2((QStringList{name, grp, grpName, duty, dutyName}.join("")).isEmpty(), missing);
        }
    }

    void receiptsAndApplicants_data() { testing::addBackendColumn(); }
    void receiptsAndApplicants()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '1', '1급');\n"
            "INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('26', '0001', '20261201', '홍길동');\n"
            "INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, APPLY_CLASS) VALUES ('26', 42, '20261205', '배수진', '9503032345678', '1');\n"));
        QString date = "x", name = "x";
        GetReceiptInfo("26", "0001", date, name);
        QCOMPARE(date + "/" + name, QString("20261201/홍길동"));
        GetReceiptInfo("25", "0001", date, name);
        QCOMPARE(date + name, QString());

        QString no6 = "x", kor, apply, id, cls;
        GetApplicantInfo("26", "42", no6, kor, apply, id, cls);
        QCOMPARE(QStringList({no6, kor, apply, id, cls}),
                 QStringList({"000042", "배수진", "20261205", "9503032345678", "1급"}));
        GetApplicantInfo("26", "000042", no6, kor, apply, id, cls);
        QCOMPARE(no6, QString("000042"));
        GetApplicantInfo("26", "43", no6, kor, apply, id, cls);
        QCOMPARE(no6 + kor + apply + id + cls, QString());
        // a typed text that is no number finds nobody and does not break the statement
        GetApplicantInfo("26", "4'2", no6, kor, apply, id, cls);
        QCOMPARE(no6 + kor, QString());
    }

    void codesAndDates_data() { testing::addBackendColumn(); }
    void codesAndDates()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(
            "INSERT INTO ZX030MS (ZIP_CODE, SEQ_NO, ADDRESS1, ADDRESS2, ADDRESS3) VALUES ('232811', 1, '강원도', '평창군 대관령면', '횡계리');\n"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0016', '02', '주간보관', '5');\n"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0010', '150', '150');\n"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0010', '170', '170');\n"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0018', 'A', '120~160', '120', '160');\n"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0019', 'A', '165~180', '165', '180');\n"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0020', 'A', '140~150', '140', '150');\n"));
        QCOMPARE(GetZipAddress("232811"), QString("강원도 평창군 대관령면 횡계리 "));
        QCOMPARE(GetZipAddress("999999"), QString());

        QCOMPARE(GetKeepOutDate("20261230", "02"), QString("20270104"));
        QCOMPARE(GetKeepOutDate("20260227", "02"), QString("20260304"));
        QCOMPARE(GetKeepOutDate("20261230", "09"), QString());

        QVERIFY(HasSizeGroup("M", "NS", "150"));
        QVERIFY(!HasSizeGroup("M", "CS", "170"));
        QVERIFY(HasSizeGroup("S", "CS", "170"));
        QVERIFY(!HasSizeGroup("S", "NS", "150"));
        QVERIFY(HasSizeGroup("M", "SB", "150"));   // snowboards ignore the area
        QVERIFY(HasSizeGroup("P", "SB", "150"));
        QVERIFY(!HasSizeGroup("P", "NS", "150"));  // no size groups for skis in other areas
        QVERIFY(!HasSizeGroup("M", "BT", "150"));
        QVERIFY(!HasSizeGroup("M", "NS", "999"));
    }

    void equipmentAndSlopes_data() { testing::addBackendColumn(); }
    void equipmentAndSlopes()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        const QString today = day(0);
        QVERIFY(t.run(QString(
            "INSERT INTO EB010MS (RUN_DATE, FAC_GUBUN, FAC_DETAIL_GUBUN) VALUES ('%1', 'C', 'C01');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00001', 'Y', 'N');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00002', 'Y', 'N');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00003', 'Y', 'N');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00004', 'N', 'N');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00005', 'Y', 'Y');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00006', 'Y', 'N');\n"
            "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_RENT_YN, SVRL_RENT_YN) VALUES ('M', 'NS', '00007', 'Y', 'N');\n"
            "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO) VALUES ('%1', 'M', 1, 1, 'R', 'NS', '00001');\n"
            "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO) VALUES ('%1', 'M', 1, 2, 'D', 'NS', '00002');\n"
            "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO) VALUES ('%2', 'M', 2, 1, 'D', 'NS', '00006');\n"
            "INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO) VALUES ('%1', 'M', 'NS', '00003');\n"
            "INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, SESSION_ID) VALUES ('%1', 'M', 'NS', '00001', 'gone');\n"
            "INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, SESSION_ID) VALUES ('%1', 'M', 'NS', '00007', 'live');\n"
            "INSERT INTO EB020TS (SESSION_ID, LAST_SEEN) VALUES ('gone', FN_NOW_SECONDS() - 121);\n"
            "INSERT INTO EB020TS (SESSION_ID, LAST_SEEN) VALUES ('live', FN_NOW_SECONDS() - 100);\n")
            .arg(today, day(-1))));
        QVERIFY(!IsRunDateUnregistered(today));
        QVERIFY(IsRunDateUnregistered(day(1)));

        QVERIFY(!IsEquipUnavailable(today, "M", "NS", "00001"));  // rented and returned today; held by a dead counter
        QVERIFY(IsEquipUnavailable(today, "M", "NS", "00002"));   // out on a rental of the day
        QVERIFY(IsEquipUnavailable(today, "M", "NS", "00003"));   // held by a counter, never rented
        QVERIFY(!IsEquipUnavailable(day(1), "M", "NS", "00003")); // the hold is for today only
        QVERIFY(IsEquipUnavailable(today, "M", "NS", "00004"));   // not rentable
        QVERIFY(IsEquipUnavailable(today, "M", "NS", "00005"));   // on a multi-day rental
        QVERIFY(!IsEquipUnavailable(today, "M", "NS", "00006"));  // yesterday's rental does not count
        QVERIFY(IsEquipUnavailable(today, "M", "NS", "00007"));   // held by a counter that beats
        QVERIFY(IsEquipUnavailable(today, "S", "NS", "00001"));   // no such piece in that area
    }

    void lessons_data() { testing::addBackendColumn(); }
    void lessons()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(
            "INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, YAEYAK_ABILITY_CNT) VALUES ('20261224', '01', '01', '01', 10);\n"
            "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('20261224', '01', '01', '01', 'S1  ', '김사원', 2);\n"
            "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT) VALUES ('20261224', '01', '01', '01', 'S2', '이사원', 3);\n"));
        // stored numbers may carry trailing blanks
        QVERIFY(!IsLectureNotReserved("20261224", "01", "01", "S1", "01"));
        QVERIFY(IsLectureNotReserved("20261224", "01", "01", "S3", "01"));
        QVERIFY(IsLectureNotReserved("20261224", "01", "02", "S1", "01"));
        QCOMPARE(GetLectureCapacity("20261224", "01", "01", "01"), 10);
        QCOMPARE(GetLectureReservedCount("20261224", "01", "01", "01"), 5);
        QCOMPARE(GetLectureCapacity("20261225", "01", "01", "01"), 0);
        QCOMPARE(GetLectureReservedCount("20261225", "01", "01", "01"), 0);
    }

    // A lookup between reading rows of the caller's open shared queries leaves them intact.
    void callerQueriesUndisturbed_data() { testing::addBackendColumn(); }
    void callerQueriesUndisturbed()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t.run(
            "INSERT INTO ZX030MS (ZIP_CODE, SEQ_NO, ADDRESS1, ADDRESS2, ADDRESS3) VALUES ('100001', 1, 'A', 'B', 'C');\n"
            "INSERT INTO ZX030MS (ZIP_CODE, SEQ_NO, ADDRESS1, ADDRESS2, ADDRESS3) VALUES ('100002', 1, 'D', 'E', 'F');\n"));
        db::Query &q = DM()->qryQuery;
        q.setSql("SELECT ZIP_CODE FROM ZX030MS ORDER BY ZIP_CODE");
        QVERIFY(q.open());
        QVERIFY(q.next());
        QCOMPARE(GetZipAddress(q.value(0)), QString("A B C "));
        QVERIFY(q.isOpen());
        QVERIFY(q.next());
        QCOMPARE(q.value(0), QString("100002"));
        QCOMPARE(q.sql(), QString("SELECT ZIP_CODE FROM ZX030MS ORDER BY ZIP_CODE"));
        q.close();
    }

    void openErrorGoesToCaller_data() { testing::addBackendColumn(); }
    void openErrorGoesToCaller()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        QVERIFY(t->execute("DROP TABLE EC020MS"));
        QString date = "x", name = "x";
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, GetReceiptInfo("26", "1", date, name));
        QCOMPARE(date + name, QString("xx"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestLookups test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lookups.moc"
