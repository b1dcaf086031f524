#include "ees050.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES050::TfrmEES050(QWidget *parent)
    : TAccidentCrossTable({"EES050", QStringLiteral("월별 부상 발생시간 현황 조회,출력"), QStringLiteral("월별 부상 발생시간 현황"), {}},
                          {Rows::Hour, Columns::Month, {}, true}, parent)
{
}
