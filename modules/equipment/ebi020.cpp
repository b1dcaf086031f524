#include "ebi020.h"
#include "core/utils.h"
#include "framework/sqltext.h"
#include "refdata/lookups.h"
#include <QGroupBox>
#include <QHBoxLayout>

TfrmEBI020::TfrmEBI020(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("장비등록"));
    cboAreaGubun = conditions()->addCodeCombo(QStringLiteral("cboAreaGubun"), QStringLiteral("*지역구분"), QStringLiteral("E0017"));
    cboEquipGubun = conditions()->addCodeCombo(QStringLiteral("cboEquipGubun"), QStringLiteral("*장비구분"), QStringLiteral("E0009"));

    grid()->addColumn(QStringLiteral("장비번호"), TGridColumn::Text, 70).bytes(5);
    grid()->addColumn(QStringLiteral("사이즈"), TGridColumn::Text, 70).pickList(QStringLiteral("E0010"));
    grid()->addColumn(QStringLiteral("장비대여가능여부"), TGridColumn::Text, 110)
        .pickList({QStringLiteral("Y"), QStringLiteral("N")}, {QStringLiteral("가능"), QStringLiteral("불가능")});
    grid()->addColumn(QStringLiteral("구입일자"), TGridColumn::Date, 90);
    grid()->addColumn(QStringLiteral("비고"), TGridColumn::Text, 200).bytes(60);
    grid()->addColumn(QStringLiteral("연일대여여부"), TGridColumn::Text, 40).hidden();
    grid()->addColumn(QStringLiteral("연일사용기간FROM"), TGridColumn::Text, 90).hidden();
    grid()->addColumn(QStringLiteral("연일사용기간TO"), TGridColumn::Text, 90).hidden();

    wlbEquipNo = body()->addLabel(QStringLiteral("wlbEquipNo"), QStringLiteral("장비번호"), QStringLiteral("장비번호"));
    cboEquipSizeGubun = body()->addCodeCombo(QStringLiteral("cboEquipSizeGubun"), QStringLiteral("*사이즈"), QStringLiteral("사이즈"));
    cboEquipRentYn = body()->addCodeCombo(QStringLiteral("cboEquipRentYn"), QStringLiteral("*장비대여\n 가능여부"),
                                          QStringLiteral("장비대여가능여부"));
    body()->newLine();
    wmeBuyDate = body()->addMaskEdit(QStringLiteral("wmeBuyDate"), QStringLiteral("*구입일자"), QStringLiteral("구입일자"),
                                     QStringLiteral("9999-99-99"));
    edtRemark = body()->addEdit(QStringLiteral("edtRemark"), QStringLiteral("비고"), QStringLiteral("비고"), 60);
    body()->newLine();
    body()->addControl(QString(), createSeveralDaysGroup(), 3);

    cboAreaGubun->setCurrentIndex(0);
    cboEquipGubun->setCurrentIndex(0);
    qryQuery->setSql(QStringLiteral(
        "SELECT T1.EQUIP_NO, T1.EQUIP_SIZE_GUBUN, T1.EQUIP_RENT_YN, T1.BUY_DATE, T1.REMARK, T1.SVRL_RENT_YN, "
        "       %1 AS SVRL_RENT_FROM_DATE, %2 AS SVRL_RENT_TO_DATE "
        "  FROM EB020MS T1 "
        "  LEFT JOIN EB040DT T2 "
        "    ON T2.AREA_GUBUN = T1.AREA_GUBUN AND T2.EQUIP_GUBUN = T1.EQUIP_GUBUN "
        "   AND T2.EQUIP_NO = T1.EQUIP_NO AND T2.RENT_DATE = T1.SVRL_FROM_DATE "
        "   AND T2.RENT_STAT = 'S' "
        " WHERE T1.AREA_GUBUN = :AREA_GUBUN "
        "   AND T1.EQUIP_GUBUN = :EQUIP_GUBUN "
        " ORDER  BY T1.EQUIP_SIZE_GUBUN, T1.EQUIP_NO")
                         .arg(dashedDate(QStringLiteral("T2.SVRL_RENT_FROM_DATE")), dashedDate(QStringLiteral("T2.SVRL_RENT_TO_DATE"))));
    prcSaveData->setProcedure(QStringLiteral("PR_EBI020_01"));
    setRowLeaveChecks(true);
}

// The running multi-day rental, read only: flag and period as the rental counter left them.
QGroupBox *TfrmEBI020::createSeveralDaysGroup()
{
    auto *group = new QGroupBox(QStringLiteral("연일사용기간"));
    group->setObjectName(QStringLiteral("grbSvrlRent"));
    auto *row = new QHBoxLayout(group);
    auto label = [group, row](const QString &name, const QString &caption, const QString &column) {
        auto *value = new TLabel(group);
        value->setObjectName(name);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(90);
        SetHint(value, column);
        if (!caption.isEmpty()) {
            auto *title = new QLabel(caption, group);
            title->setBuddy(value);   // a caption, kept when the panel is cleared
            row->addWidget(title);
        }
        row->addWidget(value);
        return value;
    };
    wlbSvrlRentYn = label(QStringLiteral("wlbSvrlRentYn"), QStringLiteral("연일대여여부"), QStringLiteral("연일대여여부"));
    wlbSvrlFromDate = label(QStringLiteral("wlbSvrlFromDate"), QString(), QStringLiteral("연일사용기간FROM"));
    wlbSvrlToDate = label(QStringLiteral("wlbSvrlToDate"), QStringLiteral("~"), QStringLiteral("연일사용기간TO"));
    row->addStretch(1);
    return group;
}

void TfrmEBI020::search()
{
    qryQuery->bind(QStringLiteral("AREA_GUBUN"), cboAreaGubun->code());
    qryQuery->bind(QStringLiteral("EQUIP_GUBUN"), cboEquipGubun->code());
    TfrmEZI000::search();
}

bool TfrmEBI020::validateRow()
{
    const int row = grid()->currentRow();
    if (row < 0)
        return true;
    if (cboEquipSizeGubun->isEmpty())
        return refuse(cboEquipSizeGubun, enterFirst(QStringLiteral("*사이즈")));
    if (cboEquipRentYn->isEmpty())
        return refuse(cboEquipRentYn, enterFirst(body()->captionOf(cboEquipRentYn)->text()));
    if (!refdata::HasSizeGroup(cboAreaGubun->code(), cboEquipGubun->code(), cboEquipSizeGubun->code()))
        return refuse(cboEquipSizeGubun, QStringLiteral("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r"
                                                        "공통코드를 확인 하십시요!"));
    if (wmeBuyDate->value().isEmpty())
        return refuse(wmeBuyDate, enterFirst(QStringLiteral("*구입일자")));
    if (!IsDateText(wmeBuyDate->value()))
        return refuse(wmeBuyDate, enterCorrectly(QStringLiteral("*구입일자")));
    return true;
}

bool TfrmEBI020::SaveData()
{
    prcSaveData->setParam(QStringLiteral("AAREA_GUBUN"), cboAreaGubun->code());
    prcSaveData->setParam(QStringLiteral("AEQUIP_GUBUN"), cboEquipGubun->code());
    return TfrmEZI000::SaveData();
}

void TfrmEBI020::save()
{
    TfrmEZI000::save();
    OpenRecordWhenEmpty();
}
