#include "efr040.h"

TfrmEFR040::TfrmEFR040() : TfrmSalesViewerWindow("EFR040", QStringLiteral("메뉴별 매출조회"), QStringLiteral("MENU_UPJANG.mrd")) {}

TfrmEFR040 *TfrmEFR040::instance()
{
    static auto *w = new TfrmEFR040;
    return w;
}
