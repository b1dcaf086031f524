#pragma once
#include "framework/reportscreens.h"
#include "modules/equipment/reportstatements.h"

// Items not released by a reference date.
class TfrmEBS110 : public TfrmDayReport {
    Q_OBJECT
public:
    explicit TfrmEBS110(QWidget *parent = nullptr);
};
