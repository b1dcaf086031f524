#pragma once
// EHS030 시즌락카 판매 현황: the lockers of a season with their sale, payment and key state, by location,
// zone, type and use flag, in locker number order; printed on a landscape page of its columns and
// exported like every list.
#include "framework/reportscreens.h"

class TfrmEHS030 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmEHS030(QWidget *parent = nullptr);

    TEdit *edt_SeasonYear;
    TCodeCombo *wcbLocation, *wcbAreaZone, *wcbLockerType, *wcb_SaleYN;

protected:
    reportsql::Statement statement() override;
};
