// The report screens driven as at the counter: conditions, search, grid, footer, export and layout.
#include "support/messagerecorder.h"
#include "support/screens.h"
#include "support/testdatabase.h"
#include "support/xlsreader.h"
#include "database/datamodule.h"
#include "modules/equipment/ebs060.h"
#include "modules/equipment/ebs070.h"
#include "modules/equipment/ebs080.h"
#include "modules/equipment/ebs090.h"
#include "modules/equipment/ebs100.h"
#include "modules/equipment/ebs110.h"
#include "modules/equipment/ebs120.h"
#include "modules/equipment/ebs130.h"
#include "reportfixture.h"
#include "widgets/inputs.h"
#include "report/preview.h"
#include "framework/dialogs/zzh000.h"
#include <QApplication>
#include <QProcess>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

// The report fixture on the back end of the data row, attached as the program's connection.
#define REPORT_FIXTURE(t)     \
    TEST_DB_FETCH(t);         \
    QVERIFY(t.run(kFixture)); \
    DM()->attach(t.database())

namespace {

// Opens the protected layout steps for the test.
template <class Screen>
class Exposed : public Screen {
public:
    using Screen::Screen;
    TfrmZZP010 *layout() { return this->createLayout(); }
    QStringList lines() { return this->conditionLines(); }
};

// Types a season code and leaves the field, as at the counter before a search.
void enterSeason(TfrmReportList &s, const QString &code)
{
    s.edtSeason->clear();
    QTest::keyClicks(s.edtSeason, code);
    emit s.edtSeason->editingFinished();
}

// Previews the last search and returns the text of its pages, saved as a PDF in dir.
QString previewText(TfrmEZS000 &s, const QTemporaryDir &dir, int *pages = nullptr)
{
    return testing::previewText(s, dir.filePath(s.objectName() + QStringLiteral(".pdf")), pages);
}

// "window caption|layout's program ID|layout title" of a screen.
template <class Screen>
QString captions()
{
    Exposed<Screen> s;
    std::unique_ptr<TfrmZZP010> layout(s.layout());
    return s.windowTitle() + '|' + layout->programId() + '|' + layout->title();
}

template <class Screen>
QPageLayout::Orientation orientation()
{
    Exposed<Screen> s;
    std::unique_ptr<TfrmZZP010> layout(s.layout());
    return layout->qrpReport.orientation();
}

// The grand total as the clerk sees it: the screen shown at the counter's size, the footer line a
// visible strip below the grid and inside the window, with the caption under the first column and the
// count under the last drawn in it (dark pixels in both cells).
void verifyTotalShown(TfrmEZS000 &s, const QString &caption, const QString &count)
{
    QCOMPARE(s.rgrGrid->footerText(0), caption);
    QCOMPARE(s.rgrGrid->footerText(s.rgrGrid->columnCount() - 1), count);
    s.resize(1024, 700);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QWidget *footer = s.rgrGrid->footer();
    QVERIFY(footer->isVisible());
    const QRect shown(footer->mapTo(&s, QPoint(0, 0)), footer->size());
    const QRect grid(s.rgrGrid->mapTo(&s, QPoint(0, 0)), s.rgrGrid->size());
    QVERIFY2(s.rect().contains(shown), qPrintable(QString("footer at %1,%2 %3x%4").arg(shown.x()).arg(shown.y())
                                                     .arg(shown.width()).arg(shown.height())));
    QVERIFY(!shown.intersects(grid));
    QVERIFY(shown.top() >= grid.bottom());
    QVERIFY(footer->height() >= footer->fontMetrics().height());
    const QImage image = footer->grab().toImage();
    auto inked = [&](int column) {
        QHeaderView *h = s.rgrGrid->horizontalHeader();
        const int left = h->sectionViewportPosition(column) + s.rgrGrid->frameWidth();
        int dark = 0;
        for (int x = left + 4; x < left + h->sectionSize(column) - 4 && x < image.width(); ++x)
            for (int y = 3; y < image.height() - 3; ++y)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    QVERIFY(inked(0) > 10);
    QVERIFY(inked(s.rgrGrid->columnCount() - 1) > 3);
    s.hide();
}

QStringList gridRows(TfrmEZS000 &s)
{
    QStringList rows;
    for (int r = 0; r < s.cdsQuery->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < s.rgrGrid->columnCount(); ++c)
            cells << s.cdsQuery->text(r, c);
        rows << cells.join('|');
    }
    return rows;
}
} // namespace

