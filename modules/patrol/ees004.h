#pragma once
#include "accidentreports.h"

class TfrmEES004 : public TfrmAccidentReports {
    Q_OBJECT
public:
    explicit TfrmEES004(QWidget *parent = nullptr);
};
