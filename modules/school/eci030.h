#pragma once
// ECI030 강사배정 등록: the instructors assigned on one day, each to a lesson area and lesson detail,
// with their team and grade. Saved through PR_ECI030_01.
#include "framework/ezi000.h"

class TfrmECI030 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI030(QWidget *parent = nullptr);

    TDateEdit *dtpDate;
    TEdit *edtLecturerEmpNo, *edtLecturerName, *edtLecturerTeam, *edtLecturerGubun, *edtRemark;
    TEdit *edtLecturerTeamName, *edtLecturerGubunName;
    TCodeCombo *cboArea, *cboLectureDetail, *cboLectureItem, *cboLectureRec;
    TNumericEdit *wneLectureCnt;
    QPushButton *bbtLecturerEmpNo;

protected:
    void search() override;
    bool validateRow() override;
};
