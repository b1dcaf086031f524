#include "ebi030.h"

TfrmEBI030::TfrmEBI030(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("부츠 기준재고 등록"));
    cboArea = conditions()->addCodeCombo(QStringLiteral("cboArea"), QStringLiteral("*지역구분"), QStringLiteral("E0017"));

    grid()->addColumn(QStringLiteral("사이즈"), TGridColumn::Text, 80).pickList(QStringLiteral("E0011")).required();
    grid()->addColumn(QStringLiteral("기준재고수량"), TGridColumn::Number, 100);

    cboBootsSize = body()->addCodeCombo(QStringLiteral("cboBootsSize"), QStringLiteral("*사이즈"), QStringLiteral("사이즈"));
    wneStockQty = body()->addNumericEdit(QStringLiteral("wneStockQty"), QStringLiteral("*기준재고수량"),
                                         QStringLiteral("기준재고수량"), 4);

    cboArea->setCurrentIndex(0);
    qryQuery->setSql(QStringLiteral("SELECT BOOTS_SIZE_GUBUN, STOCK_QTY FROM EB030MS WHERE AREA_GUBUN = :AREA_GUBUN"));
    prcSaveData->setProcedure(QStringLiteral("PR_EBI030_01"));
    // a size is checked when its row is left, so two new rows of one size never reach the save
    setRowLeaveChecks(true);
}

void TfrmEBI030::search()
{
    qryQuery->bind(QStringLiteral("AREA_GUBUN"), cboArea->code());
    TfrmEZI000::search();
}

bool TfrmEBI030::validateRow()
{
    if (grid()->rowCount() == 0)
        return true;
    if (cboBootsSize->isEmpty())
        return refuse(cboBootsSize, enterFirst(QStringLiteral("*사이즈")));
    if (IsDuplicateKey())
        return refuse(cboBootsSize, QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    return true;
}

bool TfrmEBI030::SaveData()
{
    prcSaveData->setParam(QStringLiteral("AAREA_GUBUN"), cboArea->code());
    return TfrmEZI000::SaveData();
}

void TfrmEBI030::save()
{
    TfrmEZI000::save();
    OpenRecordWhenEmpty();
}
