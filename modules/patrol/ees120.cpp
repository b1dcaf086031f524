#include "ees120.h"
#include "core/utils.h"
#include "framework/ezp000.h"
#include "framework/sqltext.h"
#include "widgets/inputs.h"
#include <QDate>

using reportsql::Statement;

TfrmEES120::TfrmEES120(QWidget *parent) : TfrmAccidentList(QStringLiteral("EES120"), true, parent)
{
    dtpfromDate = addDateEdit("dtpfromDate", QStringLiteral("*사고일자"));
    dtptoDate = addDateEdit("dtptoDate", QStringLiteral("∼"));
    cboPeak = addCodeCombo("cboPeak", QStringLiteral("PEAK구분"), "E0027", true);
}

bool TfrmEES120::validate()
{
    return dtpfromDate->dateText() <= dtptoDate->dateText()
        || refuse(dtptoDate, QStringLiteral("사고일자을(를) 정확히 입력하십시오."));
}

Statement TfrmEES120::statement()
{
    return listStatement(QStringLiteral("TROB_DATE >= :TROB_FROM_DATE AND TROB_DATE <= :TROB_TO_DATE"),
                         {{QStringLiteral("TROB_FROM_DATE"), dtpfromDate->dateText()},
                          {QStringLiteral("TROB_TO_DATE"), dtptoDate->dateText()}});
}

QStringList TfrmEES120::conditionLines()
{
    return {QStringLiteral("*사고일자: ") + ToDisplayDate(dtpfromDate->dateText()) + QStringLiteral("  ∼  ") + ToDisplayDate(dtptoDate->dateText()),
            QStringLiteral("PEAK구분: ") + cboPeak->currentText()};
}
