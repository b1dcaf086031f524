#include "ees020.h"
#include "core/utils.h"
#include "framework/ezp000.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QDate>

using reportsql::Statement;

TfrmEES020::TfrmEES020(QWidget *parent) : TfrmAccidentList(QStringLiteral("EES020"), false, parent)
{
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*사고일자"));
    cboPeak = addCodeCombo("cboPeak", QStringLiteral("PEAK구분"), "E0027", true);
}

Statement TfrmEES020::statement()
{
    return listStatement(QStringLiteral("TROB_DATE = :TROB_DATE"), {{QStringLiteral("TROB_DATE"), dtpDate->dateText()}});
}

QStringList TfrmEES020::conditionLines()
{
    return {QStringLiteral("*사고일자: ") + ToDisplayDate(dtpDate->dateText()), QStringLiteral("PEAK구분: ") + cboPeak->currentText()};
}
