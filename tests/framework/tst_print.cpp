// Printing a list screen through its layout: the last search's statement and values, the condition
// lines as the fields are now, the page frame and "page/total" on every page, the preview.
#include "listfixture.h"
#include "database/datamodule.h"
#include "report/preview.h"
#include "support/messagerecorder.h"
#include <QApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {
QString pdfText(const QString &path, int page = 0)
{
    QProcess p;
    QStringList args{"-layout", "-enc", "UTF-8"};
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    p.start("pdftotext", args << path << "-");
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
int pdfPages(const QString &path)
{
    QProcess p;
    p.start("pdfinfo", {path});
    p.waitForFinished(30000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

class TestPrint : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_printed;
    int m_prints = 0;

private slots:
    void initTestCase()
    {
        report::Report::setPrintTarget([this](report::Report &r) {
            ++m_prints;
            m_printed = m_dir.filePath(QStringLiteral("printed%1.pdf").arg(m_prints));
            return r.savePdf(m_printed);
        });
    }

    void printsTheLastSearch_data() { testing::addBackendColumn(); }
    void printsTheLastSearch()
    {
        TEST_DB_FETCH(t);
        QVERIFY(fillListFixture(t.database(), 6));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        s.dtpDate->setDateText("20261209");
        s.edtName->setText("김");
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 3);
        s.edtName->setText("이영");   // changed, not searched again
        const int before = m_prints;
        s.bbtPrintClick();
        QCOMPARE(m_prints, before + 1);
        QCOMPARE(messages.count(), 0);
        const QString text = pdfText(m_printed);
        QVERIFY2(text.contains("김철수1") && text.contains("김철수5"), qPrintable(text));
        QVERIFY(!text.contains("이영희2"));
        QVERIFY(text.contains("*기준일자: 2026-12-09"));
        QVERIFY(text.contains("대여자명: 이영"));
        QVERIFY(text.contains("시험 현황"));
        QVERIFY(text.contains("1/1"));
        QVERIFY(text.contains("TSP010"));
        QVERIFY(text.contains("할린리조트") && text.contains("HALLIN RESORT"));
        QVERIFY(text.contains("Date : " + QDate::currentDate().toString("yyyy-MM-dd")));

        // A hidden print button does nothing.
        s.bbtPrint->hide();
        s.bbtPrintClick();
        QCOMPARE(m_prints, before + 1);
    }

    void threePagesNumberTheirFooters()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(fillListFixture(t.database(), 100));
        DM()->attach(t.database());
        TfrmTSS010 s;
        s.bbtSearchClick();
        s.bbtPrintClick();
        QCOMPARE(pdfPages(m_printed), 3);
        for (int page = 1; page <= 3; ++page) {
            const QString text = pdfText(m_printed, page);
            QVERIFY2(text.contains(QStringLiteral("%1/3").arg(page)), qPrintable(text));
            QVERIFY(text.contains("번호"));                     // column header on every page
            QCOMPARE(text.contains("대여자명:"), page == 1);    // title band on the first page only
        }
        QVERIFY(pdfText(m_printed, 3).contains("이영희100"));

        // Preview: paging and zoom over the same three pages.
        bool checked = false;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<report::TReportPreview *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QCOMPARE(w->pageCount(), 3);
            QCOMPARE(w->pageCaption(), QString("1 / 3"));
            QCOMPARE(w->windowTitle(), QString("시험 현황"));   // the report's title, not its ID
            w->nextPage();
            QCOMPARE(w->pageCaption(), QString("2 / 3"));
            w->lastPage();
            w->nextPage();
            QCOMPARE(w->currentPage(), 3);
            const int width = w->pageImage().width();
            w->setZoom(50);
            QVERIFY(qAbs(w->pageImage().width() * 2 - width) <= 2);
            const QString pdf = m_dir.filePath("preview.pdf");
            QVERIFY(w->savePdf(pdf));
            QCOMPARE(pdfPages(pdf), 3);
            checked = true;
            w->accept();
        });
        s.bbtPreviewClick();
        QVERIFY(checked);
    }

    // Before a search there is nothing to print, and without a printer the clerk is told why.
    void printingNeedsASearchAndAPrinter()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(fillListFixture(t.database(), 3));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        const int before = m_prints;
        s.bbtPrintClick();
        s.bbtPreviewClick();
        QCOMPARE(m_prints, before);
        QCOMPARE(messages.texts(), QStringList(2, "조회 결과가 없습니다. 조회를 먼저 하십시오."));
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        s.bbtSearchClick();
        messages.clear();
        report::Report::setPrintTarget({});
        s.bbtPrintClick();
        initTestCase();
        QCOMPARE(messages.texts(), QStringList({"인쇄할 수 없습니다.\r이 컴퓨터에 기본 프린터가 지정되어 있지 않습니다."}));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestPrint test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_print.moc"
