#pragma once
// EBI010 코스,리프트 운영정보 등록: whether each course and lift runs on a run date. The day's rows
// are created by the database the first time the day is opened.
#include "framework/ezi000.h"

class QLabel;

class TfrmEBI010 : public TfrmEZI000 {
    Q_OBJECT
public:
    explicit TfrmEBI010(QWidget *parent = nullptr);

    TDateEdit *dtpDate;
    TLabel *wlbFacGubunName;
    TLabel *wlbFacDetailGubunName;
    TCodeCombo *cboRunGubun;
    QFrame *panCreating;
    std::unique_ptr<db::StoredProc> prcNewCreate;

    static int creationWaitMs;   // how long the creation panel stays up (tests shorten it)

protected:
    void search() override;

private:
    bool createRunDate(const QString &runDate);
};
