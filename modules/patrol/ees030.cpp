#include "ees030.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES030::TfrmEES030(QWidget *parent)
    : TAccidentCrossTable({"EES030", QStringLiteral("요일별 사고발생시간 현황 조회,출력"), QStringLiteral("요일별 사고발생시간"), {}},
                          {Rows::Hour, Columns::Weekday, {}}, parent)
{
}
