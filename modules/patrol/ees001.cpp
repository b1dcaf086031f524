#include "ees001.h"

TfrmEES001::TfrmEES001(QWidget *parent)
    : TfrmAccidentReports("EES001", QStringLiteral("사고 비교 리포트"), false, false, parent) {}
