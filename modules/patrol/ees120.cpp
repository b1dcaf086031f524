#include "ees120.h"
#include "core/utils.h"
#include "framework/ezp000.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QDate>

using reportsql::Statement;

TfrmEES120::TfrmEES120(QWidget *parent) : TfrmAccidentList(QStringLiteral("EES120"), true, parent)
{
    setConditions({Range(Condition("TROB_DATE", QStringLiteral("*사고일자"), BIND(dtpfromDate)), BIND(dtptoDate)),
                   Condition("PEAK_GUBUN", QStringLiteral("PEAK구분"), BIND(cboPeak)).code("E0027").all().newLine()});
}

Statement TfrmEES120::statement()
{
    return listStatement(QStringLiteral("TROB_DATE >= :TROB_DATE_FROM AND TROB_DATE <= :TROB_DATE_TO"));
}
