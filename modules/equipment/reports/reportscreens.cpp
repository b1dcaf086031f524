#include "modules/equipment/reports/reportscreens.h"
#include "framework/fieldlookups.h"
#include "widgets/inputs.h"
#include <QFormLayout>
#include <QItemSelectionModel>

using namespace equipment_reports;

// ---- storage summaries

TfrmEBSStorageSummary::TfrmEBSStorageSummary(const TReportDefinition &report, StorageStatement rows,
                                             StorageStatement total, QWidget *parent)
    : TfrmReportList(report, parent), m_rows(rows), m_total(total)
{
    summarise(QStringLiteral("총  계"));
    addSeason();
    addArea(QStringLiteral("지역구분"));
    edtIpgoFrom = addOptionalDate("edtIpgoFrom", QStringLiteral("입고일자"));
    edtIpgoTo = addOptionalDate("edtIpgoTo", QStringLiteral("∼"));
}

bool TfrmEBSStorageSummary::validate()
{
    return checkSeason() && checkDates(edtIpgoFrom, edtIpgoTo, QStringLiteral("입고일자"));
}

Statement TfrmEBSStorageSummary::statement()
{
    return m_rows(season->code(), cboArea->code(), edtIpgoFrom->text(), edtIpgoTo->text());
}

Statement TfrmEBSStorageSummary::totalStatement()
{
    return m_total(season->code(), cboArea->code(), edtIpgoFrom->text(), edtIpgoTo->text());
}

QStringList TfrmEBSStorageSummary::conditionLines()
{
    return {seasonPair() + kBlanks + conditionLine({cboArea}),
            periodPair(QStringLiteral("입고일자"), edtIpgoFrom, edtIpgoTo)};
}

// ---- EBS060

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
    dtpDate = addDateEdit("dtpDate", QStringLiteral("*대여일자"));
    addArea();
    cboRentStat = addCodeCombo("cboRentStat", QStringLiteral("*상태구분"), "E0012", true);
    cboTicketKind = addCodeCombo("cboTicketKind", QStringLiteral("*권종구분"), "I0005", true);
}

Statement TfrmEBS060::statement()
{
    return ebs060(dtpDate->dateText(), cboArea->code(), cboRentStat->code(), cboTicketKind->code());
}

QStringList TfrmEBS060::conditionLines()
{
    return {conditionLine({dtpDate, cboArea}), conditionLine({cboRentStat, cboTicketKind})};
}

// ---- EBS070

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
    addArea();
}

Statement TfrmEBS070::statement() { return ebs070(cboArea->code()); }
QStringList TfrmEBS070::conditionLines() { return {conditionLine({cboArea})}; }

// ---- EBS080

TfrmEBS080::TfrmEBS080(QWidget *parent)
    : TfrmDayReport({"EBS080", QStringLiteral("시간대별 장비대여현황 조회,출력"), QStringLiteral("시간대별 장비대여 현황"),
                        {{"RENT_HOUR", "시간대", 120}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                         {"RENT_CNT", "대여현황", 80, true}}},
                       QStringLiteral("*대여일자"), ebs080, ebs080Total, parent)
{
    summarise(QStringLiteral("총    계"));
}

// ---- EBS090

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

// ---- EBS100

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
    addSeason();
    addArea(QStringLiteral("지역구분"));
    cboKeepStat = addCodeCombo("cboKeepStat", QStringLiteral("보관상태"), "E0015", true);
    cboKeepGubun = addCodeCombo("cboKeepGubun", QStringLiteral("보관구분"), "E0016", true);
    newConditionRow();
    cboEquipGubun = addCodeCombo("cboEquipGubun", QStringLiteral("장비구분"), "E0009", true);
    cboEquipNameGubun = addCodeCombo("cboEquipNameGubun", QStringLiteral("장비명구분"), "E0021", true);
    edtKeepName = addEdit("edtKeepName", QStringLiteral("보관자명"), 30);

    // The remaining fields of the current item, beside the grid.
    const QVector<TReportColumn> detail = {
        {"GUEST_NO", "고객번호", 0}, {"GUEST_NAME", "고객명", 0}, {"EQUIP_NAME_ETC", "장비명기타", 0},
        {"NATIVE_NO", "고유번호", 0}, {"POELS_YN", "폴 유무", 0}, {"POELS_NAME", "폴명", 0},
        {"IPGO_DATE", "입고일", 0}, {"CHULGO_DATE", "출고일", 0}, {"ZIP_CODE", "우편번호", 0},
        {"ADDR1", "주소", 0}, {"ADDR2", "상세주소", 0}, {"TEL_NO", "전화번호", 0}, {"MOBILE_NO", "핸드폰", 0},
        {"REMARK", "비고", 0}, {"CONF_QUESTION", "확인질문", 0}, {"CONF_ANSWER", "확인답변", 0}};
    auto *form = new QFormLayout(panInfo);
    for (const TReportColumn &c : detail) {
        rgrGrid->addColumn(QString::fromUtf8(c.field), QString::fromUtf8(c.title), 80).hidden();
        auto *value = new QLabel(panInfo);
        value->setObjectName(QStringLiteral("wlb") + QString::fromUtf8(c.field));
        form->addRow(QString::fromUtf8(c.title), value);
        detailLabels.insert(QString::fromUtf8(c.field), value);
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

QStringList TfrmEBS100::conditionLines()
{
    return {seasonPair() + kBlanks + conditionLine({cboArea}), conditionLine({cboKeepStat, cboKeepGubun}),
            conditionLine({cboEquipGubun, cboEquipNameGubun, edtKeepName})};
}

// ---- EBS110

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

// ---- EBS120 and EBS130

TfrmEBS120::TfrmEBS120(QWidget *parent)
    : TfrmEBSStorageSummary({"EBS120", QStringLiteral("보관종류별 현황 조회,출력"), QStringLiteral("보관 종류별 현황"),
                             {{"KEEP_GUBUN_NAME", "보관구분", 120}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                              {"KEEP_CNT", "보관현황", 80, true}}},
                            ebs120, ebs120Total, parent)
{
}

TfrmEBS130::TfrmEBS130(QWidget *parent)
    : TfrmEBSStorageSummary({"EBS130", QStringLiteral("지역별 보관 현황 조회,출력"), QStringLiteral("지역별 보관 현황"),
                             {{"REGION_NAME", "지역", 160}, {"EQUIP_GUBUN_NAME", "장비구분", 120},
                              {"KEEP_CNT", "보관현황", 80, true}}},
                            ebs130, ebs130Total, parent)
{
}
