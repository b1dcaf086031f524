#pragma once
#include "accidentcrosstable.h"

class TfrmEES090 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES090(QWidget *parent = nullptr);
};
