#include "ebs090.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS090::TfrmEBS090(QWidget *parent)
    : TfrmReportList({"EBS090", QStringLiteral("기간별 장비대여 현황 조회,출력"), QStringLiteral("기간별 장비대여 현황"),
                   {{"RENT_DATE", "대여일자", 100}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                    {"RENT_CNT", "대여현황", 80, true}}},
                  parent)
{
    summarise(QStringLiteral("총    계"));
    edtDateFrom = addOptionalDate("edtDateFrom", QStringLiteral("*대여일자"));
    edtDateTo = addOptionalDate("edtDateTo", QStringLiteral("∼"));
    addArea();
}

bool TfrmEBS090::validate() { return checkDates(edtDateFrom, edtDateTo, QStringLiteral("*대여일자")); }
Statement TfrmEBS090::statement() { return ebs090(edtDateFrom->text(), edtDateTo->text(), cboArea->code()); }
Statement TfrmEBS090::totalStatement() { return ebs090Total(edtDateFrom->text(), edtDateTo->text(), cboArea->code()); }

QStringList TfrmEBS090::conditionLines()
{
    return {periodPair(QStringLiteral("*대여일자"), edtDateFrom, edtDateTo) + kBlanks + conditionLine({cboArea})};
}
