#pragma once
// EBI030 부츠 기준재고 등록: the target stock of rental boots per size in one rental area.
#include "framework/ezi000.h"

class TfrmEBI030 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmEBI030(QWidget *parent = nullptr);

    TCodeCombo *cboArea;
    TCodeCombo *cboBootsSize;
    TNumericEdit *wneStockQty;

protected:
    bool validateRow() override;
};
