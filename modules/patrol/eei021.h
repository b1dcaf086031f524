#pragma once
// EEI021 패트롤 사고기록 조회 - 이름별: the accidents of one injured person, of any day, together with
// those of the day the screen was opened; records can be looked through but not saved.
#include "accidentscreen.h"

class TfrmEEI021 : public TAccidentScreen {
    Q_OBJECT
public:
    explicit TfrmEEI021(QWidget *parent = nullptr);

protected:
    void search() override;
};
