#pragma once
// EEI010 패트롤 사고기록 등록 (class TfrmEEI020): the accidents of one day, entered, changed and deleted;
// every record is saved under the day searched and a new one is numbered by the database within it.
#include "accidentscreen.h"

class TfrmEEI020 : public TAccidentScreen {
    Q_OBJECT
public:
    explicit TfrmEEI020(QWidget *parent = nullptr);

protected:
    void save() override;
    bool AfterSave() override;

private:
    bool m_saved = false;
};
