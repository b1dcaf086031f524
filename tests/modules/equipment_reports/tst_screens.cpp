// The report screens driven as at the counter: conditions, search, grid, footer, export and layout.
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include "app/datamodule.h"
#include "modules/equipment/reports/reportscreens.h"
#include "reportfixture.h"
#include "widgets/inputs.h"
#include "report/preview.h"
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Opens the protected layout steps for the test.
template <class Screen>
class Exposed : public Screen {
public:
    using Screen::Screen;
    TfrmZZP010 *layout() { return this->createLayout(); }
    QStringList lines() { return this->conditionLines(); }
};

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
    void hourlySummary_data() { testing::addBackendColumn(); }
    void hourlySummary()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        Exposed<TfrmEBS080> s;
        QCOMPARE(s.windowTitle(), QString("시간대별 장비대여현황 조회,출력"));
        s.dtpDate->setDateText("20261209");
        QVERIFY(s.cboArea->setCode("1"));
        s.bbtSearchClick();
        QCOMPARE(gridRows(s), QStringList({"09:00 - 09:59|폴|1", "09:00 - 09:59|스키|2", "|소계|3",
                                           "10:00 - 10:59|보드|1", "|소계|1"}));
        // Subtotals in yellow, detail rows plain.
        QCOMPARE(s.cdsQuery->data(s.cdsQuery->index(2, 0), Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QVERIFY(!s.cdsQuery->data(s.cdsQuery->index(0, 0), Qt::BackgroundRole).isValid());
        QCOMPARE(s.rgrGrid->footerText(0), QString("총    계"));
        QCOMPARE(s.rgrGrid->footerText(2), QString("4"));
        QVERIFY(messages.texts().isEmpty());

        std::unique_ptr<TfrmZZP010> layout(s.layout());
        QCOMPARE(layout->programId(), QString("EBP080"));
        QCOMPARE(layout->title(), QString("시간대별 장비대여 현황"));
        QCOMPARE(static_cast<TfrmEBPList *>(layout.get())->FTotal, QString("4"));
        QCOMPARE(s.lines().value(0), QString("*대여일자: 2026-12-09   *지역구분: 메인"));

        QTemporaryDir dir;
        QVERIFY(s.writeSpreadsheet(dir.filePath("hours.xls")));
        QVERIFY(QFileInfo(dir.filePath("hours.xls")).size() > 0);

        // The preview prints the grid's rows, the conditions and the total beside "합계".
        const QString pdf = dir.filePath("hours.pdf");
        bool previewed = false;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<report::TReportPreview *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QCOMPARE(w->pageCount(), 1);
            QVERIFY(w->savePdf(pdf));
            previewed = true;
            w->accept();
        });
        s.bbtPreviewClick();
        QVERIFY(previewed);
        const QString text = pdfText(pdf);
        for (const char *expected : {"시간대별 장비대여 현황", "*대여일자: 2026-12-09", "09:00 - 09:59", "소계", "보드", "합계"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("합계\\s+4"))), qPrintable(text));
    }

    void storageList_data() { testing::addBackendColumn(); }
    void storageList()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run(kFixture));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        Exposed<TfrmEBS100> s;
        // The season is checked first: missing, then unknown.
        s.bbtSearchClick();
        QCOMPARE(messages.last(), QString("*시즌을(를) 먼저 입력하십시오."));
        s.edtSeason->setText("99");
        emit s.edtSeason->editingFinished();
        s.bbtSearchClick();
        QCOMPARE(messages.last(), QString("*시즌을(를) 정확히 입력하십시오."));
        s.edtSeason->setText("26");
        emit s.edtSeason->editingFinished();
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
        std::unique_ptr<TfrmZZP010> layout(s.layout());
        QCOMPARE(layout->programId(), QString("EBP100"));

        // The layout prints its own fields over the rows of the last search.
        QTemporaryDir dir;
        const QString pdf = dir.filePath("storage.pdf");
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<report::TReportPreview *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QVERIFY(w->savePdf(pdf));
            w->accept();
        });
        s.bbtPreviewClick();
        const QString text = pdfText(pdf);
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
        QCOMPARE(s.rgrGrid->footerText(2), QString("5"));
        QCOMPARE(s.lines().value(0), QString("*대여일자: [전체]  ∼  [전체]   *지역구분: 메인"));
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
