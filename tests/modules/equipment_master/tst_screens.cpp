// The slope operation, equipment register and boots stock screens driven as a clerk would.
#include "app/datamodule.h"
#include "app/startupvalues.h"
#include "database/procedure.h"
#include "modules/equipment/ebi010.h"
#include "modules/equipment/ebi020.h"
#include "modules/equipment/ebi030.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QtTest>

using namespace db;

namespace {
const char *kCodes = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '메인');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'NS', '일반스키');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0010', '120', '120');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0010', '150', '150');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0018', 'A', '140~160', '140', '160');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '250', '250mm');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '260', '260mm');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0005', 'C', '코스');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0005', 'L', '리프트');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0006', 'C01', '레드', 'C');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0006', 'C02', '블루', 'C');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0007', 'L01', '곤도라', 'L');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'N', '운휴');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'S', '운행중지');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'Y', '운행');
)SQL";

int g_creations = 0;

void countCreations()
{
    static bool done = false;
    if (done) return;
    done = true;
    const Procedure original = *ProcedureCatalog::instance().find("PR_EBI010_01");
    ProcedureCatalog::instance().add({original.name, original.parameters, [original](ProcedureCall &call) {
                                          ++g_creations;
                                          original.body(call);
                                      }});
}
} // namespace

class TestEquipmentMasterScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<testing::MessageRecorder> rec;

    bool open(int backend, const QString &rows = {})
    {
        t = std::make_unique<testing::TestDatabase>(static_cast<Backend>(backend));
        if (!t->ok() || !t->run(kCodes) || (!rows.isEmpty() && !t->run(rows)))
            return false;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        return true;
    }

    static bool show(QWidget *w)
    {
        w->resize(900, 600);
        w->show();
        return QTest::qWaitForWindowActive(w);
    }

private slots:
    void initTestCase()
    {
        countCreations();
        SetCodeListSource([](const QString &group, QStringList *codes, QStringList *labels) {
            FillCodeColumn(labels, codes, group);
        });
        TfrmEBI010::creationWaitMs = 20;
        Startup().employeeNumber = "E77";
        Startup().workstationAddress = "10.0.0.7";
    }
    void cleanup() { rec.reset(); t.reset(); }

    void bootsSizeTwiceIsRefused_data() { testing::addBackendColumn(); }
    void bootsSizeTwiceIsRefused()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, "INSERT INTO EB030MS (AREA_GUBUN, BOOTS_SIZE_GUBUN, STOCK_QTY) VALUES ('M', '250', 5);"));
        TfrmEBI030 s;
        QVERIFY(show(&s));
        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 1);
        s.bbtAddClick();
        QCOMPARE(s.cboBootsSize->code(), QString("250"));   // a new row takes the first size
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QCOMPARE(t->count("EB030MS"), 1);
        s.cboBootsSize->setCurrentIndex(1);
        s.wneStockQty->setValue(8);
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT STOCK_QTY || U_EMP_NO FROM EB030MS WHERE BOOTS_SIZE_GUBUN = '260'"), QString("8E77"));
        QCOMPARE(s.grid()->rowCount(), 2);
    }

    void equipmentOutsideEverySizeGroupIsRefused_data() { testing::addBackendColumn(); }
    void equipmentOutsideEverySizeGroupIsRefused()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend,
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN, SVRL_FROM_DATE) "
                     "VALUES ('M', 'NS', '00001', '150', 'Y', '20261101', 'Y', '20261201');\n"
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00002', '150', 'Y', '20261101', 'N');\n"
                     "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO, SVRL_RENT_FROM_DATE, SVRL_RENT_TO_DATE) "
                     "VALUES ('20261201', 'M', 1, 1, 'S', 'NS', '00001', '20261201', '20261205');"));
        TfrmEBI020 s;
        QVERIFY(show(&s));
        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 2);
        QCOMPARE(s.grid()->cell(0, "연일사용기간FROM"), QString("2026-12-01"));
        QCOMPARE(s.grid()->cell(0, "연일사용기간TO"), QString("2026-12-05"));
        QCOMPARE(s.grid()->cell(1, "연일사용기간FROM"), QString());
        QCOMPARE(s.grid()->cellLabel(0, 2), QString("가능"));

        s.bbtAddClick();
        QCOMPARE(s.cboEquipSizeGubun->code(), QString("120"));
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"));
        s.cboEquipSizeGubun->setCurrentIndex(1);
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("*구입일자을(를) 먼저 입력하십시오."));
        s.wmeBuyDate->setValue("20261340");
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("*구입일자을(를) 정확히 입력하십시오."));
        QCOMPARE(t->count("EB020MS"), 2);
        s.wmeBuyDate->setValue("20261205");
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT EQUIP_SIZE_GUBUN || EQUIP_RENT_YN || BUY_DATE || SVRL_RENT_YN FROM EB020MS WHERE EQUIP_NO = '00003'"),
                 QString("150Y20261205N"));
    }

    void aNewRunDateIsCreatedOnce_data() { testing::addBackendColumn(); }
    void aNewRunDateIsCreatedOnce()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        g_creations = 0;
        TfrmEBI010 s;
        QVERIFY(show(&s));
        QVERIFY(s.bbtAdd->isHidden() && s.bbtDelete->isHidden());
        s.dtpDate->setDateText("20261209");
        s.bbtSearchClick();
        QCOMPARE(g_creations, 1);
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(s.grid()->cell(0, 1), QString("레드"));
        QCOMPARE(s.grid()->cell(0, 0), QString("코스"));
        QVERIFY(s.panCreating->isHidden());

        s.grid()->setCurrentRow(1);
        s.cboRunGubun->setCurrentIndex(1);   // 운행중지
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT RUN_YN FROM EB010MS WHERE RUN_DATE = '20261209' AND FAC_DETAIL_GUBUN = 'C02'"), QString("S"));
        QCOMPARE(t->count("EB010MS", "RUN_YN = 'Y'"), 2);

        s.bbtCancelClick();
        s.bbtSearchClick();
        QCOMPARE(g_creations, 1);
        QCOMPARE(s.grid()->cell(1, 2), QString("S"));
        // The stopped course is drawn in red, the others not.
        s.grid()->setCurrentRow(0);
        const QImage shot = s.grid()->viewport()->grab().toImage();
        auto hasRed = [&](int row) {
            const QRect r = s.grid()->visualRect(s.grid()->model()->index(row, 1));
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    const QColor c = shot.pixelColor(x * shot.width() / s.grid()->viewport()->width(),
                                                     y * shot.height() / s.grid()->viewport()->height());
                    if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
                        return true;
                }
            return false;
        };
        QVERIFY(hasRed(1));
        QVERIFY(!hasRed(2));
        s.bbtCancelClick();
        s.dtpDate->setDateText("20261210");
        s.bbtSearchClick();
        QCOMPARE(g_creations, 2);
        QCOMPARE(t->count("EB010MS"), 6);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestEquipmentMasterScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_screens.moc"
