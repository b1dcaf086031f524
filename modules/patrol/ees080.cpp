#include "ees080.h"

using crosstab::Columns;
using crosstab::Rows;

TfrmEES080::TfrmEES080(QWidget *parent)
    : TAccidentCrossTable({"EES080", QStringLiteral("성별 부상형태 현황 조회,출력"), QStringLiteral("성별 부상형태 현황"), {}},
                          {Rows::Injury, Columns::Sex, QStringLiteral("부상상태"), true}, parent)
{
}
