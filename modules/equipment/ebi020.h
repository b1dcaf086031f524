#pragma once
// EBI020 장비등록: the rental equipment of an area and kind, with a read-only view of a running
// multi-day rental.
#include "framework/ezi000.h"

class QGroupBox;

class TfrmEBI020 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmEBI020(QWidget *parent = nullptr);

    TCodeCombo *cboAreaGubun;
    TCodeCombo *cboEquipGubun;
    TLabel *wlbEquipNo;
    TCodeCombo *cboEquipSizeGubun;
    TCodeCombo *cboEquipRentYn;
    TMaskEdit *wmeBuyDate;
    TEdit *edtRemark;
    TLabel *wlbSvrlRentYn;
    TLabel *wlbSvrlFromDate;
    TLabel *wlbSvrlToDate;

private:
    bool checkSizeGroup();
    QGroupBox *createSeveralDaysGroup();
};
