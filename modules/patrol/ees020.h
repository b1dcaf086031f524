#pragma once
#include "accidentlists.h"

class TfrmEES020 : public TfrmAccidentList {
    Q_OBJECT
public:
    explicit TfrmEES020(QWidget *parent = nullptr);
    TDateEdit *dtpDate;

protected:
    reportsql::Statement statement() override;
};
