#pragma once
// EES010 패트롤 사고기록  조회: every accident of one injured person with all of its fields on six pages;
// records can be looked through but not saved.
#include "accidentscreen.h"

class TfrmEES010 : public TAccidentScreen {
    Q_OBJECT
public:
    explicit TfrmEES010(QWidget *parent = nullptr);

protected:
    void cancel() override;
};