class TestEquipmentReportScreens : public QObject {
    Q_OBJECT
private slots:
    // Each screen prints with the layout of its own number.
    void captionsAndLayouts()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        QCOMPARE(captions<TfrmEBS060>(), QString("일일 장비대여 현황 조회,출력|EBP060|일일 장비대여 현황"));
        QCOMPARE(captions<TfrmEBS070>(), QString("연일장비대여 현황 조회,출력|EBP070|연일장비 대여 현황"));
        QCOMPARE(captions<TfrmEBS080>(), QString("시간대별 장비대여현황 조회,출력|EBP080|시간대별 장비대여 현황"));
        QCOMPARE(captions<TfrmEBS090>(), QString("기간별 장비대여 현황 조회,출력|EBP090|기간별 장비대여 현황"));
        QCOMPARE(captions<TfrmEBS100>(), QString("장비보관 현황 조회,출력|EBP100|장비보관 현황"));
        QCOMPARE(captions<TfrmEBS110>(), QString("미출고 장비보관 현황 조회,출력|EBP110|미출고 장비보관 현황"));
        QCOMPARE(captions<TfrmEBS120>(), QString("보관종류별 현황 조회,출력|EBP120|보관 종류별 현황"));
        QCOMPARE(captions<TfrmEBS130>(), QString("지역별 보관 현황 조회,출력|EBP130|지역별 보관 현황"));
        // detail lists print across the page, summaries down it
        QCOMPARE(orientation<TfrmEBS060>(), QPageLayout::Landscape);
        QCOMPARE(orientation<TfrmEBS100>(), QPageLayout::Landscape);
        QCOMPARE(orientation<TfrmEBS120>(), QPageLayout::Portrait);
        QCOMPARE(orientation<TfrmEBS130>(), QPageLayout::Portrait);
    }

    void hourlySummary_data() { testing::addBackendColumn(); }
    void hourlySummary()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS080> s;
        s.dtpDate->setDateText("20261209");
        QVERIFY(s.cboArea->setCode("1"));
        s.bbtSearchClick();
        QCOMPARE(gridRows(s), QStringList({"09:00 - 09:59|폴|1", "09:00 - 09:59|스키|2", "|소계|3",
                                           "10:00 - 10:59|보드|1", "|소계|1"}));
        // Subtotals in yellow, detail rows plain.
        QCOMPARE(s.cdsQuery->data(s.cdsQuery->index(2, 0), Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QVERIFY(!s.cdsQuery->data(s.cdsQuery->index(0, 0), Qt::BackgroundRole).isValid());
        verifyTotalShown(s, "총    계", "4");
        QVERIFY(messages.texts().isEmpty());

        std::unique_ptr<TfrmZZP010> layout(s.layout());
        QCOMPARE(static_cast<TfrmReportLayout *>(layout.get())->FTotal, QString("4"));
        QCOMPARE(s.lines().value(0), QString("*대여일자: 2026-12-09   *지역구분: 메인"));

        QTemporaryDir dir;
        QVERIFY(s.writeSpreadsheet(dir.filePath("hours.xls")));
        QVERIFY(QFileInfo(dir.filePath("hours.xls")).size() > 0);

        // The preview prints the grid's rows, the conditions and the total beside "합계".
        int pages = 0;
        const QString text = previewText(s, dir, &pages);
        QCOMPARE(pages, 1);
        for (const char *expected : {"시간대별 장비대여 현황", "*대여일자: 2026-12-09", "09:00 - 09:59", "소계", "보드", "합계"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("합계\\s+4"))), qPrintable(text));
    }

    void storageList_data() { testing::addBackendColumn(); }
    void storageList()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS100> s;
        // The season is checked first: missing, then unknown.
        s.bbtSearchClick();
        QCOMPARE(messages.last(), QString("*시즌을(를) 먼저 입력하십시오."));
        enterSeason(s, "99");
        s.bbtSearchClick();
        QCOMPARE(messages.last(), QString("*시즌을(를) 정확히 입력하십시오."));
        enterSeason(s, "26");
        QCOMPARE(s.wlbSeason->text(), QString("2026/2027 시즌"));
        QVERIFY(s.cboArea->setCode("1"));
        QCOMPARE(s.cboKeepStat->currentText(), QString("[전체]"));
        messages.clear();
        s.bbtSearchClick();
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(s.cdsQuery->rowCount(), 4);

        s.cboKeepStat->setCode("O");
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 1);
        QCOMPARE(s.cdsQuery->text(0, "KEEP_NAME"), QString("이김순"));
        QCOMPARE(s.cdsQuery->text(0, "KEEP_STAT_NAME"), QString("출고"));
        s.rgrGrid->setCurrentRow(0);
        s.showDetail(0);
        QCOMPARE(s.detailLabels.value("ZIP_CODE")->text(), QString("232-010"));
        QCOMPARE(s.detailLabels.value("CHULGO_DATE")->text(), QString("2026-12-06"));

        s.cboKeepStat->setCurrentIndex(0);
        s.edtKeepName->setText("김");
        s.bbtSearchClick();
        QStringList names;
        for (int r = 0; r < s.cdsQuery->rowCount(); ++r)
            names << s.cdsQuery->text(r, "KEEP_NAME");
        names.sort();
        QCOMPARE(names, QStringList({"김영수", "김하늘", "이김순"}));
        QCOMPARE(s.lines(), QStringList({"*시즌: 2026/2027 시즌   지역구분: 메인",
                                         "보관상태: [전체]   보관구분: [전체]",
                                         "장비구분: [전체]   장비명구분: [전체]   보관자명: 김"}));

        // The layout prints its own fields over the rows of the last search.
        QTemporaryDir dir;
        const QString text = previewText(s, dir);
        for (const char *expected : {"장비보관 현황", "보관자명: 김", "고유번호", "폴유무", "이김순", "김하늘", "2026-12-10"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("박민호")));
    }

    void periodValidation()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        Exposed<TfrmEBS090> s;
        QVERIFY(s.cboArea->setCode("1"));
        s.edtDateFrom->setText("20261345");
        s.bbtSearchClick();
        QCOMPARE(messages.last(), QString("*대여일자을(를) 정확히 입력하십시오."));
        s.edtDateFrom->clear();
        messages.clear();
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 6);
        verifyTotalShown(s, "총    계", "5");
        QCOMPARE(s.lines().value(0), QString("*대여일자: [전체]  ∼  [전체]   *지역구분: 메인"));
    }

    // Every rental row of the day and area; the state and ticket-kind combos narrow it only when chosen.
    void dailyRentals_data() { testing::addBackendColumn(); }
    void dailyRentals()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS060> s;
        QCOMPARE(s.rgrGrid->columnCount(), 14);
        // no heading is cut ("연일대여 시작일자" among them): every column is as wide as its title
        for (int c = 0; c < s.rgrGrid->columnCount(); ++c)
            QVERIFY2(s.rgrGrid->columnWidth(c) > s.rgrGrid->horizontalHeader()->fontMetrics()
                                                     .horizontalAdvance(s.rgrGrid->column(c).title),
                     qPrintable(s.rgrGrid->column(c).title));
        s.dtpDate->setDateText("20261209");
        QVERIFY(s.cboArea->setCode("1"));
        QCOMPARE(s.cboRentStat->currentText(), QString("[전체]"));
        s.bbtSearchClick();
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(gridRows(s), QStringList({"0000000001|1|대여|스키|00011|김철수|010-1|175|70|260mm|7|주간권|2026-12-09|2026-12-11",
                                           "0000000001|2|대여|폴|00012|김철수||||||주간권||",
                                           "0000000002|1|반납|스키|00013|최영희||||||||",
                                           "0000000002|2|대여|보드|00014|최영희||||||||"}));
        // A list has no total of its own.
        QCOMPARE(s.rgrGrid->footerText(0), QString());

        QVERIFY(s.cboRentStat->setCode("T"));
        s.bbtSearchClick();
        QCOMPARE(gridRows(s).value(0).section('|', 0, 5), QString("0000000002|1|반납|스키|00013|최영희"));
        QCOMPARE(s.cdsQuery->rowCount(), 1);
        QVERIFY(s.cboRentStat->setCode("R"));
        QVERIFY(s.cboTicketKind->setCode("A"));
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 2);
        QCOMPARE(s.lines(), QStringList({"*대여일자: 2026-12-09   *지역구분: 메인", "*상태구분: 대여   *권종구분: 주간권"}));

        s.dtpDate->setDateText("20261207");
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 0);
        QCOMPARE(messages.texts(), QStringList({"조회할 내용이 없습니다."}));
    }

    // Equipment out on a multi-day rental, with its rental and the rental's header.
    void multiDayRentals_data() { testing::addBackendColumn(); }
    void multiDayRentals()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS070> s;
        QVERIFY(s.cboArea->setCode("1"));
        s.bbtSearchClick();
        QCOMPARE(gridRows(s), QStringList({"스키|00011|150cm|0000000001|김철수|010-1|주간권|2026-12-09|2026-12-11|이담당|신발|0007"}));
        QCOMPARE(s.lines(), QStringList({"*지역구분: 메인"}));

        // Back from its multi-day rental, the equipment leaves the list.
        QVERIFY(t.run("UPDATE EB020MS SET SVRL_RENT_YN = 'N' WHERE AREA_GUBUN = '1' AND EQUIP_NO = '00011';"));
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 0);
        QCOMPARE(messages.texts(), QStringList({"조회할 내용이 없습니다."}));
    }

    // Items still in storage past their release date, earliest release first; the printed page
    // carries the conditions and the rows of the search.
    void itemsNotReleased_data() { testing::addBackendColumn(); }
    void itemsNotReleased()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS110> s;
        s.dtpDate->setDateText("20261221");
        QVERIFY(s.cboArea->setCode("1"));
        s.bbtSearchClick();
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(gridRows(s), QStringList({"0000000001|M001|김영수|A01|시즌보관|스키|아토믹|||||2026-12-01|2026-12-05|010-9",
                                           "0000000003||박민호||일일보관|스키||||||2026-12-03|2026-12-20|"}));
        QCOMPARE(s.lines(), QStringList({"*기준일자: 2026-12-21   *지역구분: 메인"}));

        QVERIFY(t.run("UPDATE EB050MS SET KEEP_STAT = 'O' WHERE SEASON_GUBUN = '26' AND AREA_GUBUN = '1' AND KEEP_NO = 3;"));
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 1);
        QTemporaryDir dir;
        const QString text = previewText(s, dir);
        for (const char *expected : {"미출고 장비보관 현황", "*기준일자: 2026-12-21", "*지역구분: 메인", "연락처(핸드폰)",
                                     "0000000001", "김영수", "2026-12-05", "010-9"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("박민호")), qPrintable(text));
    }

    // The season and the intake bounds are checked before anything is read; the summary then counts
    // by storage kind with the grand total in the footer and on the layout.
    void storageByKind_data() { testing::addBackendColumn(); }
    void storageByKind()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS120> s;
        QVERIFY(s.cboArea->setCode("1"));
        s.bbtSearchClick();
        enterSeason(s, "99");
        QCOMPARE(s.wlbSeason->text(), QString());
        s.bbtSearchClick();
        enterSeason(s, "26");
        s.edtIpgoFrom->setText("20261301");
        s.bbtSearchClick();
        s.edtIpgoFrom->setText("20261202");
        s.edtIpgoTo->setText("2026120");
        s.bbtSearchClick();
        QCOMPARE(messages.texts(), QStringList({"*시즌을(를) 먼저 입력하십시오.", "*시즌을(를) 정확히 입력하십시오.",
                                                "입고일자을(를) 정확히 입력하십시오.", "입고일자을(를) 정확히 입력하십시오."}));
        QCOMPARE(messages.kinds(), QList<MessageKind>(4, MessageKind::Info));
        QCOMPARE(s.cdsQuery->rowCount(), 0);

        messages.clear();
        s.edtIpgoFrom->clear();
        s.edtIpgoTo->clear();
        s.bbtSearchClick();
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(gridRows(s), QStringList({"일일보관|스키|2", "|소계|2", "시즌보관|보드|1", "시즌보관|스키|1", "|소계|2"}));
        verifyTotalShown(s, "총  계", "4");

        // the exported file holds the caption, the column titles and the rows as the grid shows them
        QTemporaryDir dir;
        const QString file = dir.filePath("ebs120.xls");
        TfrmZZS020::setSaveAsker([&](QWidget *, const QString &, const QString &) { return file; });
        TfrmZZS020::setFileOpener([](const QString &) {});
        messages.answer(false);
        s.bbtExcelClick();
        TfrmZZS020::setSaveAsker({});
        TfrmZZS020::setFileOpener({});
        QVector<testing::Cell> cells;
        QVERIFY(testing::parseXls(file, &cells));
        QCOMPARE(testing::find(cells, 0, 0)->text, QString("보관종류별 현황 조회,출력"));
        QCOMPARE(testing::find(cells, 2, 0)->text, QString("보관구분"));
        QCOMPARE(testing::find(cells, 2, 2)->text, QString("보관현황"));
        QCOMPARE(testing::find(cells, 3, 0)->text, QString("일일보관"));
        QCOMPARE(testing::find(cells, 3, 1)->text, QString("스키"));
        QCOMPARE(testing::find(cells, 4, 1)->text, QString("소계"));
        messages.clear();

        s.edtIpgoFrom->setText("20261202");
        s.edtIpgoTo->setText("20261203");
        s.bbtSearchClick();
        QCOMPARE(gridRows(s), QStringList({"일일보관|스키|1", "|소계|1", "시즌보관|보드|1", "|소계|1"}));
        QCOMPARE(s.rgrGrid->footerText(2), QString("2"));
        QCOMPARE(s.lines(), QStringList({"*시즌: 2026/2027 시즌   지역구분: 메인", "입고일자: 20261202  ∼  20261203"}));
        std::unique_ptr<TfrmZZP010> layout(s.layout());
        QCOMPARE(static_cast<TfrmReportLayout *>(layout.get())->FTotal, QString("2"));
    }

    // Only owners with a zip code count, each item once under its region's name.
    void storageByRegion_data() { testing::addBackendColumn(); }
    void storageByRegion()
    {
        REPORT_FIXTURE(t);
        testing::MessageRecorder messages;
        Exposed<TfrmEBS130> s;
        enterSeason(s, "26");
        QVERIFY(s.cboArea->setCode("1"));
        s.edtIpgoTo->setText("2026-12-31");
        s.bbtSearchClick();
        QCOMPARE(messages.texts(), QStringList({"입고일자을(를) 정확히 입력하십시오."}));

        messages.clear();
        s.edtIpgoTo->clear();
        s.bbtSearchClick();
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(gridRows(s), QStringList({"서울 강남구|스키|2", "|소계|2", "강원 평창군|보드|1", "|소계|1"}));
        verifyTotalShown(s, "총  계", "3");
        QCOMPARE(s.cdsQuery->data(s.cdsQuery->index(1, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QCOMPARE(s.lines(), QStringList({"*시즌: 2026/2027 시즌   지역구분: 메인", "입고일자: [전체]  ∼  [전체]"}));
    }

    // F1 in the season field opens the season lookup; the chosen season and its name fill the
    // field and its label, and the area is next.
    void seasonLookup()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        Exposed<TfrmEBS120> s;
        s.show();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.edtSeason->setFocus();
        QString title;
        TfrmZZH000::setModalRunner([&](TfrmZZH000 *d) {
            title = d->windowTitle();
            d->show();
            if (QTest::qWaitForWindowActive(d)) {
                QCoreApplication::processEvents();   // the lookup searches as it opens
                QTest::keyClick(d->findChild<QTableView *>("rgrGrid"), Qt::Key_Return);
            }
            return d->result();
        });
        QTest::keyClick(s.edtSeason, Qt::Key_F1);
        TfrmZZH000::setModalRunner({});
        QCOMPARE(title, QString("스키 시즌구분"));
        QCOMPARE(s.edtSeason->text(), QString("26"));
        QCOMPARE(s.wlbSeason->text(), QString("2026/2027 시즌"));
        QCOMPARE(s.focusWidget(), static_cast<QWidget *>(s.cboArea));
        // the name stands right after the field and its button, on the same line
        const QRect field(s.edtSeason->mapTo(&s, QPoint(0, 0)), s.edtSeason->size());
        const QRect name(s.wlbSeason->mapTo(&s, QPoint(0, 0)), s.wlbSeason->size());
        QVERIFY(name.left() > field.right() && name.left() - field.right() < 50);
        QVERIFY(qAbs(name.center().y() - field.center().y()) < 4);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestEquipmentReportScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screens.moc"
