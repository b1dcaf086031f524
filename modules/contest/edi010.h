#pragma once
// EDI010 스키대회 등록: the competitions of one day, run by outside associations on the resort's slopes.
#include "framework/ezi000.h"

class TfrmEDI010 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmEDI010(QWidget *parent = nullptr);

    TDateEdit *dtpDate;
    TLabel *wlbSqqNo;
    TEdit *edtGameName, *edtSocietyName, *edtSocietyRep, *edtTelNo, *edtGameContent, *edtGameScale;
    TCodeCombo *cboSlope;
    TNumericEdit *wneSlopeAmt;
    TEdit *edtProblem, *edtRemark;
};
