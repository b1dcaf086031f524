#include "ehi040.h"
#include "lockercodes.h"
#include <QDate>

TfrmEHI040::TfrmEHI040(QWidget *parent) : TfrmZZI090(parent)
{
    setObjectName("frmEHI040");
    setWindowTitle(QStringLiteral("시즌락카 위약금 관리"));
    edt_SeasonYear = NewSeasonYearEdit(QString::number(QDate::currentDate().year()));
    conditions()->addControl(QStringLiteral("시즌년도"), edt_SeasonYear);

    struct Design { const char *title; TEditColumn::DataType type; int width; bool editable; };
    static const Design columns[] = {
        {"순번", TEditColumn::Number, 50, false},          {"취소일자", TEditColumn::Date, 90, false},
        {"시즌년도", TEditColumn::Text, 70, false},        {"위치", TEditColumn::Text, 50, false},
        {"구역", TEditColumn::Text, 50, false},            {"타입", TEditColumn::Text, 50, false},
        {"락카번호", TEditColumn::Text, 70, false},        {"이름", TEditColumn::Text, 90, false},
        {"위약금액", TEditColumn::Number, 90, false},      {"위약금 입금일자", TEditColumn::Date, 110, true},
        {"결제구분", TEditColumn::Text, 80, false},        {"위약입금금액", TEditColumn::Number, 90, false},
        {"위약금 입금여부", TEditColumn::Text, 100, false}, {"환불일자", TEditColumn::Date, 90, true},
        {"환불금", TEditColumn::Number, 90, false},
    };
    for (const Design &d : columns) {
        TEditColumn &c = rgrGrid->addColumn(QString::fromUtf8(d.title), d.type, d.width).readOnly(!d.editable);
        if (d.type == TEditColumn::Number && d.width == 90)
            c.thousands();
    }
    rgrGrid->column(cPayCode).pickList(QStringLiteral("C0003"));
    rgrGrid->applyColumns();
    bbtAdd->hide();
    bbtDelete->hide();

    qryQuery->setSql(QStringLiteral(
        "SELECT SEQ_NO, CANCEL_DATE, SEASON_YEAR, LOCATION, AREA_ZONE, LOCKER_TYPE, LOCKER_NO, M_NAME, PENALTY_AMT, "
        "IPGUM_DATE, PAY_CODE, IPGUM_AMT, PENALTY_YN, RETURN_DATE, RETURN_AMT FROM EH030MS WHERE SEASON_YEAR = :SEASON_YEAR"));
    prcProc->setProcedure("PR_EHI040_01");
}

void TfrmEHI040::search()
{
    qryQuery->bind("SEASON_YEAR", edt_SeasonYear->text().trimmed());
    TfrmZZI090::search();
}

bool TfrmEHI040::SaveChanges()
{
    m_saveRan = true;
    prcProc->setParam("aSEASON_YEAR", edt_SeasonYear->text().trimmed());
    return TfrmZZI090::SaveChanges();
}

void TfrmEHI040::save()
{
    m_saveRan = false;
    TfrmZZI090::save();
    if (!m_saveRan || !isSaved())
        return;
    cancel();
    search();
}
