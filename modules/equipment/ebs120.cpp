#include "ebs120.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS120::TfrmEBS120(QWidget *parent)
    : TfrmEBSStorageSummary({"EBS120", QStringLiteral("보관종류별 현황 조회,출력"), QStringLiteral("보관 종류별 현황"),
                             {{"KEEP_GUBUN_NAME", "보관구분", 120}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                              {"KEEP_CNT", "보관현황", 80, true}}},
                            ebs120, ebs120Total, parent)
{
}
