// Record screen figures, each beside a bare QtSql loop doing the same work on the same connection in
// the same run: loading 10,000 rows into a record screen, and saving 500 changes through the
// procedures in one transaction. SQLite always, PostgreSQL when SPORTS_TEST_PG names a server.
#include "database/datamodule.h"
#include "core/messages.h"
#include "database/procedure.h"
#include "database/query.h"
#include "database/transaction.h"
#include "framework/ezi000.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
class TfrmBEN010 : public TfrmEZI000 {
public:
    TfrmBEN010()
    {
        setObjectName("frmBEN010");
        grid()->addColumn("품번", TColumn::Text, 80).key();
        grid()->addColumn("품명", TColumn::Text, 150);
        grid()->addColumn("수량", TColumn::Number, 60);
        body()->addEdit("edtItemNo", "*품번", "품번", 10);
        edtName = body()->addEdit("edtName", "품명", "품명", 30);
        body()->addNumericEdit("wneQty", "수량", "수량", 6);
        qryQuery->setSql("SELECT ITEM_NO, ITEM_NAME, QTY FROM T_BENCH ORDER BY ITEM_NO");
        prcSaveData->setProcedure("PR_BEN010_01");
    }
    TEdit *edtName;
};

const int kRuns = 5;

// The median of a few runs in milliseconds; the machine is shared, so single runs vary.
double median(const std::function<void()> &run)
{
    QVector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[kRuns / 2];
}

void line(const char *what, double ours, double bare)
{
    std::printf("  %-44s ours %8.1f ms   bare QtSql %8.1f ms   ratio %.2f\n", what, ours, bare, ours / bare);
}
} // namespace

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    SetMessagePresenter([](MessageKind, const QString &) { return true; });
    db::ProcedureCatalog::instance().add({"PR_BEN010_01",
        {db::in("AITEM_NO"), db::in("AITEM_NAME"), db::in("AQTY"), db::in("AU_EMP_NO"), db::in("AU_IP"), db::in("AEDITSTATUS")},
        [](db::ProcedureCall &call) { call.saveByEditStatus("T_BENCH", {"ITEM_NO"}, {"ITEM_NAME", "QTY"}); }});

    for (db::Backend backend : testing::testBackends()) {
        testing::TestDatabase t(backend, false);
        if (!t.ok() || !t.run("CREATE TABLE T_BENCH (ITEM_NO VARCHAR(10) NOT NULL, ITEM_NAME VARCHAR(30), QTY INTEGER,\n"
                              "  U_EMP_NO VARCHAR(10), U_IP VARCHAR(15), U_DATE VARCHAR(14), PRIMARY KEY (ITEM_NO));\n")) {
            std::printf("%s: no database: %s\n", qPrintable(testing::backendName(backend)), qPrintable(t.error()));
            continue;
        }
        t->beginTransaction();
        db::Query ins(t.database());
        ins.setSql("INSERT INTO T_BENCH (ITEM_NO, ITEM_NAME, QTY) VALUES (:NO, :NAME, :QTY)");
        for (int i = 0; i < 10000; ++i) {
            ins.bind("NO", QString::asprintf("%06d", i));
            ins.bind("NAME", QStringLiteral("장비 %1").arg(i));
            ins.bind("QTY", i % 50);
            ins.exec();
        }
        t->commit();
        DM()->attach(t.database());
        std::printf("%s\n", qPrintable(testing::backendName(backend)));

        // Loading: the record screen's search against the same statement read bare.
        TfrmBEN010 screen;
        screen.resize(900, 600);
        screen.show();
        // A record screen searches once per opening (a second search of unchanged conditions keeps its rows).
        QElapsedTimer loadTimer;
        loadTimer.start();
        screen.bbtSearchClick();
        const double load = loadTimer.nsecsElapsed() / 1e6;
        const int loaded = screen.grid()->rowCount();
        int bareRows = 0;
        const double loadBare = median([&] {
            QSqlQuery q(t->sql());
            q.setForwardOnly(backend == db::Backend::SQLite);
            q.exec("SELECT ITEM_NO, ITEM_NAME, QTY FROM T_BENCH ORDER BY ITEM_NO");
            bareRows = 0;
            while (q.next()) {
                for (int c = 0; c < 3; ++c)
                    q.value(c).toString();
                ++bareRows;
            }
        });
        line(qPrintable(QStringLiteral("load %1 rows into a record screen").arg(loaded)), load, loadBare);

        // Saving: 500 changes through the procedure in one transaction, against the same UPDATE
        // prepared once and run 500 times bare.
        int round = 0;
        const double save = median([&] {
            ++round;
            db::Transaction tx(t.database());
            db::StoredProc proc(t.database(), "PR_BEN010_01");
            for (int i = 0; i < 500; ++i) {
                proc.setParam("AITEM_NO", QString::asprintf("%06d", i * 20));
                proc.setParam("AITEM_NAME", QStringLiteral("변경 %1/%2").arg(i).arg(round));
                proc.setParam("AQTY", QString::number(i % 7));
                proc.setParam("AU_EMP_NO", "1001");
                proc.setParam("AU_IP", "10.0.0.1");
                proc.setParam("AEDITSTATUS", "1");
                if (!proc.exec())
                    std::printf("  save failed: %s\n", qPrintable(proc.lastError()));
            }
            if (!tx.commit())
                std::printf("  commit failed: %s\n", qPrintable(tx.error()));
        });
        const double saveBare = median([&] {
            ++round;
            QSqlDatabase d = t->sql();
            QSqlQuery begin(d);
            begin.exec(backend == db::Backend::SQLite ? "BEGIN IMMEDIATE" : "BEGIN");
            QSqlQuery q(d);
            q.prepare("UPDATE T_BENCH SET ITEM_NAME = ?, QTY = ?, U_EMP_NO = ?, U_IP = ?, U_DATE = ? WHERE ITEM_NO = ?");
            for (int i = 0; i < 500; ++i) {
                q.bindValue(0, QStringLiteral("변경 %1/%2").arg(i).arg(round));
                q.bindValue(1, i % 7);
                q.bindValue(2, "1001");
                q.bindValue(3, "10.0.0.1");
                q.bindValue(4, db::ProcedureCall::now14());
                q.bindValue(5, QString::asprintf("%06d", i * 20));
                if (!q.exec())
                    std::printf("  bare save failed\n");
            }
            QSqlQuery commit(d);
            commit.exec("COMMIT");
        });
        line("save 500 changes through the procedures", save, saveBare);

        // The whole save of the screen, for comparison: its 500 pending changes and the reload.
        screen.bbtSearchClick();
        for (int i = 0; i < 500; ++i) {
            screen.grid()->setCurrentRow(i * 20);
            screen.edtName->setText(QStringLiteral("화면 %1").arg(i));
        }
        screen.grid()->setCurrentRow(0);
        const int pending = screen.pendingCount();
        QElapsedTimer timer;
        timer.start();
        screen.bbtSaveClick();
        const double whole = timer.nsecsElapsed() / 1e6;
        std::printf("  the screen's save of %d pending changes, reload of %d rows included: %.1f ms; rows changed %d\n",
                    pending, screen.grid()->rowCount(), whole, t.count("T_BENCH", "ITEM_NAME LIKE '화면%'"));
    }
    return 0;
}
