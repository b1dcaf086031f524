#pragma once
// TfrmEZS000: this system's list screen. Adds bbtCancel "취소(F8)", the grid's footer line,
// qryFooter (closed before every search) and the message for an empty result.
//
// A concrete screen:
//   TfrmEBS060::TfrmEBS060(QWidget *parent) : TfrmEZS000(parent) {
//       dtpDate = addDateEdit("dtpDate", "*대여일자");
//       cboArea = addCodeCombo("cboArea", "*지역구분", "E0017");
//       rgrGrid->addColumn("RENT_NO", "대여번호", 90);
//       …
//   }
//   void search() override { qryQuery->setSql(…); qryQuery->bind("RENT_DATE", FDate); TfrmEZS000::search(); }
//   TfrmZZP010 *createLayout() override { return new TfrmEBP060; }
//   QStringList currentConditionLines() override { return {conditionLine({dtpDate, cboArea}), …}; }
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
