#pragma once
#include "salesscreen.h"

class TfrmEFS030 : public TfrmSalesScreen {
    Q_OBJECT
public:
    explicit TfrmEFS030(QWidget *parent = nullptr);
protected:
    void search() override;
    TfrmZZP010 *createLayout() override;   // print and preview show EFH030 instead of a layout
};
