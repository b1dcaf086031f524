// The report engine: pages counted from the bands, the summary moving to a new page when it does not
// fit, per-record changes, landscape pages, an empty source.
#include "report/report.h"
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
class ListSource : public report::DataSource {
public:
    explicit ListSource(int n) : m_n(n) {}
    bool reset() override { m_i = 0; ++resets; return true; }
    bool next() override { return ++m_i <= m_n; }
    QString value(const QString &field) const override
    {
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
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_report.moc"
