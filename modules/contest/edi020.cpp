#include "edi020.h"
#include "framework/fieldlookups.h"
#include <QPushButton>

TfrmEDI020::TfrmEDI020(QWidget *parent) : TfrmEZI000(parent)
{
    setObjectName(QStringLiteral("frmEDI020"));
    setWindowTitle(QStringLiteral("뱃지테스트 참가자 등록"));
    edtSeason = conditions()->addEdit("edtSeason", "*시즌", {}, 2);
    edtSeason->setMaximumWidth(60);
    bbtSeason = conditions()->addLookupButton(edtSeason, "bbtSeason");
    wlbSeason = conditions()->addLabel("wlbSeason", QString());
    m_season = new TSeasonField(edtSeason, bbtSeason, wlbSeason);
    // a season chosen in its dialog is searched at once
    connect(m_season, &TSeasonField::chosen, this, &TfrmEDI020::bbtSearchClick);

    const QString enterName = enterFirst(QStringLiteral("참가자명"));
    setFields({
        Field("RECV_NO", "접수번호", BIND(wlbRecvNo)).sql("TO_CHAR(RECV_NO, 'FM000000')").width(70),
        Field("APPLY_DATE", "신청일", BIND(wmeApplyDate)).date().captioned("*신청일").width(90),
        // the name is checked under the caption of its group, not the label "*한글"
        Field("ENTRY_NAME_KOR", "참가자명", BIND(edtEntryNameKor)).bytes(30).captioned("한글").width(100)
            .group("참가자명")
            .thenCheck([this, enterName] {
                return !edtEntryNameKor->text().trimmed().isEmpty() || refuse(edtEntryNameKor, enterName);
            }),
        Field("ENTRY_NAME_CHI", "참가자명(한문)", BIND(edtEntryNameChi)).bytes(30).captioned("한문").hidden()
            .group("참가자명"),
        Field("ENTRY_NAME_ENG", "참가자명(영문)", BIND(edtEntryNameEng)).bytes(30).captioned("영문").hidden()
            .group("참가자명"),
        // the registration number is listed in its display form under its own name, so it is sent back
        // to the procedure, which keeps the stored number for an unchanged masked one
        Field("ID_NO", "주민등록번호", BIND(wmeIdNo)).sql("FN_ZA010MS_04(ID_NO)").mask("999999-9999999")
            .captioned("*주민등록번호").width(120).newLine(),
        Field("SKI_SKILL", "스키경력", BIND(edtSkiSkill)).bytes(40).hidden(),
        // home and office: telephone, fax, zip code with its address and the rest of it
        Field("HOME_TEL_NO", "전화번호(자택)", BIND(edtHomeTelNo)).captioned("전화번호").bytes(20).hidden()
            .group("자택정보"),
        Field("HOME_FAX_NO", "FAX번호(자택)", BIND(edtHomeFaxNo)).captioned("FAX번호").bytes(20).hidden()
            .group("자택정보"),
        Field("HOME_ZIP_CODE", "우편번호(자택)", BIND(wmeHomeZipCode)).captioned("주소").mask("999-999")
            .lookup(BIND(bbtHomeZipCode)).newLine().hidden().group("자택정보"),
        Field("HOME_ADDR1", "주소1(자택)", BIND(edtHomeAddr1)).captioned({}).bytes(60).readOnly().hidden()
            .group("자택정보"),
        Field("HOME_ADDR2", "주소2(자택)", BIND(wlbHomeAddr2)).captioned({}).bytes(60).hidden().group("자택정보"),
        Field("OFFICE_TEL_NO", "전화번호(직장)", BIND(edtOfficeTelNo)).captioned("전화번호").bytes(20).hidden()
            .group("직장정보"),
        Field("OFFICE_FAX_NO", "FAX번호(직장)", BIND(edtOfficeFaxNo)).captioned("FAX번호").bytes(20).hidden()
            .group("직장정보"),
        Field("OFFICE_ZIP_CODE", "우편번호(직장)", BIND(wmeOfficeZipCode)).captioned("주소").mask("999-999")
            .lookup(BIND(bbtOfficeZipCode)).newLine().hidden().group("직장정보"),
        Field("OFFICE_ADDR1", "주소1(직장)", BIND(edtOfficeAddr1)).captioned({}).bytes(60).readOnly().hidden()
            .group("직장정보"),
        Field("OFFICE_ADDR2", "주소2(직장)", BIND(edtOfficeAddr2)).captioned({}).bytes(60).hidden()
            .group("직장정보"),
        Field("MOBILE_NO", "핸드폰번호", BIND(edtMobileNo)).bytes(20).captioned("*핸드폰번호").hidden().newLine(),
        Field("EMAIL", "이메일", BIND(edtEmail)).bytes(40).captioned("e-Mail").hidden(),
        // the class and the fee carry an asterisk but are not checked
        Field("APPLY_CLASS", "신청급수", BIND(cboApplyClass)).code("E0026").captioned("신청급수").hidden().newLine(),
        Field("APPLY_AMT", "참가비", BIND(wneApplyAmt)).digits(9).unit("원").captioned("참가비").hidden(),
        Version(),
    });
    // marked as required on screen; the name is checked by its own rule, the class and the fee not at all
    for (QWidget *w : {static_cast<QWidget *>(edtEntryNameKor), static_cast<QWidget *>(cboApplyClass),
                       static_cast<QWidget *>(wneApplyAmt)})
        if (QLabel *caption = body()->captionOf(w))
            caption->setText(QLatin1Char('*') + caption->text());

    bindZipCode(wmeHomeZipCode, edtHomeAddr1, bbtHomeZipCode, wlbHomeAddr2);
    bindZipCode(wmeOfficeZipCode, edtOfficeAddr1, bbtOfficeZipCode, edtOfficeAddr2);

    setLoadQuery(QStringLiteral("FROM ED020MS WHERE SEASON_GUBUN = :SEASON_GUBUN ORDER BY ED020MS.RECV_NO"));
    prcSaveData->setProcedure(QStringLiteral("PR_EDI020_01"));
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
    if (cboApplyClass->count() > 0)
        cboApplyClass->setCurrentIndex(0);
}

void TfrmEDI020::search()
{
    if (!m_season->check())
        return;
    qryQuery->bind("SEASON_GUBUN", m_season->code());
    TfrmEZI000::search();
}

bool TfrmEDI020::SaveData()
{
    prcSaveData->setParam("ASEASON_GUBUN", m_season->code());
    return TfrmEZI000::SaveData();
}
