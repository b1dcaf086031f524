#include "ebs100.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

TfrmEBS100::TfrmEBS100(QWidget *parent)
    : TfrmReportList({"EBS100", QStringLiteral("장비보관 현황 조회,출력"), QStringLiteral("장비보관 현황"),
                   {{"KEEP_NO", "보관번호", 90}, {"KEEP_STAT_NAME", "보관상태", 70}, {"KEEP_GUBUN_NAME", "보관구분", 70},
                    {"EQUIP_GUBUN_NAME", "장비구분", 80}, {"EQUIP_NAME_GUBUN_NAME", "장비명구분", 80},
                    {"MEMBER_NO", "회원번호", 80}, {"KEEP_NAME", "보관자명", 80}, {"KEEP_BOX_NO", "보관함번호", 70}}},
                  parent)
{
    m_layoutColumns = {{"KEEP_NO", "보관번호", 90}, {"KEEP_STAT_NAME", "보관상태", 60}, {"KEEP_GUBUN_NAME", "보관구분", 60},
                       {"EQUIP_GUBUN_NAME", "장비구분", 70}, {"EQUIP_NAME_GUBUN_NAME", "장비명", 70},
                       {"NATIVE_NO", "고유번호", 80}, {"POELS_YN", "폴유무", 40}, {"IPGO_DATE", "입고일", 80},
                       {"CHULGO_DATE", "출고일", 80}, {"MEMBER_NO", "회원번호", 70}, {"KEEP_NAME", "보관자명", 70},
                       {"KEEP_BOX_NO", "보관함번호", 60}};
    setConditions({
        SeasonCondition(),
        Condition("AREA_GUBUN", QStringLiteral("지역구분"), BIND(cboArea)).code("E0017"),
        Condition("KEEP_STAT", QStringLiteral("보관상태"), BIND(cboKeepStat)).code("E0015").all().newLine(),
        Condition("KEEP_GUBUN", QStringLiteral("보관구분"), BIND(cboKeepGubun)).code("E0016").all(),
        TReportCondition(Condition("EQUIP_GUBUN", QStringLiteral("장비구분"), BIND(cboEquipGubun)).code("E0009").all().newLine())
            .nextRow(),
        Condition("EQUIP_NAME_GUBUN", QStringLiteral("장비명구분"), BIND(cboEquipNameGubun)).code("E0021").all(),
        Condition("KEEP_NAME", QStringLiteral("보관자명"), BIND(edtKeepName)).bytes(30),
    });

    // The remaining fields of the current item, beside the grid.
    const QVector<TColumn> detail = {
        {"GUEST_NO", "고객번호", 0}, {"GUEST_NAME", "고객명", 0}, {"EQUIP_NAME_ETC", "장비명기타", 0},
        {"NATIVE_NO", "고유번호", 0}, {"POELS_YN", "폴 유무", 0}, {"POELS_NAME", "폴명", 0},
        {"IPGO_DATE", "입고일", 0}, {"CHULGO_DATE", "출고일", 0}, {"ZIP_CODE", "우편번호", 0},
        {"ADDR1", "주소", 0}, {"ADDR2", "상세주소", 0}, {"TEL_NO", "전화번호", 0}, {"MOBILE_NO", "핸드폰", 0},
        {"REMARK", "비고", 0}, {"CONF_QUESTION", "확인질문", 0}, {"CONF_ANSWER", "확인답변", 0}};
    auto *form = new QFormLayout(panInfo);
    for (const TColumn &c : detail) {
        rgrGrid->addColumn(c.field, c.title, 80).hidden();
        auto *value = new QLabel(panInfo);
        value->setObjectName(QStringLiteral("wlb") + c.field);
        form->addRow(c.title, value);
        detailLabels.insert(c.field, value);
    }
    panInfo->show();
    connect(rgrGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showDetail(current.row()); });
}

void TfrmEBS100::showDetail(int row)
{
    for (auto it = detailLabels.begin(); it != detailLabels.end(); ++it)
        it.value()->setText(row < 0 ? QString() : cdsQuery->text(row, it.key()));
}

Statement TfrmEBS100::statement()
{
    return ebs100({season->code(), cboArea->code(), cboKeepStat->code(), cboKeepGubun->code(),
                   cboEquipGubun->code(), cboEquipNameGubun->code(), edtKeepName->text()});
}
