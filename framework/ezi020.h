#pragma once
// TfrmEZI020: the grid table screen of the member register (see gridtable.h for what it does). Cancel
// empties and locks every control of the data area.
#include "gridtable.h"

class TfrmEZI020 : public TGridTableScreen {
    Q_OBJECT
public:
    explicit TfrmEZI020(QWidget *parent = nullptr);
};
