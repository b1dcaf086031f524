// The report engine: pages counted from the bands, the summary moving to a new page when it does not
// fit, per-record changes, landscape pages, an empty source; the preview a screen holds.
#include "report/preview.h"
#include "report/report.h"
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

namespace {
class ListSource : public report::DataSource {
public:
    explicit ListSource(int n) : m_n(n) {}
    bool reset() override { m_i = 0; ++resets; return true; }
    bool next() override { return ++m_i <= m_n; }
    QString value(const QString &field) const override
    {
        if (field == "BLOCK")   // twenty records a block
            return QStringLiteral("묶음%1").arg((m_i + 19) / 20);
        return field == "NO" ? QString::number(m_i) : QStringLiteral("한글%1").arg(m_i);
    }
    int resets = 0;
private:
    int m_n, m_i = 0;
};

QString pdfText(const QString &path)
{
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// 277 mm between the margins, a 20 mm footer, 10 mm rows: 25 rows on every page.
void design(report::Report &r)
{
    r.band(report::Band::Detail).setHeight(10).addField({0, 0, 40, 10}, "NO");
    r.band(report::Band::Detail).addField({40, 0, 60, 10}, "NAME");
    r.band(report::Band::PageFooter).setHeight(20).addComputed({0, 0, 50, 10},
        [](const report::Report &r) { return QStringLiteral("쪽 ") + r.pageText(); });
}
} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void pagination_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<double>("summary");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty") << 0 << 0.0 << 1;
        QTest::newRow("one page full") << 25 << 0.0 << 1;
        QTest::newRow("one more") << 26 << 0.0 << 2;
        QTest::newRow("summary fits") << 24 << 10.0 << 1;
        QTest::newRow("summary moves") << 25 << 10.0 << 2;
    }
    void pagination()
    {
        QFETCH(int, records);
        QFETCH(double, summary);
        QFETCH(int, pages);
        ListSource source(records);
        report::Report r;
        design(r);
        r.band(report::Band::Summary).setHeight(summary);
        r.setDataSource(&source);
        QVERIFY(r.prepare());
        QCOMPARE(r.pageCount(), pages);
    }

    void pdfOfEveryPage()
    {
        QTemporaryDir dir;
        ListSource source(60);
        report::Report r;
        r.setOrientation(QPageLayout::Landscape);
        QCOMPARE(r.pageSizeMm().toSize(), QSize(297, 210));
        design(r);
        // 190 mm between the margins, minus the footer: 17 rows a page.
        r.band(report::Band::Detail).beforePrint = [](report::Band &b, const report::Report &rep) {
            b.elements()[1].visible = rep.recordNumber() != 2;
        };
        r.band(report::Band::Detail).addField({100, 0, 40, 10}, "BLOCK").blankRepeated();
        r.setDataSource(&source);
        const QString path = dir.filePath("r.pdf");
        QVERIFY(r.savePdf(path));
        QCOMPARE(r.pageCount(), 4);
        QCOMPARE(source.resets, 2);   // counted once, drawn once: no copy of the records
        const QString text = pdfText(path);
        for (int p = 1; p <= 4; ++p)
            QVERIFY2(text.contains(QStringLiteral("쪽 %1/4").arg(p)), qPrintable(text));
        QVERIFY(text.contains("한글1") && text.contains("한글60"));
        QVERIFY(!text.contains("한글2 "));
        QVERIFY(!text.contains("한글2\n"));
        // a block shows on its first line and again at the top of a page (lines 18, 35 and 52)
        for (int b = 1; b <= 3; ++b)
            QVERIFY2(text.count(QStringLiteral("묶음%1").arg(b)) == 2, qPrintable(text));
    }

    void failingSourceIsNoReport()
    {
        struct Broken : report::DataSource {
            bool reset() override { return false; }
            bool next() override { return false; }
            QString value(const QString &) const override { return {}; }
        } broken;
        report::Report r;
        design(r);
        r.setDataSource(&broken);
        QVERIFY(!r.prepare());
        QTemporaryDir dir;
        QVERIFY(!r.savePdf(dir.filePath("x.pdf")));
    }

    // The preview inside a screen, driven from the keyboard wherever the focus is in it, then saved
    // and printed from its buttons.
    void previewWidget()
    {
        ListSource source(60);   // three pages
        report::Report r;
        design(r);
        r.setDataSource(&source);
        QWidget screen;
        auto *view = new report::TReportPreviewWidget(&screen);
        (new QVBoxLayout(&screen))->addWidget(view);
        auto *next = view->findChild<QPushButton *>("btnNext");
        auto *zoomBox = view->findChild<QComboBox *>("cboZoom");
        QVERIFY(next && zoomBox);
        QVERIFY(!next->isEnabled());   // nothing to show yet
        QCOMPARE(view->pageCaption(), QString());
        view->setReport(&r);
        QVERIFY(next->isEnabled());
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        view->setFocus();
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && view->isAncestorOf(focus));

        QCOMPARE(view->pageCaption(), QString("1 / 3"));
        const QImage first = view->pageImage();
        QSignalSpy pages(view, &report::TReportPreviewWidget::pageChanged);
        QTest::keyClick(focus, Qt::Key_PageDown);
        QCOMPARE(view->pageCaption(), QString("2 / 3"));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.at(0), QVariantList({2, 3}));
        QVERIFY(view->pageImage() != first);
        QTest::keyClick(focus, Qt::Key_PageDown);
        QTest::keyClick(focus, Qt::Key_PageDown);
        QCOMPARE(view->currentPage(), 3);   // the last page stays
        QTest::keyClick(focus, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view->currentPage(), 1);
        QCOMPARE(view->pageImage(), first);
        // On the zoom box the page keys still page rather than change the zoom.
        zoomBox->setFocus();
        QTest::keyClick(zoomBox, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(zoomBox, Qt::Key_PageUp);
        QCOMPARE(view->currentPage(), 2);
        QCOMPARE(view->zoom(), 100);

        const int width = view->pageImage().width();
        QTest::keyClick(zoomBox, Qt::Key_Plus);
        QCOMPARE(view->zoom(), 125);
        QVERIFY(qAbs(view->pageImage().width() * 4 - width * 5) <= 4);
        QCOMPARE(zoomBox->currentText(), QString("125%"));
        QTest::keyClick(focus, Qt::Key_Minus);
        QTest::keyClick(focus, Qt::Key_Minus);
        QCOMPARE(view->zoom(), 75);
        QCOMPARE(view->currentPage(), 2);
        QCOMPARE(pages.size(), 5);   // a zoom draws the same page again: no page change
        view->setZoom(90);   // between the steps, as a host may open it
        QCOMPARE(zoomBox->currentText(), QString("90%"));
        QTest::keyClick(focus, Qt::Key_Plus);
        QCOMPARE(view->zoom(), 100);

        QTemporaryDir dir;
        const QString pdf = dir.filePath("view.pdf");
        report::TReportPreviewWidget::setFileNameAsker([&](QWidget *, const QString &) { return pdf; });
        QTest::mouseClick(view->findChild<QPushButton *>("btnPdf"), Qt::LeftButton);
        report::TReportPreviewWidget::setFileNameAsker({});
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(4), QByteArray("%PDF"));
        int printed = 0;
        report::Report::setPrintTarget([&](report::Report &out) { return &out == &r && ++printed; });
        QTest::mouseClick(view->findChild<QPushButton *>("btnPrint"), Qt::LeftButton);
        report::Report::setPrintTarget({});
        QCOMPARE(printed, 1);

        view->setReport(nullptr);
        QVERIFY(view->pageImage().isNull());
        QTest::keyClick(focus, Qt::Key_PageDown);
        QVERIFY(!view->savePdf(dir.filePath("none.pdf")));
        QVERIFY(!QFile::exists(dir.filePath("none.pdf")));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_report.moc"
