// Loads 10,000 rows into a record screen and saves 500 pending changes in one transaction, on
// SQLite and (when SPORTS_TEST_PG names a server) PostgreSQL; prints the times.
#include "database/datamodule.h"
#include "core/messages.h"
#include "database/procedure.h"
#include "framework/ezi000.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
class TfrmBEN010 : public TfrmEZI000 {
public:
    TfrmBEN010()
    {
        setObjectName("frmBEN010");
        grid()->addColumn("품번", TGridColumn::Text, 80).required();
        grid()->addColumn("품명", TGridColumn::Text, 150);
        grid()->addColumn("수량", TGridColumn::Number, 60);
        body()->addEdit("edtItemNo", "*품번", "품번", 10);
        edtName = body()->addEdit("edtName", "품명", "품명", 30);
        body()->addNumericEdit("wneQty", "수량", "수량", 6);
        qryQuery->setSql("SELECT ITEM_NO, ITEM_NAME, QTY FROM T_BENCH ORDER BY ITEM_NO");
        prcSaveData->setProcedure("PR_BEN010_01");
    }
    TEdit *edtName;
};
}

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

        TfrmBEN010 screen;
        screen.resize(900, 600);
        screen.show();
        QElapsedTimer timer;
        timer.start();
        screen.bbtSearchClick();
        const qint64 load = timer.elapsed();
        const int loaded = screen.grid()->rowCount();

        for (int i = 0; i < 500; ++i) {
            screen.grid()->setCurrentRow(i * 20);
            screen.edtName->setText(QStringLiteral("변경 %1").arg(i));
        }
        screen.grid()->setCurrentRow(0);
        const int pending = screen.pendingCount();
        timer.restart();
        screen.bbtSaveClick();
        const qint64 save = timer.elapsed();
        const int changed = t.count("T_BENCH", "ITEM_NAME LIKE '변경%'");
        std::printf("%s: load %d rows %lld ms; save %d changes %lld ms (incl. reload); rows changed %d\n",
                    qPrintable(testing::backendName(backend)), loaded, load, pending, save, changed);
    }
    return 0;
}
