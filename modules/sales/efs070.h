#pragma once
#include "salesscreen.h"

class TfrmEFS070 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS070(QWidget *parent = nullptr);
    TCodeCombo *cboMemGubun, *cboTicket, *cboDcRate;
    void readDcRates();
protected:
    void search() override;
    TfrmZZP010 *createLayout() override;   // print and preview show EFH030 instead of a layout
};
