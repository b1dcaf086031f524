#pragma once
// ECS120: the instructor assignments of a period, instructor by instructor, each instructor's
// assignments followed by a subtotal row counting them; the footer and the print count them all.
#include "framework/reportscreens.h"

class TMaskEdit;

class TfrmECS120 : public TfrmReportList {
    Q_OBJECT
public:
    explicit TfrmECS120(QWidget *parent = nullptr);
    TMaskEdit *wmeDateFrom, *wmeDateTo;

protected:
    reportsql::Statement statement() override;
    reportsql::Statement totalStatement() override;

private:
};
