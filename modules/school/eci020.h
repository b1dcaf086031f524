#pragma once
// ECI020 스키학교 수강/기록 등록: the trainees of one ski school receipt of a season, each with the
// lesson booked and the instructor's assessment. Saved through PR_ECI020_01, which numbers new trainees.
#include "framework/ezi000.h"
#include "framework/fieldlookups.h"

class QPlainTextEdit;

class TfrmECI020 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmECI020(QWidget *parent = nullptr);

    TEdit *edtSeason, *edtReceiptNo;
    QPushButton *bbtSeason, *bbtReceiptNo;
    TLabel *wlbSeason, *wlbReceiptName, *wlbReceiptEnterDate;

    TLabel *wlbReceiptSeq;
    TEdit *edtMemberNo, *edtTrainerName, *edtAge, *edtAddr1, *wlbAddr2, *edtTel, *edtMobileNo;
    TEdit *edtLecturerEmpNo, *edtLecturerName, *edtSpeRemark, *edtRemark;
    TMaskEdit *wmeIdNo, *wmeZipCode;
    TCodeCombo *cboSex, *cboLectureItem, *cboLectureRec, *cboLectureDetail;
    QPlainTextEdit *memTrainTest, *memLecturerView, *memNextTrainContent;
    QPushButton *bbtMemberNo, *bbtZipCode, *bbtLecturerEmpNo;

public slots:
    void bbtReceiptNoClick();

protected:
    void search() override;

private:
    void showReceipt();
    void padReceiptNo();
    TSeasonField *m_season;
};
