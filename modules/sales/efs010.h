#pragma once
#include "salesscreen.h"

class TfrmEFS010 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS010(QWidget *parent = nullptr);
protected:
    void search() override;
};
