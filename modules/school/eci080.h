#pragma once
// ECI080 제휴단체강습 등록: for one partner group, per lesson day the numbers of pupils and instructors
// by discipline and time of day, in two count matrices. Saved through PR_ECI080_01.
#include "framework/ezi000.h"

class TCountMatrix;
class TEventField;

class TfrmECI080 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI080(QWidget *parent = nullptr);

    TEdit *edtEventNo;
    QPushButton *bbtEventNo;
    TLabel *wlbEventNo;
    TMaskEdit *wmeLectureDate;
    TCountMatrix *mtxTrainerCnt, *mtxLecturerCnt;   // pupils and instructors
    TEventField *event;   // the partner group with its lookup

protected:
    void search() override;
    bool validateRow() override;
};
