#pragma once
#include "accidentcrosstable.h"

class TfrmEES070 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES070(QWidget *parent = nullptr);
};
