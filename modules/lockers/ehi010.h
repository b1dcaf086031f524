#pragma once
// EHI010 시즌락카 기본정보 등록: the locker blocks of a season, edited in the grid and saved through
// PR_EHI010_01, and the batch "시즌락카번호 일괄생성" that creates a saved block's lockers in EH020MS
// through PR_EHI010_02 (committed at once). A block's flag shows "Y" once its lockers exist.
#include "framework/zzi090.h"

class TfrmEHI010 : public TfrmZZI090 {
    Q_OBJECT
public:
    enum Column { cSeasonYear, cSeqNo, cLocation, cAreaZone, cLockerType, cUnitAmt, cMemberAmt, cBeginningNo,
                  cLockerQty, cBatch };
    explicit TfrmEHI010(QWidget *parent = nullptr);

    TEdit *edt_SeasonYear = nullptr;
    QPushButton *bbtBatch;
    std::unique_ptr<db::StoredProc> prcBatch;

public slots:
    void bbtAddClick() override;
    void bbtBatchClick();

protected:
    void save() override;
    bool ExecuteRow() override;

private:
    qlonglong m_feeLockers = 0;   // unsold lockers the save gave a block's new fee
};
