#pragma once
// EHI020 시즌락카 판매/취소/변경: the season's lockers with their sale state. The side area "판매관리"
// shows the current locker; "판매 등록" opens an unsold locker for the customer and payment (the fee
// is looked up from the registration number) and Save stores the sale through PR_EHI020_01, which
// refuses a locker another counter sold meanwhile; "락카키 관리" records the key deposit. For a sold
// locker the notice box cancels the sale or moves it to another free locker of the same place and
// type through PR_EHI020_03, each committed at once on its own.
#include "framework/zzi090.h"
#include <QSet>

class QFrame;
class QGroupBox;

class TfrmEHI020 : public TfrmZZI090 {
    Q_OBJECT
public:
    // Grid columns, in the order of the list statement's fields.
    enum Column {
        cSeasonYear, cLocation, cAreaZone, cLockerType, cLockerNo, cUnitAmt, cMemberAmt, cSaleDate, cMId, cMName,
        cMIdno, cMTophone, cPayCode, cSaleAmt, cIpgumAmt, cIpgumYn, cAssuranceAmt, cKeyReceiptDate, cKeyRestoreDate,
        cDcRemarks, cUseYn, cTerminalId, cColumnCount = cTerminalId + 14
    };
    explicit TfrmEHI020(QWidget *parent = nullptr);

    // conditions
    TEdit *edt_SeasonYear = nullptr;
    TCodeCombo *wcbLocation = nullptr, *wcbAreaZone = nullptr, *wcbLockerType = nullptr, *wcb_SaleYN = nullptr;
    TEdit *wcbLockerNo = nullptr, *wcbMname = nullptr;

    // the sale area
    QFrame *panSale;
    QPushButton *bbtSaleArea, *bbtSaleTitle;
    TLabel *wlbUnitAmt = nullptr;
    TCodeCombo *wcbPayCode = nullptr, *wcbUseYn = nullptr;
    TNumericEdit *wneSaleAmt = nullptr, *wneIpgumAmt = nullptr, *wneAssuranceAmt = nullptr;
    TMaskEdit *wmeSaleDate = nullptr, *wmeMIdno = nullptr, *wmeKeyReceiptDate = nullptr, *wmeKeyRestoreDate = nullptr;
    TEdit *edtMId = nullptr, *edtMName = nullptr, *edtMTophone = nullptr;
    QPushButton *bbtSaleRegist, *bbtLockerKey;
    // the notice box of a sold locker
    QFrame *panNotice;
    TLabel *wlbCurrentLocker;
    TEdit *edtChangeLocker;
    QPushButton *bbtSaleCancel, *bbtNoticeClose, *bbtChange;

    std::unique_ptr<db::StoredProc> prcFee;      // PR_EHI020_02
    std::unique_ptr<db::StoredProc> prcChange;   // PR_EHI020_03

    QList<QWidget *> saleInputs() const { return m_inputs; }

public slots:
    void bbtSaleRegistClick();
    void bbtLockerKeyClick();
    void bbtSaleCancelClick();
    void bbtChangeClick();
    void toggleSaleArea();

protected:
    void search() override;
    void cancel() override;
    bool ExecuteRow() override;
    bool validateRows() override;
    void ShowRow() override;     // the sale area from the row, inputs disabled
    void AfterSave() override;

private:
    void lookUpFee();
    void openSale(int row);                             // the customer and payment inputs of a sale
    bool callChange(int row, const QString &newLocker, const QString &status, QString *error);
    void saleCancelled(int row);                        // the row as the database now holds it
    void setInputsEnabled(const QList<QWidget *> &inputs, bool on);

    QList<QWidget *> m_inputs;
    QSet<QString> m_saleRows;   // RowIDs of the rows a sale was registered on, saved as "2"
};
