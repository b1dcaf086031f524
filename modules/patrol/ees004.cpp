#include "ees004.h"

TfrmEES004::TfrmEES004(QWidget *parent)
    : TfrmAccidentReports("EES004", QStringLiteral("사고 상세 리포트"), true, false, parent) {}
