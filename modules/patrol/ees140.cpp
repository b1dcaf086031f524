#include "ees140.h"

using crosstab::Columns;
using crosstab::Rows;

// the same table under a second program ID of the menu
TfrmEES140::TfrmEES140(QWidget *parent)
    : TAccidentCrossTable({"EES140", QStringLiteral("요일별 부상상태 현황 조회,출력"), QStringLiteral("요일별 부상상태 현황"), {}},
                          {Rows::Injury, Columns::Weekday, {}}, parent)
{
}
