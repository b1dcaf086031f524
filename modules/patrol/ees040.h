#pragma once
#include "accidentcrosstable.h"

class TfrmEES040 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES040(QWidget *parent = nullptr);
};
