#include "ebs080.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS080::TfrmEBS080(QWidget *parent)
    : TfrmDayReport({"EBS080", QStringLiteral("시간대별 장비대여현황 조회,출력"), QStringLiteral("시간대별 장비대여 현황"),
                        {{"RENT_HOUR", "시간대", 120}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                         {"RENT_CNT", "대여현황", 80, true}}},
                       QStringLiteral("*대여일자"), ebs080, ebs080Total, parent)
{
    summarise(QStringLiteral("총    계"));
}
