#include "ebi020.h"
#include "framework/sqltext.h"
#include "refdata/lookups.h"
#include <QGroupBox>
#include <QHBoxLayout>

TfrmEBI020::TfrmEBI020(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("장비등록"));
    setFields({
        Condition("AREA_GUBUN", "*지역구분", BIND(cboAreaGubun)).code("E0017"),
        Condition("EQUIP_GUBUN", "*장비구분", BIND(cboEquipGubun)).code("E0009"),
        Field("EQUIP_NO", "장비번호", BIND(wlbEquipNo)).sql("T1.EQUIP_NO").bytes(5).width(70),
        Field("EQUIP_SIZE_GUBUN", "*사이즈", BIND(cboEquipSizeGubun)).sql("T1.EQUIP_SIZE_GUBUN").code("E0010").width(70),
        Field("EQUIP_RENT_YN", "*장비대여가능여부", BIND(cboEquipRentYn)).sql("T1.EQUIP_RENT_YN")
            .code({"Y", "N"}, {QStringLiteral("가능"), QStringLiteral("불가능")}).width(110)
            .captioned(QStringLiteral("*장비대여\n 가능여부"))
            .thenCheck([this] { return checkSizeGroup(); }),
        Field("BUY_DATE", "*구입일자", BIND(wmeBuyDate)).sql("T1.BUY_DATE").date().width(90).newLine(),
        Field("REMARK", "비고", BIND(edtRemark)).sql("T1.REMARK").bytes(60).width(200),
        Column("SVRL_RENT_YN", "연일대여여부").sql("T1.SVRL_RENT_YN").width(40).hidden(),
        Column("SVRL_RENT_FROM_DATE", "연일사용기간FROM").sql(dashedDate("T2.SVRL_RENT_FROM_DATE")).width(90).hidden(),
        Column("SVRL_RENT_TO_DATE", "연일사용기간TO").sql(dashedDate("T2.SVRL_RENT_TO_DATE")).width(90).hidden(),
        Version("T1.ROW_VERSION"),
    });
    body()->newLine();
    body()->addControl(QString(), createSeveralDaysGroup(), 3);
    setLoadQuery(QStringLiteral(
        "  FROM EB020MS T1 "
        "  LEFT JOIN EB040DT T2 "
        "    ON T2.AREA_GUBUN = T1.AREA_GUBUN AND T2.EQUIP_GUBUN = T1.EQUIP_GUBUN "
        "   AND T2.EQUIP_NO = T1.EQUIP_NO AND T2.RENT_DATE = T1.SVRL_FROM_DATE "
        "   AND T2.RENT_STAT = 'S' "
        " WHERE T1.AREA_GUBUN = :AREA_GUBUN "
        "   AND T1.EQUIP_GUBUN = :EQUIP_GUBUN "
        " ORDER  BY T1.EQUIP_SIZE_GUBUN, T1.EQUIP_NO"));
    prcSaveData->setProcedure(QStringLiteral("PR_EBI020_01"));
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
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

// Sizes come from the code group of the area and equipment kind; one without a group cannot be rented.
bool TfrmEBI020::checkSizeGroup()
{
    if (refdata::HasSizeGroup(cboAreaGubun->code(), cboEquipGubun->code(), cboEquipSizeGubun->code()))
        return true;
    return refuse(cboEquipSizeGubun, QStringLiteral("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r"
                                                    "공통코드를 확인 하십시요!"));
}
