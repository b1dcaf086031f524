#include "ebi030.h"

TfrmEBI030::TfrmEBI030(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("부츠 기준재고 등록"));
    setFields({
        Condition("AREA_GUBUN", "*지역구분", BIND(cboArea)).code("E0017"),
        Field("BOOTS_SIZE_GUBUN", "*사이즈", BIND(cboBootsSize)).code("E0011").key(),
        Field("STOCK_QTY", "*기준재고수량", BIND(wneStockQty)).digits(4).width(100),
        Version(),
    });
    setLoadQuery(QStringLiteral("FROM EB030MS WHERE AREA_GUBUN = :AREA_GUBUN"));
    prcSaveData->setProcedure(QStringLiteral("PR_EBI030_01"));
    // a size is checked when its row is left, so two new rows of one size never reach the save
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

bool TfrmEBI030::validateRow()
{
    if (IsDuplicateKey())
        return refuse(cboBootsSize, QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    return true;
}
