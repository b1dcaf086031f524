// The slope operation, equipment register and boots stock screens driven as a clerk would.
#include "database/datamodule.h"
#include "core/startupvalues.h"
#include "database/procedure.h"
#include "modules/equipment/ebi010.h"
#include "modules/equipment/ebi020.h"
#include "modules/equipment/ebi030.h"
#include "refdata/codes.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QtTest>

using namespace db;

namespace {
const char *kCodes = R"SQL(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '메인');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'S', '스키하우스');
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
bool g_failCreation = false;
QString g_shownWhileCreating;   // the text of the creation panel while the procedure ran
bool g_panelCentred = false;

QString creationPanelText()
{
    for (QWidget *w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("panCreating") && w->isVisible()) {
            const QPoint offset = w->geometry().center() - w->parentWidget()->rect().center();
            g_panelCentred = offset.manhattanLength() <= 2;
            if (auto *label = w->findChild<QLabel *>())
                return label->text();
        }
    return QString();
}

// The day's creation, counted; it can be made to fail after it wrote its rows.
void watchCreations()
{
    static bool done = false;
    if (done) return;
    done = true;
    const Procedure original = *ProcedureCatalog::instance().find("PR_EBI010_01");
    ProcedureCatalog::instance().add({original.name, original.parameters, [original](ProcedureCall &call) {
                                          ++g_creations;
                                          g_shownWhileCreating = creationPanelText();
                                          original.body(call);
                                          if (g_failCreation)
                                              call.fail("ORA-01653: unable to extend table");
                                      }});
}

// Whether a cell of the grid is drawn with text of the colour test (the grid as the user sees it).
template <typename ColourTest>
bool cellDrawn(TEditGrid *grid, int row, int column, ColourTest test)
{
    const QImage shot = grid->viewport()->grab().toImage();
    const QRect r = grid->visualRect(grid->model()->index(row, column)).adjusted(2, 2, -2, -2);
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (test(shot.pixelColor(x * shot.width() / grid->viewport()->width(),
                                     y * shot.height() / grid->viewport()->height())))
                return true;
    return false;
}
bool isRed(const QColor &c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }
bool isDark(const QColor &c) { return c.lightness() < 100; }

QStringList visibleTitles(TEditGrid *grid)
{
    QStringList titles;
    for (int c = 0; c < grid->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            titles << grid->column(c).title;
    return titles;
}

QString captionOf(TFieldPanel *panel, QWidget *control) { return panel->captionOf(control)->text(); }
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
        watchCreations();
        TfrmEBI010::creationWaitMs = 20;
        Startup().employeeNumber = "E77";
        Startup().workstationAddress = "10.0.0.7";
    }
    void cleanup() { rec.reset(); t.reset(); }

