// List screen figures, each beside a bare QtSql loop doing the same work on the same connection in the
// same run: the first 100 rows of a 1,000-, 10,000- and 100,000-row list, and the spreadsheet export
// at its limit (65,532 x 14) against bare reading plus the bare BIFF writer. SQLite always,
// PostgreSQL when SPORTS_TEST_PG names a server. Page reports to PDF (10 and 50 pages) on SQLite.
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
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

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
const char *kStatement = "SELECT * FROM T_BENCH WHERE NO < %1 ORDER BY NO";

// 100,000 rows made by the server itself: a third numbers, a third Hangul texts, a third dates.
bool fill(db::Database *d, int rows)
{
    QStringList cols, values;
    for (int c = 0; c < kColumns; ++c) {
        cols << QStringLiteral("C%1").arg(c);
        values << (c % 3 == 0 ? QStringLiteral("CAST(I * 7 + %1 AS VARCHAR(20))").arg(c)
                   : c % 3 == 1 ? QStringLiteral("'장비대여' || CAST(I % 1000 AS VARCHAR(20))")
                                : QStringLiteral("'2026-12-09'"));
    }
    return d->execute("CREATE TABLE T_BENCH (NO INTEGER NOT NULL, " + cols.join(" VARCHAR(20), ") +
                      " VARCHAR(20), PRIMARY KEY (NO))")
        && d->execute(QStringLiteral("WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I < %1) "
                                     "INSERT INTO T_BENCH (NO, %2) SELECT I, %3 FROM N")
                          .arg(rows - 1).arg(cols.join(", "), values.join(", ")));
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

double median(int runs, const std::function<void()> &run)
{
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[runs / 2];
}

// The bare export: the rows read with QSqlQuery and written cell by cell with the BIFF writer.
void bareExport(db::Database *d, const QString &path, int rows)
{
    QSqlQuery q(d->sql());
    q.setForwardOnly(d->backend() == db::Backend::SQLite);
    q.exec(QString::fromLatin1(kStatement).arg(rows));
    TXlsWriter xls;
    xls.open(path);
    xls.label(0, 0, QStringLiteral("성능 현황 조회,출력"));
    for (int c = 0; c < kColumns; ++c)
        xls.label(2, quint16(c), QStringLiteral("항목%1").arg(c));
    quint16 r = 3;
    while (q.next()) {
        for (int c = 0; c < kColumns; ++c)
            xls.cell(r, quint16(c), q.value(c + 1).toString(), c % 3 == 0);
        ++r;
    }
    xls.finish();
}
} // namespace

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    testing::MessageRecorder messages;
    for (db::Backend backend : testing::testBackends()) {
        testing::TestDatabase t(backend, false);
        QElapsedTimer timer;
        timer.start();
        if (!t.ok() || !fill(t.database(), 100000)) {
            std::fprintf(stderr, "%s: fixture failed: %s %s\n", qPrintable(testing::backendName(backend)),
                         qPrintable(t.error()), qPrintable(t->lastError()));
            continue;
        }
        t->execute(backend == db::Backend::SQLite ? "ANALYZE" : "ANALYZE T_BENCH");
        std::printf("%s (fixture: 100000 rows x %d columns in %.2f s)\n", qPrintable(testing::backendName(backend)),
                    kColumns, timer.elapsed() / 1000.0);
        DM()->attach(t.database());

        // First rows: the list screen's search until the grid has painted them, against a bare
        // forward-only read of 100 rows of the same statement.
        double first[3] = {0, 0, 0};
        int idx = 0;
        for (int rows : {1000, 10000, 100000}) {
            TfrmBNS010 s;
            s.limit = rows;
            s.resize(1000, 700);
            s.show();
            QApplication::processEvents();
            int shown = 0;
            resetPeak();
            const double ours = median(5, [&] {
                s.bbtSearchClick();
                QApplication::processEvents();
                shown = s.cdsQuery->rowCount();
            });
            const double peak = peakMb();
            s.closeResult();
            // The bare query is finished after the timing (a forward-only read may leave the rest unread).
            QVector<double> runs;
            for (int run = 0; run < 5; ++run) {
                QSqlQuery q(t->sql());
                q.setForwardOnly(true);
                timer.restart();
                q.exec(QString::fromLatin1(kStatement).arg(rows));
                for (int n = 0; n < 100 && q.next(); ++n)
                    for (int c = 0; c <= kColumns; ++c)
                        q.value(c).toString();
                runs.append(timer.nsecsElapsed() / 1e6);
            }
            std::sort(runs.begin(), runs.end());
            const double bare = runs[2];
            // The list model alone on the screen's query: the data side of the first packet.
            TListModel model;
            for (int c = 0; c < kColumns; ++c)
                model.addColumn(s.rgrGrid->column(c));
            db::Query query(t.database());
            query.setSql("SELECT * FROM T_BENCH WHERE NO < :LIMIT ORDER BY NO");
            query.bind("LIMIT", rows);
            const double modelOnly = median(5, [&] { model.open(&query); });
            model.close();
            first[idx++] = ours;
            std::printf("  first 100 rows of a %6d-row list: screen %5.1f ms (%d rows, peak %.0f MB), list model "
                        "%5.1f ms   bare QtSql %5.1f ms   ratio model/bare %.2f\n",
                        rows, ours, shown, peak, modelOnly, bare, modelOnly / bare);
        }
        std::printf("  first rows 100000-row / 1000-row list: %.2f\n", first[2] / first[0]);

        // The export at its limit: the screen's search and Excel button, against bare reading and writing.
        {
            TfrmBNS010 s;
            s.limit = TXlsWriter::MaxRecords;
            const QString path = dir.filePath("bench.xls");
            const QString barePath = dir.filePath("bare.xls");
            TfrmZZS020::setSaveAsker([path](QWidget *, const QString &, const QString &) { return path; });
            TfrmZZS020::setFileOpener([](const QString &) {});
            messages.answer(false);
            resetPeak();
            const double ours = median(3, [&] {
                QFile::remove(path);
                s.bbtSearchClick();
                s.bbtExcelClick();
            });
            const double peak = peakMb();
            const int rows = s.cdsQuery->rowCount();
            s.closeResult();
            const double bareRead = median(3, [&] {
                QSqlQuery q(t->sql());
                q.setForwardOnly(backend == db::Backend::SQLite);
                q.exec(QString::fromLatin1(kStatement).arg(TXlsWriter::MaxRecords));
                while (q.next())
                    for (int c = 1; c <= kColumns; ++c)
                        q.value(c).toString();
            });
            const double bare = median(3, [&] { bareExport(t.database(), barePath, TXlsWriter::MaxRecords); });
            std::printf("  export %d x %d to .xls: ours %.0f ms (%lld bytes, peak %.0f MB)   bare QtSql reading "
                        "%.0f ms, reading + BIFF writer %.0f ms (%lld bytes)   ratio %.2f\n",
                        rows, kColumns, ours, QFileInfo(path).size(), peak, bareRead, bare,
                        QFileInfo(barePath).size(), ours / bare);
        }

        if (backend != db::Backend::SQLite)
            continue;
        double perPage[2] = {0, 0};
        idx = 0;
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
            std::printf("  report %d pages (%d rows) to PDF: %.3f s%s, %.1f ms per page, peak %.0f MB\n",
                        layout.qrpReport.pageCount(), rows, s, ok ? "" : " FAILED",
                        s * 1000 / layout.qrpReport.pageCount(), peakMb());
        }
        std::printf("  per-page time 50 pages / 10 pages: %.2f\n", perPage[1] / perPage[0]);
    }
    return 0;
}
