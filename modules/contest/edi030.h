#pragma once
// EDI030 뱃지테스트 심사 등록: the judging sheets of one season and examination day, one per applicant,
// with three judges' names and scores.
#include "framework/ezi000.h"

class QPushButton;
class TJudgeGroup;
class TSeasonField;

class TfrmEDI030 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmEDI030(QWidget *parent = nullptr);

    TEdit *edtSeason;
    QPushButton *bbtSeason;
    TLabel *wlbSeason;
    TDateEdit *dtpDate;

    TEdit *edtRecvNo;
    QPushButton *bbtRecvNo;
    TEdit *edtEntryNameKor, *edtApplyClass;
    TMaskEdit *wmeApplyDate, *wmeIdNo;
    TJudgeGroup *grpExaminerA, *grpExaminerB, *grpExaminerC;
    TEdit *edtExaminerA, *edtExaminerB, *edtExaminerC;

public slots:
    void bbtRecvNoClick();

protected:
    void search() override;
    bool validateRow() override;
    bool SaveData() override;

private:
    void showApplicant();     // the applicant of the typed receipt number
    void clearApplicant();    // the four inputs read from the applicant
    TSeasonField *m_season;
};
