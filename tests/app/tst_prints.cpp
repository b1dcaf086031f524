// Every list screen's print layout on the demo data, as a reader sees it: no text of any page is cut,
// the totals under the columns included, and the count and totals it prints are those of the whole
// result the grid shows.
#include "app/main/allscreens.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/screenregistry.h"
#include "framework/zzs020.h"
#include "report/report.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QDate>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

// What a layout's summary prints beside what the grid shows: "건수:" with the number of records, and
// every printed figure one of the grid's footer totals (where the grid has footers).
QStringList printedAgainstGrid(const QString &id, const QStringList &summary, TfrmZZS020 *list, int *checked)
{
    QStringList faults;
    list->cdsQuery->fetchAll();
    const QString rows = QString::number(list->cdsQuery->rowCount());
    QStringList footers;
    for (int c = 0; c < list->rgrGrid->columnCount(); ++c)
        if (!list->rgrGrid->footerText(c).isEmpty())
            footers << list->rgrGrid->footerText(c);
    const QRegularExpression figure(QStringLiteral("^-?[0-9][0-9,]*(\\.[0-9]+)?$"));
    for (int i = 0; i < summary.size(); ++i) {
        QString text = summary[i];
        if (text.startsWith(QStringLiteral("건수:"))) {
            QString count = text.mid(3).trimmed();
            if (count.isEmpty())
                count = summary.value(++i);   // the number beside its label
            if (count != rows)
                faults << QStringLiteral("%1: 건수 %2, the grid %3").arg(id, count, rows);
            ++*checked;
            continue;
        }
        if (footers.isEmpty() || !figure.match(text).hasMatch())
            continue;
        if (!footers.contains(text))
            faults << QStringLiteral("%1: total %2 not among the grid's %3").arg(id, text, footers.join(QLatin1Char('|')));
        ++*checked;
    }
    return faults;
}

class TestPrints : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterAllScreens(); }

    void everyLayoutPrintsEveryTextWhole()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QString error;
        QVERIFY2(t.ok() && db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error + t.error()));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        QStringList faults;
        QString id;
        TfrmZZS020 *shown = nullptr;
        int printed = 0, checked = 0;
        // the pages are drawn small: what is cut is the engine's measure, not the picture's
        report::Report::setPrintTarget([&](report::Report &r) {
            const QSizeF mm = r.pageSizeMm();
            QImage page(mm.toSize(), QImage::Format_RGB32);
            QPainter painter(&page);
            const bool ok = r.render(&painter, mm, 1, r.pageCount());
            for (const QString &text : r.clippedTexts())
                faults << id + ": " + text;
            if (shown)
                faults << printedAgainstGrid(id, r.summaryTexts(), shown, &checked);
            ++printed;
            const QString keep = qEnvironmentVariable("SPORTS_PRINTS_DIR");   // to look at them
            if (!keep.isEmpty())
                r.savePdf(keep + QLatin1Char('/') + id + QStringLiteral(".pdf"));
            return ok;
        });
        for (const QString &programId : ScreenRegistry::programIds()) {
            if (!ScreenRegistry::instance().has(programId))
                continue;
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(programId));
            auto *list = qobject_cast<TfrmZZS010 *>(w.get());
            if (!list || list->bbtPrint->isHidden())
                continue;
            id = programId;
            shown = qobject_cast<TfrmZZS020 *>(list);
            // the conditions a search needs: a season, a partner group, a weather station of the demo
            const QString year = QString::number(QDate::currentDate().year());
            for (const auto &[name, value] : {std::pair<const char *, QString>{"edtSeason", "26"}, {"edtEventNo", "4400000001"},
                                              {"edtObsePlace", "A1"}, {"edt_SeasonYear", year}})
                if (auto *e = w->findChild<QLineEdit *>(name)) {
                    e->setText(value);
                    emit e->editingFinished();
                }
            list->bbtSearchClick();
            list->bbtPrintClick();
        }
        report::Report::setPrintTarget({});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY2(printed >= 30, qPrintable(QString::number(printed)));
        QVERIFY2(checked >= 20, qPrintable(QString::number(checked)));   // counts and totals were compared
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestPrints t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_prints.moc"
