#include "ees010.h"
#include <QPushButton>

TfrmEES010::TfrmEES010(QWidget *parent) : TAccidentScreen(FullView, parent)
{
    setWindowTitle(QStringLiteral("패트롤 사고기록  조회"));
    setLoadQuery(QStringLiteral("FROM EE010MS WHERE IN_NAME = :IN_NAME ORDER BY EE010MS.TROB_DATE, EE010MS.TROB_NO"));
    setCheckOrder({"TROB_TIME", "IN_NAME", "IN_AGE", "IN_ID_NO", "IN_TEL_NO", "ME_SPOT_TIME", "ME_NAME", "ME_TEL_NO"});
    for (QPushButton *b : {bbtSave, bbtAdd, bbtDelete})
        b->hide();
}

void TfrmEES010::cancel()
{
    TAccidentScreen::cancel();
    if (isSearchMode())
        edtSearchName->clear();
}
