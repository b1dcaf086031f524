#pragma once
#include "salesscreen.h"

class TfrmEFS040 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS040(QWidget *parent = nullptr);
    QPushButton *bbtMenu, *bbtPos;
};
