// The sales report screens as the menu opens them, on both back ends: EFS070's customer classes, its
// filters and its discount-rate list, the reports EFS040/EFS050/EFS060/EFS070 hand to the viewer, and
// every screen on the demo database.
#include "modules/sales/efs010.h"
#include "modules/sales/efs020.h"
#include "modules/sales/efs030.h"
#include "modules/sales/efs040.h"
#include "modules/sales/efs050.h"
#include "modules/sales/efs060.h"
#include "modules/sales/efs070.h"
#include "modules/sales/efh030.h"
#include "modules/sales/efr040.h"
#include "modules/sales/efr041.h"
#include "modules/sales/screens.h"
#include "core/settings.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/dialogs/zzh000.h"
#include "framework/reportviewer.h"
#include "framework/screenregistry.h"
#include "report/preview.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "widgets/inputs.h"
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QRadioButton>
#include <QtTest>

namespace {

QString line(const QString &bill, const QString &menu, const QString &member, int dc, int amt, const QString &ticket = "01",
             const QString &day = "20261201")
{
    return QString("INSERT INTO IA010MS (SALE_DATE, UPJANG_CODE, POS_NO, BILL_NO, SEQ_NO, MENU_CODE, MENU_ITEM1, MENU_ITEM2, "
                   "MENU_ITEM3, MENU_ITEM4, MENU_ITEM5, UNIT_AMT, DC_RATE, SALE_QTY, SALE_AMT, ACCEPT_MEMBER_NO, TICKET_KIND) "
                   "VALUES ('%6', '5003', '0101', '%1', 1, '%2', '00', '00', '00', '00', '00', %5, %4, 1, %5, %3, '%7');\n")
        .arg(bill, menu, member.isEmpty() ? "NULL" : "'" + member + "'").arg(dc).arg(amt).arg(day, ticket);
}

// One adult menu of two items (each sale counted once), one child menu; members, a camp
// event and a card customer; lines on 1 and 2 December.
QString fixture()
{
    return QString(
        "INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME, UPJANG_TYPE) VALUES ('5003', '렌탈샵', '50');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM9) VALUES ('I0005', '01', '리프트1일권', 'Y');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM9) VALUES ('I0005', '02', '오후권', 'Y');\n"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM9) VALUES ('I0005', '09', '폐지', 'N');\n"
        "INSERT INTO JB010MS (UPJANG_CODE, MENU_CODE, MENU_ITEM1, MENU_ITEM2, MENU_ITEM3, MENU_ITEM4, MENU_ITEM5, DAESO_CODE, "
        "TYPE_CODE_1, TICKET_KIND) VALUES ('5003', 'M1', '00', '00', '00', '00', '00', '1', '01', '01');\n"
        "INSERT INTO JB010MS (UPJANG_CODE, MENU_CODE, MENU_ITEM1, MENU_ITEM2, MENU_ITEM3, MENU_ITEM4, MENU_ITEM5, DAESO_CODE, "
        "TYPE_CODE_1, TICKET_KIND) VALUES ('5003', 'M1', '01', '00', '00', '00', '00', '1', '01', '01');\n"
        "INSERT INTO JB010MS (UPJANG_CODE, MENU_CODE, MENU_ITEM1, MENU_ITEM2, MENU_ITEM3, MENU_ITEM4, MENU_ITEM5, DAESO_CODE, "
        "TICKET_KIND) VALUES ('5003', 'M2', '00', '00', '00', '00', '00', '2', '02');\n"
        "INSERT INTO JB020MS (UPJANG_CODE, TYPE_CODE, TYPE_NAME) VALUES ('5003', '01', '카빙셋트');\n"
        "INSERT INTO FA010MS (EVENT_NO, MARKET_CODE) VALUES ('4100000001', '024');\n"
        "INSERT INTO FA010MS (EVENT_NO, MARKET_CODE) VALUES ('4100000002', '011');\n"
        "INSERT INTO BA040MS (MEMBER_NO, BIRTH_DAY) VALUES ('3000000009', 'CARD');\n"
        "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME) VALUES ('0000000001', '김회원');\n")
        + line("000001", "M1", "6000000001", 0, 1000) + line("000002", "M1", "4100000001", 10, 2000)
        + line("000003", "M2", "", 0, 3000, "02") + line("000004", "M1", "0000000001", 20, 4000)
        + line("000005", "M2", "4100000002", 0, 5000) + line("000006", "M1", "3000000009", 0, 6000)
        + line("000007", "M1", "7000000001", 50, 7000, "01", "20261202");
}

} // namespace

class TestSalesScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestDatabase> t;
    std::unique_ptr<QWidget> w;
    std::unique_ptr<testing::MessageRecorder> rec;

    template <class Screen>
    Screen *open(int backend, const QString &programId, bool demo = false)
    {
        w.reset();
        t = std::make_unique<testing::TestDatabase>(static_cast<db::Backend>(backend));
        QString error;
        if (!t->ok() || !(demo ? db::loadDemoData(*t->database(), QDate::currentDate(), &error) : t->run(fixture())))
            return nullptr;
        DM()->attach(t->database());
        rec = std::make_unique<testing::MessageRecorder>();
        w.reset(ScreenRegistry::instance().create(programId));
        auto *s = qobject_cast<Screen *>(w.get());
        if (!s)
            return nullptr;
        s->resize(1200, 760);
        s->show();
        return QTest::qWaitForWindowActive(s) ? s : nullptr;
    }
    static QStringList column(TfrmSalesScreen *s, const QString &field)
    {
        QStringList out;
        for (int r = 0; r < s->cdsQuery->rowCount(); ++r)
            out << s->cdsQuery->text(r, field);
        return out;
    }
    static QStringList items(QComboBox *c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }

private slots:
    void initTestCase()
    {
        RegisterSalesScreens();
        Settings().reportFolder = qEnvironmentVariable("SPORTS_SOURCE_DIR") + "/reports/";
    }
    void cleanup()
    {
        for (QWidget *v : {static_cast<QWidget *>(TfrmEFH030::instance()), static_cast<QWidget *>(TfrmEFR040::instance()),
                           static_cast<QWidget *>(TfrmEFR041::instance())})
            v->hide();
        w.reset();
        rec.reset();
        t.reset();
    }

    void customerClassesAndFilters_data() { testing::addBackendColumn(); }
    void customerClassesAndFilters()
    {
        QFETCH(int, backend);
        auto *s = open<TfrmEFS070>(backend, "EFS070");
        QVERIFY(s);
        QCOMPARE(s->edt_Upjang_No->text(), QString("5003"));
        QCOMPARE(s->wlbUpjangName->text(), QString("렌탈샵"));
        QString title;   // F1 in the code opens the lookup; nothing chosen: the focus back in the code
        TfrmZZH000::setModalRunner([&](TfrmZZH000 *d) {
            title = d->windowTitle();
            return int(QDialog::Rejected);
        });
        s->edt_Upjang_No->setFocus();
        QTest::keyClick(s->edt_Upjang_No, Qt::Key_F1);
        TfrmZZH000::setModalRunner({});
        QCOMPARE(title, QString("영업장 선택"));
        QCOMPARE(QApplication::focusWidget(), s->edt_Upjang_No);
        QCOMPARE(items(s->cboTicket), (QStringList{"", "리프트1일권", "오후권"}));
        QCOMPARE(items(s->cboDcRate), QStringList{""});   // no sales today
        s->dtpFromDate->setDateText("20261201");
        s->dtpToDate->setDateText("20261201");
        QCOMPARE(items(s->cboDcRate), (QStringList{"", "0", "10", "20"}));
        s->cboDcRate->setCurrentIndex(2);
        s->dtpToDate->setDateText("20261202");            // another period: the list read again, no choice
        QCOMPARE(items(s->cboDcRate), (QStringList{"", "0", "10", "20", "50"}));
        QCOMPARE(s->cboDcRate->code(), QString());
        s->bbtSearchClick();
        QCOMPARE(column(s, "BILL_NO").size(), 7);
        QStringList classes;
        for (int r = 0; r < s->cdsQuery->rowCount(); ++r)
            classes << s->cdsQuery->text(r, "BILL_NO") + ":" + s->cdsQuery->text(r, "MEM_GUBUN1") + "/"
                           + s->cdsQuery->text(r, "MEM_GUBUN2") + "/" + s->cdsQuery->text(r, "DAESO_CODE");
        classes.sort();
        QCOMPARE(classes, (QStringList{"000001:일반/시즌권/대인", "000002:단체/캠프/대인", "000003:일반/기타/소인",
                                       "000004:회원/회원/대인", "000005:단체/기타/소인", "000006:일반/카드/대인",
                                       "000007:일반/쿠폰외/대인"}));
        QCOMPARE(s->cdsQuery->text(column(s, "BILL_NO").indexOf("000004"), "MEMBER_NAME"), QString("김회원"));
        const int first = column(s, "BILL_NO").indexOf("000001");
        QCOMPARE(s->cdsQuery->text(first, "SALE_DATE") + " " + s->cdsQuery->text(first, "UNIT_AMT") + " "
                     + s->cdsQuery->text(first, "AMT"),
                 QString("2026-12-01 1,000 1,000"));
        s->cboMemGubun->setCurrentIndex(3);   // 일반
        s->cboTicket->setCurrentIndex(1);     // 리프트1일권
        s->bbtSearchClick();
        QStringList bills = column(s, "BILL_NO");
        bills.sort();
        QCOMPARE(bills, (QStringList{"000001", "000006", "000007"}));
        s->cboDcRate->setCurrentIndex(4);     // 50
        s->bbtSearchClick();
        QCOMPARE(column(s, "BILL_NO"), QStringList{"000007"});
    }

    // EFS030 by discount rate and ticket, EFS020's day and grand totals, EFS010's columns of a register.
    void summaries_data() { testing::addBackendColumn(); }
    void summaries()
    {
        QFETCH(int, backend);
        auto *tickets = open<TfrmEFS030>(backend, "EFS030");
        QVERIFY(tickets);
        tickets->edt_Upjang_No->setText("5003");
        tickets->dtpFromDate->setDateText("20261201");
        tickets->dtpToDate->setDateText("20261201");
        tickets->bbtSearchClick();
        QStringList rows;
        for (int r = 0; r < tickets->cdsQuery->rowCount(); ++r) {
            QStringList f;
            for (const char *n : {"DC_RATE", "TICKET", "A_QTY", "A_AMT", "C_AMT", "T_AMT"})
                f << tickets->cdsQuery->text(r, n);
            rows << f.join(' ');
        }
        QCOMPARE(rows, (QStringList{"0 리프트1일권 2 7,000 0 7,000", "0 오후권 0 0 8,000 8,000", "10 리프트1일권 1 2,000 0 2,000",
                                    "20 리프트1일권 1 4,000 0 4,000"}));
        QCOMPARE(tickets->cdsQuery->text(0, "SALE_DATE"), QString("2026-12-01"));
        for (int c = 0; c < tickets->rgrGrid->columnCount(); ++c)   // no footer of its own: no "0" under the amounts
            QCOMPARE(tickets->rgrGrid->footerText(c), QString());

        auto *classes = open<TfrmEFS020>(backend, "EFS020");
        QVERIFY(classes);
        classes->dtpFromDate->setDateText("20261201");
        classes->dtpToDate->setDateText("20261202");
        classes->bbtSearchClick();
        rows.clear();
        for (int r = 0; r < classes->cdsQuery->rowCount(); ++r)
            rows << classes->cdsQuery->text(r, "SALE_DATE") + "|" + classes->cdsQuery->text(r, "DAESO_NAME") + "|"
                        + classes->cdsQuery->text(r, "M_AMT") + "|" + classes->cdsQuery->text(r, "G_AMT") + "|"
                        + classes->cdsQuery->text(r, "N_AMT") + "|" + classes->cdsQuery->text(r, "T_AMT");
        QCOMPARE(rows, (QStringList{"2026-12-01|대    인|4,000|2,000|7,000|13,000", "2026-12-01|소    인|0|5,000|3,000|8,000",
                                    "2026-12-01|일    계|4,000|7,000|10,000|21,000", "2026-12-02|대    인|0|0|7,000|7,000",
                                    "2026-12-02|일    계|0|0|7,000|7,000", "총    계||4,000|7,000|17,000|28,000"}));

        auto *rental = open<TfrmEFS010>(backend, "EFS010");
        QVERIFY(rental);
        QVERIFY(t->run(line("000008", "X", "", 0, 100).replace("'5003', '0101'", "'5061', '0101'")
                       + line("000009", "X", "", 0, 200).replace("'5003', '0101'", "'5061', '0301'")));
        rental->dtpFromDate->setDateText("20261201");
        rental->dtpToDate->setDateText("20261201");
        rental->bbtSearchClick();
        QCOMPARE(rental->cdsQuery->rowCount(), 2);
        QCOMPARE(rental->cdsQuery->text(0, "SALE_DATE"), QString("2026-12-01"));
        QCOMPARE(rental->cdsQuery->text(1, "SALE_DATE"), QString("총    계"));
        QCOMPARE(rental->cdsQuery->text(0, "S1_QTY") + " " + rental->cdsQuery->text(0, "S1_AMT"), QString("4 13,000"));
        QCOMPARE(rental->cdsQuery->text(0, "C1_AMT") + " " + rental->cdsQuery->text(0, "C2_AMT"), QString("100 0"));
        QCOMPARE(rental->cdsQuery->text(1, "TT_AMT"), QString("21,300"));   // the 0301 register only here
        QVERIFY(rental->rgrGrid->isColumnHidden(rental->cdsQuery->columnOf("S4_QTY")));
    }

    // What each screen hands to the viewer, and the report windows opened afresh on every request.
    void reportsOfTheScreens_data() { testing::addBackendColumn(); }
    void reportsOfTheScreens()
    {
        QFETCH(int, backend);
        auto *list = open<TfrmEFS070>(backend, "EFS070");
        QVERIFY(list);
        list->dtpFromDate->setDateText("20261201");
        list->dtpToDate->setDateText("20261201");
        list->bbtPrintClick();
        TfrmEFH030 *window = TfrmEFH030::instance();
        QVERIFY(window->isVisible());
        QCOMPARE(window->FParams, QString("/rp [20261201] [20261201] [5003]"));
        QVERIFY2(window->viewer->errorText().isEmpty(), qPrintable(window->viewer->errorText()));
        QVERIFY(window->viewer->openedLocation().endsWith("영업장할인율권종별매출집계.mrd"));
        window->hide();
        list->dtpToDate->setDateText("20261202");
        list->bbtPreviewClick();
        QVERIFY(window->isVisible());
        QCOMPARE(window->viewer->openedValues(), (QStringList{"20261201", "20261202", "5003"}));

        auto *gondola = open<TfrmEFS050>(backend, "EFS050");
        QVERIFY(gondola);
        QVERIFY(!gondola->bbtPrint->isVisibleTo(gondola) && !gondola->bbtCancel->isVisibleTo(gondola));
        gondola->dtpFromDate->setDateText("20261202");
        gondola->bbtSearchClick();
        QVERIFY(gondola->viewer->openedLocation().endsWith("곤도라발권및Gate통과현황.mrd"));
        QCOMPARE(gondola->viewer->openedValues(), (QStringList{"20261202", "20261202"}));
        QVERIFY(gondola->viewer->errorText().isEmpty());

        auto *summary = open<TfrmEFS060>(backend, "EFS060");
        QVERIFY(summary);
        summary->dtpFromDate->setDateText("20261201");
        summary->dtpToDate->setDateText("20261202");
        summary->bbtSearchClick();
        QVERIFY(summary->viewer->openedLocation().endsWith("/영업장별고객구분별권종별판매집계.mrd"));
        QCOMPARE(summary->viewer->openedValues(), (QStringList{"20261201", "20261202", ""}));
        summary->chkVat->setChecked(true);
        summary->bbtSearchClick();
        QVERIFY(summary->viewer->openedLocation().endsWith("(VAT별도).mrd"));
        QCOMPARE(summary->viewer->openedValues(), (QStringList{"20261201", "20261202", "", " VAT별도"}));
        QVERIFY(summary->viewer->errorText().isEmpty());
        summary->rdoTicket->setChecked(true);
        QVERIFY(!summary->chkVat->isChecked() && !summary->chkVat->isVisibleTo(summary));
        summary->bbtSearchClick();
        QVERIFY(summary->viewer->openedLocation().endsWith("영업장별권종별판매집계.mrd"));
        summary->rdoCustomer->setChecked(true);
        summary->bbtSearchClick();
        QVERIFY(summary->viewer->openedLocation().endsWith("영업장별고객구분별판매집계.mrd"));
        QVERIFY(summary->viewer->report() && summary->viewer->preview()->pageCount() == 1);

        auto *menus = open<TfrmEFS040>(backend, "EFS040");
        QVERIFY(menus);
        QVERIFY(!menus->bbtSearch->isVisibleTo(menus));
        menus->edt_Upjang_No->setText("5003");
        menus->bbtMenu->click();
        QCOMPARE(TfrmEFR040::instance()->viewer->openedValues().value(0), QString("5003"));
        QVERIFY(TfrmEFR040::instance()->viewer->errorText().isEmpty());
        menus->bbtPos->click();
        QVERIFY(TfrmEFR041::instance()->isVisible());
        QVERIFY(TfrmEFR041::instance()->viewer->openedLocation().endsWith("POS_UPJANG.mrd"));
    }

    void demoSales_data() { testing::addBackendColumn(); }
    void demoSales()
    {
        QFETCH(int, backend);
        auto *list = open<TfrmEFS070>(backend, "EFS070", true);
        QVERIFY(list);
        list->dtpFromDate->setDate(QDate::currentDate().addDays(-3));
        list->bbtSearchClick();
        QCOMPARE(list->cdsQuery->rowCount(),
                 t->count("IA010MS", "UPJANG_CODE = '5003' AND SALE_DATE >= '"
                                         + QDate::currentDate().addDays(-3).toString("yyyyMMdd") + "'"));
        QVERIFY(list->cdsQuery->rowCount() > 4);
        auto *summary = open<TfrmEFS060>(backend, "EFS060", true);
        QVERIFY(summary);
        summary->bbtSearchClick();
        QVERIFY2(summary->viewer->errorText().isEmpty(), qPrintable(summary->viewer->errorText()));
        QVERIFY(summary->viewer->preview()->pageCount() >= 1);
        QVERIFY(summary->viewer->preview()->savePdf(QDir::temp().filePath("sales-summary-test.pdf")));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestSalesScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sales_screens.moc"
