#pragma once
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

// Rentals of a day by hour.
class TfrmEBS080 : public TfrmDayReport {
    Q_OBJECT
public:
    explicit TfrmEBS080(QWidget *parent = nullptr);
};
