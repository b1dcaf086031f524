#include "ebs060.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS060::TfrmEBS060(QWidget *parent)
    : TfrmReportList({"EBS060", QStringLiteral("일일 장비대여 현황 조회,출력"), QStringLiteral("일일 장비대여 현황"),
                   {{"RENT_NO", "대여번호", 90}, {"RENT_SEQ", "순번", 40, true}, {"RENT_STAT_NAME", "대여상태", 70},
                    {"EQUIP_GUBUN_NAME", "장비구분", 80}, {"EQUIP_NO", "장비번호", 70}, {"RENT_NAME", "대여자명", 80},
                    {"TEL_NO", "연락처", 100}, {"HEIGHT", "신장", 40, true}, {"WEIGHT", "체중", 40, true},
                    {"SHOES_SIZE_NAME", "신발규격", 60}, {"BINDING", "바인딩강도", 60, true},
                    {"TICKET_KIND_NAME", "권종", 90}, {"SVRL_RENT_FROM_DATE", "연일대여 시작일자", 90},
                    {"SVRL_RENT_TO_DATE", "연일대여 끝일자", 90}}},
                  parent)
{
    setConditions({
        Condition("RENT_DATE", QStringLiteral("*대여일자"), BIND(dtpDate)),
        Condition("AREA_GUBUN", QStringLiteral("*지역구분"), BIND(cboArea)).code("E0017"),
        Condition("RENT_STAT", QStringLiteral("*상태구분"), BIND(cboRentStat)).code("E0012").all().newLine(),
        Condition("TICKET_KIND", QStringLiteral("*권종구분"), BIND(cboTicketKind)).code("I0005").all(),
    });
}

Statement TfrmEBS060::statement()
{
    return ebs060(dtpDate->dateText(), cboArea->code(), cboRentStat->code(), cboTicketKind->code());
}
