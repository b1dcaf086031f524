#pragma once
#include "accidentreports.h"

class TfrmEES003 : public TfrmAccidentReports {
    Q_OBJECT
public:
    explicit TfrmEES003(QWidget *parent = nullptr);
};
