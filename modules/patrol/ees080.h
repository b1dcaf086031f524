#pragma once
#include "accidentcrosstable.h"

class TfrmEES080 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES080(QWidget *parent = nullptr);
};
