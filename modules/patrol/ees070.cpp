#include "ees070.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES070::TfrmEES070(QWidget *parent)
    : TAccidentCrossTable({"EES070", QStringLiteral("성별 부상발생 시간 현황 조회,출력"), QStringLiteral("성별 부상발생 시간 현황"), {}},
                          {Rows::Hour, Columns::Sex, {}}, parent)
{
}
