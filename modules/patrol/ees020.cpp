#include "ees020.h"
#include "core/utils.h"
#include "framework/ezp000.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QDate>

using reportsql::Statement;

TfrmEES020::TfrmEES020(QWidget *parent) : TfrmAccidentList(QStringLiteral("EES020"), false, parent)
{
    setConditions({Condition("TROB_DATE", QStringLiteral("*사고일자"), BIND(dtpDate)),
                   Condition("PEAK_GUBUN", QStringLiteral("PEAK구분"), BIND(cboPeak)).code("E0027").all().newLine()});
}

Statement TfrmEES020::statement()
{
    return listStatement(QStringLiteral("TROB_DATE = :TROB_DATE"));
}
