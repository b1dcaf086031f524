#include "edi020.h"
#include "framework/fieldlookups.h"
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

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
            .thenCheck([this, enterName] {
                return !edtEntryNameKor->text().trimmed().isEmpty() || refuse(edtEntryNameKor, enterName);
            }),
        // the registration number is listed in its display form under its own name, so it is sent back
        // to the procedure, which keeps the stored number for an unchanged masked one
        Field("ID_NO", "주민등록번호", BIND(wmeIdNo)).sql("FN_ZA010MS_04(ID_NO)").mask("999999-9999999")
            .captioned("*주민등록번호").width(120),
        Field("ENTRY_NAME_CHI", "참가자명(한문)", BIND(edtEntryNameChi)).bytes(30).captioned("한문").hidden(),
        Field("ENTRY_NAME_ENG", "참가자명(영문)", BIND(edtEntryNameEng)).bytes(30).captioned("영문").hidden(),
        Field("SKI_SKILL", "스키경력", BIND(edtSkiSkill)).bytes(40).hidden(),
        // home and office: in their groups below (placed by the screen, bound by their hints)
        Column("HOME_TEL_NO", "전화번호(자택)").hidden(),
        Column("HOME_FAX_NO", "FAX번호(자택)").hidden(),
        Column("HOME_ZIP_CODE", "우편번호(자택)").hidden(),
        Column("HOME_ADDR1", "주소1(자택)").hidden(),
        Column("HOME_ADDR2", "주소2(자택)").hidden(),
        Column("OFFICE_TEL_NO", "전화번호(직장)").hidden(),
        Column("OFFICE_FAX_NO", "FAX번호(직장)").hidden(),
        Column("OFFICE_ZIP_CODE", "우편번호(직장)").hidden(),
        Column("OFFICE_ADDR1", "주소1(직장)").hidden(),
        Column("OFFICE_ADDR2", "주소2(직장)").hidden(),
        Field("MOBILE_NO", "핸드폰번호", BIND(edtMobileNo)).bytes(20).captioned("*핸드폰번호").hidden().newLine(),
        Field("EMAIL", "이메일", BIND(edtEmail)).bytes(40).captioned("e-Mail").hidden(),
        // the class and the fee carry an asterisk but are not checked
        Field("APPLY_CLASS", "신청급수", BIND(cboApplyClass)).code("E0026").captioned("신청급수").hidden().newLine(),
        Field("APPLY_AMT", "참가비", BIND(wneApplyAmt)).digits(9).captioned("참가비").hidden(),
    });
    // marked as required on screen; the name is checked by its own rule, the class and the fee not at all
    for (QWidget *w : {static_cast<QWidget *>(edtEntryNameKor), static_cast<QWidget *>(cboApplyClass),
                       static_cast<QWidget *>(wneApplyAmt)})
        if (QLabel *caption = body()->captionOf(w))
            caption->setText(QLatin1Char('*') + caption->text());
    wneApplyAmt->setToolTip(QStringLiteral("원"));

    // the groups "자택정보" and "직장정보": telephone, fax, zip code with its address and the rest of it
    struct Place {
        TEdit **tel, **fax;
        TMaskEdit **zip;
        QPushButton **lookup;
        TEdit **addr1, **addr2;
    };
    auto group = [this](const QString &title, const QString &name, const QString &suffix, const QString &kind,
                        const Place &p) {
        auto *box = new QGroupBox(title);
        box->setObjectName(QStringLiteral("grp") + name);
        auto *panel = new TFieldPanel(box, 3);
        (new QVBoxLayout(box))->addWidget(panel);
        connect(panel, &TFieldPanel::controlAdded, this, &TfrmEZI000::attachDetailControl);
        *p.tel = panel->addEdit("edt" + name + "TelNo", "전화번호", "전화번호(" + kind + ")", 20);
        *p.fax = panel->addEdit("edt" + name + "FaxNo", "FAX번호", "FAX번호(" + kind + ")", 20);
        panel->newLine();
        *p.zip = panel->addMaskEdit("wme" + name + "ZipCode", "주소", "우편번호(" + kind + ")", "999-999");
        *p.lookup = panel->addLookupButton(*p.zip, "bbt" + name + "ZipCode");
        *p.addr1 = panel->addEdit("edt" + name + "Addr1", QString(), "주소1(" + kind + ")");
        (*p.addr1)->setReadOnly(true);
        (*p.addr1)->setFocusPolicy(Qt::NoFocus);
        *p.addr2 = panel->addEdit(suffix, QString(), "주소2(" + kind + ")", 60);
        body()->addControl(QString(), box, 3);
    };
    body()->newLine();
    group(QStringLiteral("자택정보"), QStringLiteral("Home"), QStringLiteral("wlbHomeAddr2"), QStringLiteral("자택"),
          {&edtHomeTelNo, &edtHomeFaxNo, &wmeHomeZipCode, &bbtHomeZipCode, &edtHomeAddr1, &wlbHomeAddr2});
    group(QStringLiteral("직장정보"), QStringLiteral("Office"), QStringLiteral("edtOfficeAddr2"), QStringLiteral("직장"),
          {&edtOfficeTelNo, &edtOfficeFaxNo, &wmeOfficeZipCode, &bbtOfficeZipCode, &edtOfficeAddr1, &edtOfficeAddr2});
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
