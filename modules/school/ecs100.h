#pragma once
#include "schoolreport.h"

class TMaskEdit;

// ECS100: the ski school trainees of a season, all or by receipt date or receipt number; the receipt
// is shown, on screen and in print, on the first of its trainees only.
class TfrmECS100 : public TfrmSchoolReport {
    Q_OBJECT
public:
    explicit TfrmECS100(QWidget *parent = nullptr);
    TCodeCombo *cboCondition = nullptr;
    TMaskEdit *wmeEnterDateFrom = nullptr, *wmeEnterDateTo = nullptr;
    TEdit *edtReceiptNoFrom = nullptr, *edtReceiptNoTo = nullptr;
protected:
    reportsql::Statement statement() override;
    void afterSearch() override;
};
