#pragma once
// EHS040 시즌락카 판매 집계: the season locker sales of a period, shown by the report viewer.
#include "framework/ezs000.h"

class TDateEdit;
class TReportViewer;

class TfrmEHS040 : public TfrmEZS000 {
    Q_OBJECT
public:
    explicit TfrmEHS040(QWidget *parent = nullptr);
    TDateEdit *dtpFromDate, *dtpToDate;
    TReportViewer *viewer;

protected:
    void search() override;
};
