#pragma once
#include "accidentcrosstable.h"

class TfrmEES060 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES060(QWidget *parent = nullptr);
};
