#pragma once
// EDI020 뱃지테스트 참가자 등록: the badge-test applicants of one season, numbered by receipt.
#include "framework/ezi000.h"

class QPushButton;
class TSeasonField;

class TfrmEDI020 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmEDI020(QWidget *parent = nullptr);

    TEdit *edtSeason;
    QPushButton *bbtSeason;
    TLabel *wlbSeason;

    TLabel *wlbRecvNo;
    TMaskEdit *wmeApplyDate, *wmeIdNo, *wmeHomeZipCode, *wmeOfficeZipCode;
    TEdit *edtEntryNameKor, *edtEntryNameChi, *edtEntryNameEng, *edtSkiSkill;
    TEdit *edtHomeTelNo, *edtHomeFaxNo, *edtHomeAddr1, *wlbHomeAddr2;
    TEdit *edtOfficeTelNo, *edtOfficeFaxNo, *edtOfficeAddr1, *edtOfficeAddr2;
    TEdit *edtMobileNo, *edtEmail;
    TCodeCombo *cboApplyClass;
    TNumericEdit *wneApplyAmt;
    QPushButton *bbtHomeZipCode, *bbtOfficeZipCode;

protected:
    void search() override;
    bool SaveData() override;

private:
    TSeasonField *m_season;
};
