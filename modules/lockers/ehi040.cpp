#include "ehi040.h"
#include "lockercodes.h"
#include <QDate>

TfrmEHI040::TfrmEHI040(QWidget *parent) : TfrmZZI090(parent)
{
    setObjectName("frmEHI040");
    setWindowTitle(QStringLiteral("시즌락카 위약금 관리"));
    // only the penalty payment date and the refund date are typed in
    setFields({
        Condition("SEASON_YEAR", "시즌년도", BIND(edt_SeasonYear)).bytes(4),
        ::Column("SEQ_NO", "순번").digits(9).readOnlyCell().width(50),
        ::Column("CANCEL_DATE", "취소일자").showsDate().readOnlyCell().width(90),
        ::Column("SEASON_YEAR", "시즌년도").readOnlyCell().width(70),
        ::Column("LOCATION", "위치").readOnlyCell().width(50),
        ::Column("AREA_ZONE", "구역").readOnlyCell().width(50),
        ::Column("LOCKER_TYPE", "타입").readOnlyCell().width(50),
        ::Column("LOCKER_NO", "락카번호").readOnlyCell().width(70),
        ::Column("M_NAME", "이름").readOnlyCell().width(90),
        ::Column("PENALTY_AMT", "위약금액").thousands().readOnlyCell().width(90),
        ::Column("IPGUM_DATE", "위약금 입금일자").showsDate().width(110),
        ::Column("PAY_CODE", "결제구분").code("C0003").readOnlyCell().width(80),
        ::Column("IPGUM_AMT", "위약입금금액").thousands().readOnlyCell().width(90),
        ::Column("PENALTY_YN", "위약금 입금여부").readOnlyCell().width(100),
        ::Column("RETURN_DATE", "환불일자").showsDate().width(90),
        ::Column("RETURN_AMT", "환불금").thousands().readOnlyCell().width(90),
        Version(),
    });
    edt_SeasonYear->setText(QString::number(QDate::currentDate().year()));
    bbtAdd->hide();
    bbtDelete->hide();
    setLoadQuery(QStringLiteral("FROM EH030MS WHERE SEASON_YEAR = :SEASON_YEAR"));
    prcProc->setProcedure("PR_EHI040_01");
}

// The penalty flags follow the dates in the database: the list is read afresh.
void TfrmEHI040::AfterSave()
{
    cancel();
    search();
}
