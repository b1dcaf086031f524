// List screen figures: first rows of a large result, the spreadsheet export at its limit, and page
// reports to PDF (10 and 50 pages), each with the peak memory of its run.
#include "database/datamodule.h"
#include "database/query.h"
#include "framework/ezp000.h"
#include "framework/ezs000.h"
#include "framework/xlsexport.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {
// Peak resident memory since the last reset, in MB (Linux: VmHWM, reset through clear_refs).
void resetPeak()
{
    QFile f("/proc/self/clear_refs");
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}
double peakMb()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

const int kColumns = 14;

bool fill(db::Database *d, int rows)
{
    QStringList cols, params;
    for (int c = 0; c < kColumns; ++c) {
        cols << QStringLiteral("C%1").arg(c);
        params << QStringLiteral(":C%1").arg(c);
    }
    if (!d->execute("CREATE TABLE T_BENCH (NO INTEGER NOT NULL, " + cols.join(" VARCHAR(20), ") +
                    " VARCHAR(20), PRIMARY KEY (NO))"))
        return false;
    d->beginTransaction();
    db::Query q(d);
    q.setSql("INSERT INTO T_BENCH (NO, " + cols.join(", ") + ") VALUES (:NO, " + params.join(", ") + ")");
    for (int i = 0; i < rows; ++i) {
        q.bind("NO", i);
        for (int c = 0; c < kColumns; ++c)
            q.bind(cols[c], c % 3 == 0 ? QString::number(i * 7 + c)
                          : c % 3 == 1 ? QStringLiteral("장비대여%1").arg(i % 1000) : QStringLiteral("2026-12-09"));
        if (!q.exec())
            return false;
    }
    return d->commit();
}

class TfrmBNS010 : public TfrmEZS000 {
public:
    TfrmBNS010()
    {
        setObjectName("frmBNS010");
        setWindowTitle(QStringLiteral("성능 현황 조회,출력"));
        for (int c = 0; c < kColumns; ++c)
            rgrGrid->addColumn(QStringLiteral("C%1").arg(c), QStringLiteral("항목%1").arg(c), 70,
                               c % 3 == 0 ? Qt::AlignRight : Qt::AlignLeft);
    }
    int limit = 100000;
    void search() override
    {
        qryQuery->setSql("SELECT * FROM T_BENCH WHERE NO < :LIMIT ORDER BY NO");
        qryQuery->bind("LIMIT", limit);
        TfrmEZS000::search();
    }
};

class TfrmBNP010 : public TfrmEZP010 {
public:
    TfrmBNP010()
    {
        setTitle(QStringLiteral("성능 현황"));
        for (int c = 0; c < kColumns; ++c)
            addColumn(QStringLiteral("C%1").arg(c), QStringLiteral("항목%1").arg(c), 19.5,
                      c % 3 == 0 ? Qt::AlignRight : Qt::AlignLeft);
    }
};
} // namespace

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    testing::TestDatabase t(db::Backend::SQLite, false);
    QElapsedTimer timer;
    timer.start();
    if (!t.ok() || !fill(t.database(), 100000)) {
        std::fprintf(stderr, "fixture failed: %s\n", qPrintable(t.error()));
        return 1;
    }
    std::printf("fixture: 100000 rows x %d columns in %.2f s\n", kColumns, timer.elapsed() / 1000.0);
    DM()->attach(t.database());
    testing::MessageRecorder messages;

    {
        TfrmBNS010 s;
        s.resize(1000, 700);
        s.show();
        resetPeak();
        timer.restart();
        s.bbtSearchClick();
        QApplication::processEvents();
        std::printf("first rows of a 100000-row result: %.3f s (%d rows read), peak %.0f MB\n",
                    timer.nsecsElapsed() / 1e9, s.cdsQuery->rowCount(), peakMb());
    }
    {
        TfrmBNS010 s;
        s.limit = TXlsWriter::MaxRecords;
        s.bbtSearchClick();
        const QString path = dir.filePath("bench.xls");
        TfrmZZS020::setSaveAsker([path](QWidget *, const QString &, const QString &) { return path; });
        TfrmZZS020::setFileOpener([](const QString &) {});
        messages.answer(false);
        resetPeak();
        if (qEnvironmentVariableIsSet("BENCH_SPLIT")) {
            timer.restart();
            s.cdsQuery->fetchAll();
            std::printf("  reading the result: %.3f s\n", timer.nsecsElapsed() / 1e9);
        }
        timer.restart();
        s.bbtExcelClick();
        std::printf("export %d rows x %d columns: %.3f s (%lld bytes), peak %.0f MB\n", s.cdsQuery->rowCount(),
                    kColumns, timer.nsecsElapsed() / 1e9, QFileInfo(path).size(), peakMb());
    }
    double perPage[2] = {0, 0};
    int idx = 0;
    for (int pages : {10, 50}) {
        TfrmBNP010 layout;
        // A landscape page holds about 30 records after the title band, about 31 on the others.
        int rows = 0;
        for (int n = pages * 25;; n += 5) {
            layout.qryQuery->setSql("SELECT * FROM T_BENCH WHERE NO < :LIMIT ORDER BY NO");
            layout.qryQuery->bind("LIMIT", n);
            layout.ensureDesigned();
            layout.qrpReport.prepare();
            if (layout.qrpReport.pageCount() >= pages) {
                rows = n;
                break;
            }
        }
        resetPeak();
        timer.restart();
        const QString pdf = dir.filePath(QStringLiteral("bench%1.pdf").arg(pages));
        bool ok = layout.savePdf(pdf);
        const double s = timer.nsecsElapsed() / 1e9;
        perPage[idx++] = s / layout.qrpReport.pageCount();
        std::printf("report %d pages (%d rows) to PDF: %.3f s%s, %.1f ms per page, peak %.0f MB\n",
                    layout.qrpReport.pageCount(), rows, s, ok ? "" : " FAILED", s * 1000 / layout.qrpReport.pageCount(),
                    peakMb());
    }
    std::printf("per-page time 50 pages / 10 pages: %.2f\n", perPage[1] / perPage[0]);
    return 0;
}