    void bootsStockScreen_data() { testing::addBackendColumn(); }
    void bootsStockScreen()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, "INSERT INTO EB030MS (AREA_GUBUN, BOOTS_SIZE_GUBUN, STOCK_QTY) VALUES ('M', '250', 5);"));
        TfrmEBI030 s;
        QVERIFY(show(&s));
        QCOMPARE(s.windowTitle(), QString("부츠 기준재고 등록"));
        QCOMPARE(captionOf(s.conditions(), s.cboArea), QString("*지역구분"));
        QCOMPARE(visibleTitles(s.grid()), QStringList({"사이즈", "기준재고수량"}));
        QCOMPARE(captionOf(s.body(), s.cboBootsSize), QString("*사이즈"));
        QCOMPARE(captionOf(s.body(), s.wneStockQty), QString("*기준재고수량"));
        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 1);
        QCOMPARE(s.grid()->cellLabel(0, 0), QString("250mm"));
        QVERIFY(!s.cboBootsSize->isEnabled());   // the size of a stored row is its key

        // A new row takes the first size and no stock; saving it as such repeats a stored size.
        s.bbtAddClick();
        QVERIFY(s.cboBootsSize->isEnabled());
        QCOMPARE(s.cboBootsSize->code(), QString("250"));
        QCOMPARE(s.wneStockQty->text(), QString("0"));
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s.cboBootsSize);
        QCOMPARE(t->count("EB030MS"), 1);

        s.cboBootsSize->setCurrentIndex(1);
        s.wneStockQty->setValue(8);
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT AREA_GUBUN || STOCK_QTY || U_EMP_NO FROM EB030MS WHERE BOOTS_SIZE_GUBUN = '260'"),
                 QString("M8E77"));
        QCOMPARE(s.grid()->rowCount(), 2);
    }

    void bootsStockOfAnotherArea_data() { testing::addBackendColumn(); }
    void bootsStockOfAnotherArea()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend, "INSERT INTO EB030MS (AREA_GUBUN, BOOTS_SIZE_GUBUN, STOCK_QTY) VALUES ('M', '250', 5);"));
        TfrmEBI030 s;
        QVERIFY(show(&s));
        QVERIFY(s.cboArea->setCode("S"));
        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 1);   // nothing stored: one new record
        QVERIFY(s.cboBootsSize->isEnabled());
        s.wneStockQty->setValue(4);
        // A second new row with the same size is refused when the first is left for it.
        s.bbtAddClick();
        s.wneStockQty->setValue(6);
        rec->clear();
        s.grid()->setCurrentRow(0);
        QCOMPARE(rec->texts(), QStringList({"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."}));
        QCOMPARE(s.grid()->currentRow(), 1);
        s.cboBootsSize->setCode("260");
        s.bbtSaveClick();
        QCOMPARE(t->count("EB030MS", "AREA_GUBUN = 'S'"), 2);
        QCOMPARE(t->scalar("SELECT STOCK_QTY FROM EB030MS WHERE AREA_GUBUN = 'S' AND BOOTS_SIZE_GUBUN = '260'"), QString("6"));

        // Deleting every row leaves one new, empty record after the save.
        s.bbtDeleteClick();
        s.bbtDeleteClick();
        QCOMPARE(s.grid()->rowCount(), 0);
        s.bbtSaveClick();
        QCOMPARE(t->count("EB030MS", "AREA_GUBUN = 'S'"), 0);
        QCOMPARE(t->count("EB030MS", "AREA_GUBUN = 'M'"), 1);
        QCOMPARE(s.grid()->rowCount(), 1);
        QVERIFY(s.cboBootsSize->isEnabled());
        QCOMPARE(s.cboBootsSize->code(), QString("250"));
        QCOMPARE(s.wneStockQty->text(), QString("0"));
    }

    void equipmentScreenShowsTheMultiDayRental_data() { testing::addBackendColumn(); }
    void equipmentScreenShowsTheMultiDayRental()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend,
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, REMARK, SVRL_RENT_YN, SVRL_FROM_DATE) "
                     "VALUES ('M', 'NS', '00001', '150', 'Y', '20261101', '왁싱', 'Y', '20261201');\n"
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00002', '150', 'N', '20261102', 'N');\n"
                     // the piece was rented for the morning and returned before it went out for days
                     "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO) "
                     "VALUES ('20261201', 'M', 1, 1, 'R', 'NS', '00001');\n"
                     "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, EQUIP_NO, SVRL_RENT_FROM_DATE, SVRL_RENT_TO_DATE) "
                     "VALUES ('20261201', 'M', 2, 1, 'S', 'NS', '00001', '20261201', '20261205');"));
        TfrmEBI020 s;
        QVERIFY(show(&s));
        QCOMPARE(s.windowTitle(), QString("장비등록"));
        QCOMPARE(captionOf(s.conditions(), s.cboAreaGubun), QString("*지역구분"));
        QCOMPARE(captionOf(s.conditions(), s.cboEquipGubun), QString("*장비구분"));
        QCOMPARE(visibleTitles(s.grid()), QStringList({"장비번호", "사이즈", "장비대여가능여부", "구입일자", "비고"}));
        QCOMPARE(captionOf(s.body(), s.cboEquipSizeGubun), QString("*사이즈"));
        QCOMPARE(captionOf(s.body(), s.cboEquipRentYn), QString("*장비대여\n 가능여부"));
        QCOMPARE(captionOf(s.body(), s.wmeBuyDate), QString("*구입일자"));
        QCOMPARE(s.wmeBuyDate->mask(), QString("9999-99-99"));
        auto *group = s.body()->findChild<QGroupBox *>();
        QVERIFY(group && group->isAncestorOf(s.wlbSvrlFromDate) && group->isAncestorOf(s.wlbSvrlToDate));
        QCOMPARE(group->title(), QString("연일사용기간"));

        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 2);   // the returned morning rental adds no row
        QCOMPARE(s.grid()->cellLabel(0, 0), QString("00001"));
        QCOMPARE(s.grid()->cellLabel(0, 2), QString("가능"));
        QCOMPARE(s.grid()->cellLabel(0, 3), QString("2026-11-01"));
        QCOMPARE(s.grid()->cellLabel(0, 4), QString("왁싱"));
        QCOMPARE(s.grid()->cellLabel(1, 2), QString("불가능"));
        QCOMPARE(s.wlbEquipNo->text(), QString("00001"));
        QCOMPARE(s.wmeBuyDate->text(), QString("2026-11-01"));
        QCOMPARE(s.edtRemark->text(), QString("왁싱"));
        QCOMPARE(s.wlbSvrlRentYn->text(), QString("Y"));
        QCOMPARE(s.wlbSvrlFromDate->text(), QString("2026-12-01"));
        QCOMPARE(s.wlbSvrlToDate->text(), QString("2026-12-05"));
        s.grid()->setCurrentRow(1);
        QCOMPARE(s.wlbEquipNo->text(), QString("00002"));
        QCOMPARE(s.wmeBuyDate->text(), QString("2026-11-02"));
        QCOMPARE(s.wlbSvrlRentYn->text(), QString("N"));
        QCOMPARE(s.wlbSvrlFromDate->text(), QString());
        QCOMPARE(s.wlbSvrlToDate->text(), QString());
        s.grid()->setCurrentRow(0);
        QVERIFY(rec->texts().isEmpty());

        // Changing the remark of the piece out on the rental keeps the counter's flag and date.
        s.edtRemark->setText("엣지 수리");
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT REMARK || SVRL_RENT_YN || SVRL_FROM_DATE || U_IP FROM EB020MS WHERE EQUIP_NO = '00001'"),
                 QString("엣지 수리Y2026120110.0.0.7"));
        QCOMPARE(s.grid()->currentRow(), 0);
        QCOMPARE(s.wlbSvrlToDate->text(), QString("2026-12-05"));
    }

    void equipmentRowsAreCheckedInOrder_data() { testing::addBackendColumn(); }
    void equipmentRowsAreCheckedInOrder()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend,
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00001', '150', 'Y', '20261101', 'N');\n"
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00002', '150', 'Y', '20261101', 'N');"));
        TfrmEBI020 s;
        QVERIFY(show(&s));
        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 2);

        // An untouched new row goes when it is left, and "신규(F4)" on it adds no second one.
        s.bbtAddClick();
        s.bbtAddClick();
        QCOMPARE(s.grid()->rowCount(), 3);
        s.grid()->setCurrentRow(0);
        QCOMPARE(s.grid()->rowCount(), 2);
        QVERIFY(rec->texts().isEmpty());

        s.bbtAddClick();
        QCOMPARE(s.wlbEquipNo->text(), QString());
        QCOMPARE(s.cboEquipSizeGubun->code(), QString("120"));
        QCOMPARE(s.cboEquipRentYn->code(), QString("Y"));
        s.edtRemark->setText("신품");
        s.cboEquipSizeGubun->setCurrentIndex(-1);
        s.cboEquipRentYn->setCurrentIndex(-1);
        s.bbtAddClick();
        QCOMPARE(rec->last(), QString("*사이즈을(를) 먼저 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s.cboEquipSizeGubun);
        s.cboEquipSizeGubun->setCode("120");
        s.grid()->setCurrentRow(0);
        QCOMPARE(rec->last(), QString("*장비대여\n 가능여부을(를) 먼저 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s.cboEquipRentYn);
        QCOMPARE(s.grid()->currentRow(), 2);
        s.cboEquipRentYn->setCode("N");
        s.wmeBuyDate->setValue("20261340");   // checked only after the size group
        s.grid()->setCurrentRow(0);
        QCOMPARE(rec->last(), QString("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"));
        QCOMPARE(QApplication::focusWidget(), s.cboEquipSizeGubun);
        s.cboEquipSizeGubun->setCode("150");
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("*구입일자을(를) 정확히 입력하십시오."));
        QCOMPARE(QApplication::focusWidget(), s.wmeBuyDate);
        s.wmeBuyDate->setValue("");
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("*구입일자을(를) 먼저 입력하십시오."));
        QCOMPARE(t->count("EB020MS"), 2);
        s.wmeBuyDate->setValue("20261205");
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT AREA_GUBUN || EQUIP_GUBUN || EQUIP_SIZE_GUBUN || EQUIP_RENT_YN || BUY_DATE || REMARK || SVRL_RENT_YN "
                           "FROM EB020MS WHERE EQUIP_NO = '00003'"),
                 QString("MNS150N20261205신품N"));
        QCOMPARE(s.grid()->cellLabel(2, 0), QString("00003"));

        // Equipment of a kind without a size group in the area is refused whatever its size.
        s.bbtCancelClick();
        QVERIFY(s.cboAreaGubun->setCode("S"));
        s.bbtSearchClick();
        QCOMPARE(s.grid()->rowCount(), 1);
        s.cboEquipSizeGubun->setCode("150");
        s.wmeBuyDate->setValue("20261205");
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"));
        QCOMPARE(t->count("EB020MS", "AREA_GUBUN = 'S'"), 0);
    }

    void storedPiecesAreCheckedOnlyWhenChanged_data() { testing::addBackendColumn(); }
    void storedPiecesAreCheckedOnlyWhenChanged()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend,
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00001', '120', 'Y', NULL, 'N');\n"
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00002', '150', 'Y', '20261101', 'N');"));
        TfrmEBI020 s;
        QVERIFY(show(&s));
        s.bbtSearchClick();
        s.grid()->setCurrentRow(1);   // the first piece fits no size group and has no purchase date
        s.grid()->setCurrentRow(0);
        QVERIFY(rec->texts().isEmpty());
        s.edtRemark->setText("점검");
        s.grid()->setCurrentRow(1);
        QCOMPARE(rec->texts(), QStringList({"선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"}));
        QCOMPARE(s.grid()->currentRow(), 0);
        s.cboEquipSizeGubun->setCode("150");
        s.grid()->setCurrentRow(1);
        QCOMPARE(rec->last(), QString("*구입일자을(를) 먼저 입력하십시오."));
        QCOMPARE(s.grid()->currentRow(), 0);
    }

    void emptiedEquipmentListOpensANewRecord_data() { testing::addBackendColumn(); }
    void emptiedEquipmentListOpensANewRecord()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend,
                     "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, SVRL_RENT_YN) "
                     "VALUES ('M', 'NS', '00001', '150', 'N', '20261101', 'N');"));
        TfrmEBI020 s;
        QVERIFY(show(&s));
        s.bbtSearchClick();
        s.bbtDeleteClick();
        QCOMPARE(rec->last(), QString("현재 자료를 삭제하시겠습니까?"));
        s.bbtSaveClick();
        QCOMPARE(t->count("EB020MS"), 0);
        QCOMPARE(s.grid()->rowCount(), 1);
        QCOMPARE(s.wlbEquipNo->text(), QString());
        QCOMPARE(s.wmeBuyDate->value(), QString());
        QCOMPARE(s.cboEquipRentYn->code(), QString("Y"));
        QCOMPARE(s.wlbSvrlRentYn->text(), QString());
    }

    void aNewRunDateIsCreatedOnce_data() { testing::addBackendColumn(); }
    void aNewRunDateIsCreatedOnce()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        g_creations = 0;
        g_shownWhileCreating.clear();
        TfrmEBI010 s;
        QVERIFY(show(&s));
        QCOMPARE(s.windowTitle(), QString("코스,리프트 운영정보 등록"));
        QCOMPARE(captionOf(s.conditions(), s.dtpDate), QString("*운행일자"));
        QCOMPARE(s.dtpDate->date(), QDate::currentDate());
        QVERIFY(s.bbtAdd->isHidden() && s.bbtDelete->isHidden());
        QCOMPARE(visibleTitles(s.grid()), QStringList({"코스,리프트구분", "세부구분", "운행여부"}));
        QCOMPARE(s.grid()->columnByTitle("코스,리프트구분코드"), 3);
        QCOMPARE(s.grid()->columnByTitle("세부구분코드"), 4);
        QCOMPARE(captionOf(s.body(), s.cboRunGubun), QString("*운행여부"));

        s.dtpDate->setDateText("20261209");
        QElapsedTimer took;
        took.start();
        s.bbtSearchClick();
        QVERIFY(took.elapsed() >= TfrmEBI010::creationWaitMs);
        QCOMPARE(g_creations, 1);
        QCOMPARE(g_shownWhileCreating, QString("신규자료를 생성중입니다. . . . . "));
        QVERIFY(g_panelCentred);
        QVERIFY(s.panCreating->isHidden());
        QCOMPARE(s.grid()->rowCount(), 3);
        QCOMPARE(s.grid()->cell(0, 1), QString("레드"));
        QCOMPARE(s.grid()->cell(0, 0), QString("코스"));
        QCOMPARE(s.grid()->cell(2, 0), QString("리프트"));
        QCOMPARE(s.wlbFacGubunName->text(), QString("코스"));
        QCOMPARE(s.wlbFacDetailGubunName->text(), QString("레드"));
        QCOMPARE(s.cboRunGubun->code(), QString("Y"));

        s.grid()->setCurrentRow(1);
        s.cboRunGubun->setCode("S");   // 운행중지
        s.bbtSaveClick();
        QCOMPARE(t->scalar("SELECT RUN_YN || U_EMP_NO FROM EB010MS WHERE RUN_DATE = '20261209' AND FAC_DETAIL_GUBUN = 'C02'"),
                 QString("SE77"));
        QCOMPARE(t->count("EB010MS", "RUN_YN = 'Y'"), 2);

        s.bbtCancelClick();
        s.bbtSearchClick();
        QCOMPARE(g_creations, 1);
        QCOMPARE(s.grid()->cell(1, 2), QString("S"));
        QCOMPARE(s.grid()->cellLabel(1, 2), QString("운행중지"));
        // The stopped course is drawn in red, also as the current row; the kind is named once.
        s.grid()->setCurrentRow(2);
        QVERIFY(cellDrawn(s.grid(), 1, 1, isRed));
        QVERIFY(!cellDrawn(s.grid(), 0, 1, isRed));
        QVERIFY(cellDrawn(s.grid(), 0, 0, isDark));
        QVERIFY(!cellDrawn(s.grid(), 1, 0, isDark));
        s.grid()->setCurrentRow(1);
        QVERIFY(cellDrawn(s.grid(), 1, 1, isRed));
        QVERIFY(!cellDrawn(s.grid(), 2, 1, isRed));

        s.bbtCancelClick();
        s.dtpDate->setDateText("20261210");
        s.bbtSearchClick();
        QCOMPARE(g_creations, 2);
        QCOMPARE(t->count("EB010MS"), 6);
    }

    void aFailedCreationShowsTheServerMessage_data() { testing::addBackendColumn(); }
    void aFailedCreationShowsTheServerMessage()
    {
        QFETCH(int, backend);
        QVERIFY(open(backend));
        g_failCreation = true;
        TfrmEBI010 s;
        QVERIFY(show(&s));
        s.dtpDate->setDateText("20261209");
        s.bbtSearchClick();
        g_failCreation = false;
        QCOMPARE(rec->count(), 1);
        QVERIFY2(rec->last().startsWith("자료를 저장하지 못했습니다.\r\r에러내용:\r"), qPrintable(rec->last()));
        QVERIFY(rec->last().contains("ORA-01653: unable to extend table"));
        QCOMPARE(rec->kinds().last(), MessageKind::Error);
        QVERIFY(s.isSearchMode());   // the search did not run
        QCOMPARE(s.grid()->rowCount(), 0);
        QVERIFY(s.panCreating->isHidden());
        QCOMPARE(t->count("EB010MS"), 0);   // the rows written before the failure are rolled back
        QVERIFY(!t->database()->inTransaction());

        // Without courses and lifts the day stays empty and opens no record to save.
        QVERIFY(t->run("DELETE FROM ZX010MS WHERE HEAD IN ('E0006', 'E0007');"));
        s.bbtSearchClick();
        QVERIFY(!s.isSearchMode());
        QCOMPARE(s.grid()->rowCount(), 0);
        s.bbtSaveClick();
        QCOMPARE(rec->last(), QString("저장 하시겠습니까?"));
        QCOMPARE(t->count("EB010MS"), 0);
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
