#include "ees040.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES040::TfrmEES040(QWidget *parent)
    : TAccidentCrossTable({"EES040", QStringLiteral("요일별 부상상태 현황 조회,출력"), QStringLiteral("요일별 부상상태 현황"), {}},
                          {Rows::Injury, Columns::Weekday, {}}, parent)
{
}
