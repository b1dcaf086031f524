#pragma once
#include "accidentcrosstable.h"

class TfrmEES030 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES030(QWidget *parent = nullptr);
};
