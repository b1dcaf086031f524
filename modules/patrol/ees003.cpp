#include "ees003.h"

TfrmEES003::TfrmEES003(QWidget *parent)
    : TfrmAccidentReports("EES003", QStringLiteral("일일 사고 리포트"), true, true, parent) {}
