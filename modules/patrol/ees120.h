#pragma once
#include "accidentlists.h"

class TfrmEES120 : public TfrmAccidentList {
    Q_OBJECT
public:
    explicit TfrmEES120(QWidget *parent = nullptr);
    TDateEdit *dtpfromDate, *dtptoDate;

protected:
    bool validate() override;
    reportsql::Statement statement() override;
    QStringList conditionLines() override;
};
