#include "efr041.h"

TfrmEFR041::TfrmEFR041() : TfrmSalesViewerWindow("EFR041", QStringLiteral("POS별 매출조회"), QStringLiteral("POS_UPJANG.mrd")) {}

TfrmEFR041 *TfrmEFR041::instance()
{
    static auto *w = new TfrmEFR041;
    return w;
}
