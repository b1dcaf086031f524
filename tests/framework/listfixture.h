#pragma once
// A list screen and its print layout over a small fixture table, shared by the list and print tests.
#include "framework/ezp000.h"
#include "framework/ezs000.h"
#include "support/testdatabase.h"
#include "database/query.h"
#include "widgets/inputs.h"

inline bool fillListFixture(db::Database *database, int rows)
{
    if (!database->execute("CREATE TABLE T_LIST (NO VARCHAR(10) NOT NULL, NAME VARCHAR(30), QTY VARCHAR(10), "
                           "AMT VARCHAR(10), PRIMARY KEY (NO))"))
        return false;
    database->beginTransaction();
    db::Query q(database);
    q.setSql("INSERT INTO T_LIST (NO, NAME, QTY, AMT) VALUES (:NO, :NAME, :QTY, :AMT)");
    for (int i = 1; i <= rows; ++i) {
        q.bind("NO", QStringLiteral("%1").arg(i, 4, 10, QChar('0')));
        q.bind("NAME", (i % 2 ? QStringLiteral("김철수") : QStringLiteral("이영희")) + QString::number(i));
        q.bind("QTY", QString::number(i * 10));
        q.bind("AMT", i == 1 ? QStringLiteral("12.50") : i == 2 ? QString() : QStringLiteral("-%1").arg(i));
        if (!q.exec())
            return false;
    }
    return database->commit();
}

class TfrmTSP010 : public TfrmEZP000 {
    Q_OBJECT
public:
    TfrmTSP010()
    {
        setTitle(QStringLiteral("시험 현황"));
        addColumn("NO", QStringLiteral("번호"), 20, Qt::AlignCenter);
        addColumn("NAME", QStringLiteral("이름"), 50);
        addColumn("QTY", QStringLiteral("수량"), 25, Qt::AlignRight);
    }
};

class TfrmTSS010 : public TfrmEZS000 {
    Q_OBJECT
public:
    TfrmTSS010()
    {
        setObjectName("frmTSS010");
        setWindowTitle(QStringLiteral("시험 현황 조회,출력"));
        dtpDate = addDateEdit("dtpDate", QStringLiteral("*기준일자"));
        edtName = addEdit("edtName", QStringLiteral("대여자명"), 20);
        rgrGrid->addColumn("NO", QStringLiteral("번호"), 60, Qt::AlignCenter);
        rgrGrid->addColumn("NAME", QStringLiteral("이름"), 100);
        rgrGrid->addColumn("QTY", QStringLiteral("수량"), 60, Qt::AlignRight).group(QStringLiteral("현황"));
        rgrGrid->addColumn("AMT", QStringLiteral("금액"), 60, Qt::AlignRight).group(QStringLiteral("현황"));
    }
    TDateEdit *dtpDate;
    TEdit *edtName;
    QString statement = "SELECT NO, NAME, QTY, AMT FROM T_LIST WHERE NAME LIKE :NAME ORDER BY NO";

protected:
    void search() override
    {
        qryQuery->setSql(statement);
        if (qryQuery->hasParam("NAME"))
            qryQuery->bind("NAME", "%" + edtName->text() + "%");
        TfrmEZS000::search();
    }
    TfrmZZP010 *createLayout() override { return new TfrmTSP010; }
    void fillConditions(TfrmZZP010 *layout) override
    {
        layout->setConditionLines({conditionLine({dtpDate}), conditionLine({edtName})});
    }
};
