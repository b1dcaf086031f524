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
    setConditions({
        Range(Condition("RENT_DATE", QStringLiteral("*대여일자"), BIND(edtDateFrom)).showsDate(), BIND(edtDateTo)),
        Condition("AREA_GUBUN", QStringLiteral("*지역구분"), BIND(cboArea)).code("E0017"),
    });
}

Statement TfrmEBS090::statement() { return ebs090(edtDateFrom->text(), edtDateTo->text(), cboArea->code()); }
Statement TfrmEBS090::totalStatement() { return ebs090Total(edtDateFrom->text(), edtDateTo->text(), cboArea->code()); }
