#pragma once
#include "accidentreports.h"

class TfrmEES001 : public TfrmAccidentReports {
    Q_OBJECT
public:
    explicit TfrmEES001(QWidget *parent = nullptr);
};
