#pragma once
// ECI070 강습사고 등록: the accidents during lessons on one day, with the instructor in charge, the
// victim, the other party and what happened. Saved through PR_ECI070_01, which numbers new accidents.
#include "framework/ezi000.h"

class TfrmECI070 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI070(QWidget *parent = nullptr);

    TDateEdit *dtpDate;
    TLabel *wlbSeqNo;
    TEdit *edtTrobName, *edtLecturerEmpNo, *edtLecturerName, *edtTrobPlace;
    TMaskEdit *edtTrobTime;
    TEdit *edtLossName, *edtLossJob, *edtLossTelNo, *edtLossAddr1, *wlbLossAddr2;
    TEdit *edtOffenseName, *edtOffenseJob, *edtOffenseTelNo, *edtOffenseAddr1, *edtOffenseAddr2;
    TMaskEdit *edtLossIdNo, *wmeLossZipCode, *edtOffenseIdNo, *wmeOffenseZipCode;
    TEdit *edtTrobRemark, *edtTrobInjury, *edtTrobAfter, *edtTrobWitnesses;
    QPushButton *bbtLecturerEmpNo, *bbtLossZipCode, *bbtOffenseZipCode;
};
