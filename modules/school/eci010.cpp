#include "eci010.h"
#include "schoolfields.h"
#include <QPushButton>

TfrmECI010::TfrmECI010(QWidget *parent) : TfrmEZI000(parent)
{
    setWindowTitle(QStringLiteral("스키클럽 수강,기록 등록"));
    setFields({
        Condition("SEASON_GUBUN", "*시즌", BIND(edtSeason)).bytes(2).lookup(BIND(bbtSeason)),
        Field("LECTURE_NO", "수강번호", BIND(wlbLectureNo)).sql("TO_CHAR(LECTURE_NO, 'FM00000000')").bytes(16).width(80),
        Field("MEMBER_NO", "회원번호", BIND(edtMemberNo)).bytes(10).width(90).lookup(BIND(bbtMemberNo)),
        Field("TRAINER_NAME", "*수강자명", BIND(edtTrainerName)).bytes(30).width(100),
        Field("ENTER_DATE", "*등록일자", BIND(wmeEnterDate)).date().hidden(),
        Field("SEX", "*성별", BIND(cboSex)).code("Z0008").hidden(),
        Field("AGE", "*나이", BIND(edtAge)).bytes(3).hidden(),
        // shown as the display function gives it, under its own name so a typed number reaches the procedure
        Field("ID_NO", "*주민등록번호", BIND(wmeIdNo)).sql("FN_ZA010MS_04(ID_NO)").mask("999999-9999999").hidden(),
        Field("ZIP_CODE", "우편번호", BIND(wmeZipCode)).mask("999-999").captioned("주소").newLine()
            .lookup(BIND(bbtZipCode)).hidden(),
        Field("ADDR1", "주소1", BIND(edtAddr1)).captioned({}).bytes(60).readOnly().hidden(),
        Field("ADDR2", "주소2", BIND(wlbAddr2)).captioned({}).bytes(60).hidden(),
        Field("JOB", "직업", BIND(edtJob)).bytes(40).newLine().hidden(),
        Field("TEL_NO", "*연락처(자택)", BIND(edtTel)).bytes(20).hidden(),
        Field("MOBILE_NO", "연락처(핸드폰)", BIND(edtMobileNo)).bytes(20).hidden(),
        Field("EMAIL", "이메일", BIND(edtEmail)).captioned("e-Mail").bytes(40).hidden(),
        Field("PLAYER_EXP", "선수경험", BIND(edtPlayerExp)).bytes(80).hidden(),
        Field("LECTURE_ITEM_GUBUN", "강습종목구분", BIND(cboLectureItem)).code("E0022").newLine().hidden(),
        Field("LECTURE_REC_GUBUN", "강습접수구분", BIND(cboLectureRec)).code("E0023").hidden(),
        Field("WANT_SKILL_GUBUN", "희망습득기술구분", BIND(cboWantSkill)).code("E0025").hidden(),
        Field("USE_SKI_PLACE", "주이용스키장", BIND(edtUseSkiPlace)).bytes(40).newLine().hidden(),
        Field("TRAINER_ABILITY", "수강자실력", BIND(edtTrainerAbility)).bytes(80).hidden(),
        Field("ENTER_MOTIVE", "입학동기", BIND(edtEnterMotive)).bytes(80).hidden(),
        Field("LECTURER_EMP_NO", "담당강사사번", BIND(edtLecturerEmpNo)).bytes(8).newLine()
            .lookup(BIND(bbtLecturerEmpNo)).hidden(),
        Field("LECTURER_NAME", "담당강사명", BIND(edtLecturerName)).bytes(30).readOnly().hidden(),
        Field("SPE_REMARK", "특이사항", BIND(edtSpeRemark)).bytes(80).newLine().hidden(),
        Field("REMARK", "비고", BIND(edtRemark)).bytes(80).hidden(),
        Version(),
    });
    setCheckOrder({"ENTER_DATE", "TRAINER_NAME", "ID_NO", "TEL_NO", "SEX", "AGE"});
    wlbSeason = conditions()->addLabel("wlbSeason", QString());
    m_season = new TSeasonField(edtSeason, bbtSeason, wlbSeason);
    connect(m_season, &TSeasonField::chosen, this, &TfrmZZI010::bbtSearchClick);
    edtLectureNoBig = conditions()->addEdit("edtLectureNoBig", QStringLiteral("수강번호"));
    QFont big = edtLectureNoBig->font();
    big.setPointSize(big.pointSize() * 3 / 2);
    edtLectureNoBig->setFont(big);
    bbtRecordInfo = addButton("bbtRecordInfo", QStringLiteral("기록정보등록"), true);

    BindMember(this, edtMemberNo, bbtMemberNo, edtTrainerName, cboSex);
    bindZipCode(wmeZipCode, edtAddr1, bbtZipCode, wlbAddr2);
    BindLecturer(this, edtLecturerEmpNo, bbtLecturerEmpNo, edtLecturerName, edtSpeRemark);

    // listed by enrolment number, so the reload after a save comes back to the same member
    setLoadQuery("FROM EC010MS WHERE SEASON_GUBUN = :SEASON_GUBUN ORDER BY EC010MS.LECTURE_NO");
    prcSaveData->setProcedure("PR_ECI010_01");
    setRowLeaveChecks(true);
    setOpenRecordAfterSave(true);
}

void TfrmECI010::search()
{
    if (!m_season->check())
        return;
    TfrmEZI000::search();
}
