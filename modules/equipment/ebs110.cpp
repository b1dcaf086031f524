#include "ebs110.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS110::TfrmEBS110(QWidget *parent)
    : TfrmDayReport({"EBS110", QStringLiteral("미출고 장비보관 현황 조회,출력"), QStringLiteral("미출고 장비보관 현황"),
                        {{"KEEP_NO", "보관번호", 90}, {"MEMBER_NO", "회원번호", 80}, {"KEEP_NAME", "보관자명", 80},
                         {"KEEP_BOX_NO", "보관함번호", 70}, {"KEEP_GUBUN_NAME", "보관구분", 70},
                         {"EQUIP_GUBUN_NAME", "장비구분", 80}, {"EQUIP_NAME_GUBUN_NAME", "장비명", 80},
                         {"EQUIP_NAME_ETC", "장비명기타", 100}, {"NATIVE_NO", "고유번호", 80}, {"POELS_YN", "폴 유무", 50},
                         {"POELS_NAME", "폴명", 70}, {"IPGO_DATE", "입고일", 80}, {"CHULGO_DATE", "출고일", 80},
                         {"MOBILE_NO", "연락처(핸드폰)", 100}}},
                       QStringLiteral("*기준일자"), ebs110, nullptr, parent)
{
}
