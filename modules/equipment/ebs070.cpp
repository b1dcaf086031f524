#include "ebs070.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS070::TfrmEBS070(QWidget *parent)
    : TfrmReportList({"EBS070", QStringLiteral("연일장비대여 현황 조회,출력"), QStringLiteral("연일장비 대여 현황"),
                   {{"EQUIP_GUBUN_NAME", "장비구분", 80}, {"EQUIP_NO", "장비번호", 70},
                    {"EQUIP_SIZE_GUBUN_NAME", "장비사이즈", 70}, {"RENT_NO", "대여번호", 90},
                    {"RENT_NAME", "대여자명", 80}, {"TEL_NO", "연락처", 100}, {"TICKET_KIND_NAME", "권종", 90},
                    {"SVRL_RENT_FROM_DATE", "연일대여 시작일자", 90}, {"SVRL_RENT_TO_DATE", "연일대여 끝일자", 90},
                    {"DEAL_NAME", "취급자", 70}, {"KEEP_KIND_GUBUN_NAME", "보관내용구분", 80},
                    {"KEEP_BOX_NO", "보관함번호", 70}}},
                  parent)
{
    setConditions({Condition("AREA_GUBUN", QStringLiteral("*지역구분"), BIND(cboArea)).code("E0017")});
}

Statement TfrmEBS070::statement() { return ebs070(cboArea->code()); }
