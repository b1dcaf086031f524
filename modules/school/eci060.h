#pragma once
// ECI060 사설강습 등록: the lessons given on one day by outside instructors, with the fee. Saved
// through PR_ECI060_01, which numbers new lessons within the day.
#include "framework/ezi000.h"

class TfrmECI060 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI060(QWidget *parent = nullptr);

    TDateEdit *dtpDate;
    TLabel *lblLectureSeq;
    TEdit *edtLecturerName, *edtTel, *edtIssueNo, *edtRemark;
    TCodeCombo *cboLectureItem, *cboLectureRec, *cboLectureDetail;
    TNumericEdit *wneLectureAmt;
};
