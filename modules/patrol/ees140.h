#pragma once
#include "accidentcrosstable.h"

class TfrmEES140 : public TAccidentCrossTable {
    Q_OBJECT
public:
    explicit TfrmEES140(QWidget *parent = nullptr);
};
