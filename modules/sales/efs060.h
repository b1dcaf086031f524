#pragma once
#include "salesscreen.h"

class TfrmEFS060 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS060(QWidget *parent = nullptr);
    QRadioButton *rdoDetail, *rdoTicket, *rdoCustomer;
    QCheckBox *chkVat;
protected:
    void search() override;
};
