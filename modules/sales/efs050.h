#pragma once
#include "salesscreen.h"

class TfrmEFS050 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS050(QWidget *parent = nullptr);
protected:
    void search() override;
};
