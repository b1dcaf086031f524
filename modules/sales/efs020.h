#pragma once
#include "salesscreen.h"

class TfrmEFS020 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS020(QWidget *parent = nullptr);
protected:
    void search() override;
};
