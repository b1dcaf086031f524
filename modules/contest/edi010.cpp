#include "edi010.h"

TfrmEDI010::TfrmEDI010(QWidget *parent) : TfrmEZI000(parent)
{
    setObjectName(QStringLiteral("frmEDI010"));
    setWindowTitle(QStringLiteral("스키대회 등록"));
    setFields({
        Condition("GAME_DATE", "*대회일자", BIND(dtpDate)),
        Field("SEQ_NO", "순번", BIND(wlbSqqNo)).width(50),
        Field("GAME_NAME", "*대회명", BIND(edtGameName)).bytes(40).width(300),
        Field("SOCIETY_NAME", "협회", BIND(edtSocietyName)).bytes(40).hidden(),
        Field("SOCIETY_REP", "대표자", BIND(edtSocietyRep)).bytes(30).hidden(),
        Field("TEL_NO", "연락처", BIND(edtTelNo)).bytes(20).hidden(),
        Field("GAME_CONTENT", "대회내용", BIND(edtGameContent)).bytes(80).hidden().newLine(),
        Field("GAME_SCALE", "대회규모", BIND(edtGameScale)).bytes(80).hidden(),
        Field("SLOPE", "슬로프", BIND(cboSlope)).code("E0006").hidden().newLine(),
        Field("SLOPE_AMT", "슬로프사용료", BIND(wneSlopeAmt)).digits(10).hidden(),
        Field("PROBLEM", "문제점", BIND(edtProblem)).bytes(80).hidden().newLine(),
        Field("REMARK", "비고", BIND(edtRemark)).bytes(80).hidden(),
        Version(),
    });
    setLoadQuery(QStringLiteral("FROM ED010MS WHERE GAME_DATE = :GAME_DATE ORDER BY SEQ_NO"));
    prcSaveData->setProcedure(QStringLiteral("PR_EDI010_01"));
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
    if (cboSlope->count() > 0)
        cboSlope->setCurrentIndex(0);
}
