#pragma once
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

class TfrmEBS070 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS070(QWidget *parent = nullptr);
protected:
    reportsql::Statement statement() override;
};
