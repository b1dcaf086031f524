#include "eei021.h"
#include "core/messages.h"
#include <QPushButton>

TfrmEEI021::TfrmEEI021(QWidget *parent) : TAccidentScreen(NameLookup, parent)
{
    setWindowTitle(QStringLiteral("패트롤 사고기록 조회 - 이름별"));
    setLoadQuery(QStringLiteral("FROM EE010MS WHERE (TROB_DATE = :TROB_DATE or IN_NAME = :IN_NAME) "
                                "ORDER BY EE010MS.TROB_DATE, EE010MS.TROB_NO"));
    // the day the screen was opened, kept out of sight
    dtpTrobDate->hide();
    conditions()->captionOf(dtpTrobDate)->hide();
    for (QPushButton *b : {bbtSave, bbtAdd, bbtDelete})
        b->hide();
}

void TfrmEEI021::search()
{
    TAccidentScreen::search();
    if (isSearchMode() || (grid()->rowCount() > 0 && !grid()->cell(0, 0).isEmpty()))
        return;
    ClearRows();
    ClearDetail();
    setSearchMode(true);   // nothing to look through: the name can be typed again at once
    ShowInfo(QStringLiteral("검색결과가 없습니다."));
}
