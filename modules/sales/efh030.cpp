#include "efh030.h"

TfrmEFH030::TfrmEFH030()
    : TfrmSalesViewerWindow("EFH030", QStringLiteral("영업장 할인율 권종별 매출집계"), QStringLiteral("영업장할인율권종별매출집계.mrd")) {}

TfrmEFH030 *TfrmEFH030::instance()
{
    static auto *w = new TfrmEFH030;
    return w;
}
