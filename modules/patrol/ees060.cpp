#include "ees060.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES060::TfrmEES060(QWidget *parent)
    : TAccidentCrossTable({"EES060", QStringLiteral("월별 부상형태 현황 조회,출력"), QStringLiteral("월별 부상형태 현황"), {}},
                          {Rows::Injury, Columns::Month, {}, true}, parent)
{
}
