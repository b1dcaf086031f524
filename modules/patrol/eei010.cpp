#include "eei010.h"
#include "core/messages.h"
#include <QPushButton>

TfrmEEI020::TfrmEEI020(QWidget *parent) : TAccidentScreen(Entry, parent)
{
    setWindowTitle(QStringLiteral("패트롤 사고기록 등록"));
    setLoadQuery(QStringLiteral("FROM EE010MS WHERE TROB_DATE = :TROB_DATE ORDER BY EE010MS.TROB_NO"));
    prcSaveData->setProcedure(QStringLiteral("PR_EEI010_01"));
    setOpenRecordAfterSave(true);
}

bool TfrmEEI020::AfterSave()
{
    m_saved = true;
    return true;
}

void TfrmEEI020::save()
{
    m_saved = false;
    TAccidentScreen::save();
    if (m_saved)
        ShowInfo(QStringLiteral("정상적으로 저장 되었습니다."));
}
