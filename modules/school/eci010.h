#pragma once
// ECI010 스키클럽 수강,기록 등록: the ski club members of one season, each with personal data, what
// they want to learn and their instructor. Saved through PR_ECI010_01, which numbers new members.
#include "framework/ezi000.h"
#include "framework/fieldlookups.h"

class TfrmECI010 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI010(QWidget *parent = nullptr);

    TEdit *edtSeason;
    QPushButton *bbtSeason;
    TLabel *wlbSeason;
    TEdit *edtLectureNoBig;      // the large "수강번호" above the list, without behaviour
    QPushButton *bbtRecordInfo;  // "기록정보등록", without behaviour

    TLabel *wlbLectureNo;
    TEdit *edtMemberNo, *edtTrainerName, *edtAge, *edtAddr1, *wlbAddr2, *edtJob, *edtTel, *edtMobileNo, *edtEmail;
    TEdit *edtPlayerExp, *edtUseSkiPlace, *edtTrainerAbility, *edtEnterMotive, *edtLecturerEmpNo, *edtLecturerName;
    TEdit *edtSpeRemark, *edtRemark;
    TMaskEdit *wmeEnterDate, *wmeIdNo, *wmeZipCode;
    TCodeCombo *cboSex, *cboLectureItem, *cboLectureRec, *cboWantSkill;
    QPushButton *bbtMemberNo, *bbtZipCode, *bbtLecturerEmpNo;

protected:
    void search() override;

private:
    TSeasonField *m_season;
};
