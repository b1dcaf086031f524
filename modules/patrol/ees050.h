#pragma once
#include "accidentcrosstable.h"

class TfrmEES050 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES050(QWidget *parent = nullptr);
};
