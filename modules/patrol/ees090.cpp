#include "ees090.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES090::TfrmEES090(QWidget *parent)
    : TAccidentCrossTable({"EES090", QStringLiteral("연령별 부상발생시간 현황 조회,출력"), QStringLiteral("연령별 부상발생 시간 현황"), {}},
                          {Rows::Hour, Columns::Age, {}}, parent)
{
}
