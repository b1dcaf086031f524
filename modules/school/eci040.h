#pragma once
// ECI040 직원예약 기준정보 등록: per day, the lessons open to staff reservation and their capacity.
#include "framework/ezi000.h"

class QPlainTextEdit;

class TfrmECI040 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI040(QWidget *parent = nullptr);

    TDateEdit *dtpDate;
    TCodeCombo *cboLectureItem;
    TCodeCombo *cboLectureRec;
    TCodeCombo *cboLectureDetail;
    TNumericEdit *wneYaeyakAbilityCnt;
    QPlainTextEdit *memMessage;

protected:
    bool validateRow() override;
};
