#pragma once
// TfrmEZS000: this system's list screen. Adds bbtCancel "취소(F8)", the grid's footer line,
// qryFooter (closed before every search) and the message for an empty result.
//
// A concrete screen (a report with condition rows is a TfrmReportList, framework/reportscreens.h):
//   TfrmEFS070::TfrmEFS070(QWidget *parent) : TfrmSalesScreen(parent) {
//       cboTicket = addCodeCombo("cboTicket", "권종구분 :", QString());
//       rgrGrid->addColumn("SALE_DATE", "매출일자", 75, Qt::AlignCenter);
//       …
//   }
//   void search() override { qryQuery->setSql(…); qryQuery->bind("UPJANG_CODE", …); TfrmEZS000::search(); }
//   TfrmZZP010 *createLayout() override { … }           // the print, or nullptr for none
//   QStringList currentConditionLines() override { return {conditionLine({dtpFromDate, cboTicket}), …}; }
//
// Search (base): footers emptied (a screen's afterSearch fills the columns that have one), result reopened, focus to the grid
// or "조회할 내용이 없습니다.", status cleared and the column chooser rebuilt. afterSearch() runs then
// (footer totals from qryFooter).
#include "framework/zzs020.h"

class TfrmEZS000 : public TfrmZZS020 {
    Q_OBJECT
public:
    explicit TfrmEZS000(QWidget *parent = nullptr);

    QPushButton *bbtCancel;
    std::unique_ptr<db::Query> qryFooter;

    void resetFooters();

public slots:
    void bbtCancelClick();

protected:
    void search() override;        // the base search: call last, after setting qryQuery
    virtual void afterSearch() {}
    void closeQueries() override;
};
