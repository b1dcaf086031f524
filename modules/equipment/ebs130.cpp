#include "ebs130.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS130::TfrmEBS130(QWidget *parent)
    : TfrmEBSStorageSummary({"EBS130", QStringLiteral("지역별 보관 현황 조회,출력"), QStringLiteral("지역별 보관 현황"),
                             {{"REGION_NAME", "지역", 160}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                              {"KEEP_CNT", "보관현황", 80, true}}},
                            ebs130, ebs130Total, parent)
{
}
