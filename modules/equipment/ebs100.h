#pragma once
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

class TfrmEBS100 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEBS100(QWidget *parent = nullptr);
    TCodeCombo *cboKeepStat, *cboKeepGubun, *cboEquipGubun, *cboEquipNameGubun;
    TEdit *edtKeepName;
    QHash<QString, QLabel *> detailLabels;   // the current item's remaining fields, by field name
    void showDetail(int row);
protected:
    reportsql::Statement statement() override;
};
