#pragma once
// TfrmZZI090: the grid table screen of the season lockers (see gridtable.h for what it does). Cancel
// removes only the grid rows; the other controls of the data area keep their values (search mode
// locks them). Rows the program adds in bulk (appendRecord with state 0) are saved as new records.
#include "gridtable.h"

class TfrmZZI090 : public TGridTableScreen {
    Q_OBJECT
public:
    explicit TfrmZZI090(QWidget *parent = nullptr);

protected:
    void clearDataArea() override {}
};
