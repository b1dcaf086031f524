#pragma once
#include "accidentlists.h"

class TfrmEES120 : public TfrmAccidentList {
    Q_OBJECT
public:
    explicit TfrmEES120(QWidget *parent = nullptr);
    TDateEdit *dtpfromDate, *dtptoDate;

protected:
    reportsql::Statement statement() override;
};
