#pragma once
#include "core/settings.h"
// EBI040 장비 대여/반납 작업: the rental counter. Pieces are held for all counters while picked, saved
// as a rental header with one row per piece, and a rental ticket is printed for every new piece.
#include "ticketcounter.h"
#include <QSet>

class QPushButton;

class TfrmEBI040 : public TfrmTicketCounter {
    Q_OBJECT
public:
    explicit TfrmEBI040(QWidget *parent = nullptr, const QString &printerPort = Settings().ticketPrinterPort);
    ~TfrmEBI040() override;

    QString workDate() const { return screenDate(); }
    int headerEditStatus() const { return m_headerStatus; }
    QStringList heldPieces() const;          // "kind/number" of every hold this screen owns
    QStringList lastUnprinted() const { return m_unprinted; }
    QStringList freeEquipment() const;       // the numbers the free list shows
    bool hasUnsavedWork() override;          // besides typed work, a piece held for a row not yet saved

    TDateEdit *dtpDate;
    TCodeCombo *cboArea;
    TEdit *edtRentNo;
    TEdit *edtDealName;
    TCodeCombo *cboKeepKind;
    TEdit *edtKeepBoxNo;

    TCodeCombo *cboRentTicketKind, *cboRentEquip, *cboRentBootsSize;
    TEdit *edtRentEquipNo, *edtRentName, *edtRentTel, *edtRentAddr1, *edtRentRemark;
    TNumericEdit *wneRentHeight, *wneRentWeight, *wneRentBinding;
    TMaskEdit *wmeRentZipCode, *wmeRentSvrlDateFrom, *wmeRentSvrlDateTo;
    TEdit *wlbRentAddr2;

    TCodeCombo *cboEquipSizeGubun;
    TEditGrid *rgrEquipNo;
    TRowCountFooter *rgrEquipNoFooter;   // the number of free pieces listed, "0" when closed
    QPushButton *bbtEquipNoRef, *sbtEquipOk, *sbtEquipCancel;
    QPushButton *sbtRentDay, *sbtRentSvrl, *sbtRentReturn;
    QPushButton *bbtRentNo, *bbtRentZipCode;
    // A piece by its number, typed or scanned (Enter takes it), whatever kind and size is selected.
    TEdit *edtEquipNoScan;
    // The next guest's rental: the handler stays, the rental number goes (Shift+F4).
    QPushButton *bbtNewRental;

    std::unique_ptr<db::StoredProc> prcSaveDataMaster;
    std::unique_ptr<db::StoredProc> prcSaveTempEquipNo;

public slots:
    void sbtEquipOkClick();
    void sbtEquipCancelClick();
    void bbtRentNoClick();
    void refreshEquipList();
    // The piece of that number in the area for the row on screen: its kind and size become the row's,
    // the checks and the hold of "선택(F10)" apply; a number several kinds carry is chosen in one step.
    bool pickByNumber(const QString &typed);
    void bbtNewRentalClick();

protected:
    void search() override;
    void save() override;
    void cancel() override;
    bool validateHeader() override;
    bool beforeCancel() override;
    bool releaseOnClose() override;
    bool validateRow() override;
    bool SaveData() override;
    bool AfterSave() override;
    void ShowRow() override;
    bool printTicket(int row) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    QWidget *firstDetailControl() const override;
    void StartNewRow(int row, int previous) override;

private:
    bool callHold(const QString &kind, const QString &no, const QString &status);
    bool releaseHolds();
    void equipKindChanged();
    // The free pieces of the row's kind (size, number), read once per action; the list of the
    // chosen size shown from it.
    const QVector<QPair<QString, QString>> &freeOfKind();
    void showFreeList();
    bool takePiece(const QString &kind, const QString &no);   // checked, held and put in the row
    void putPiece(const QString &no);                          // a held piece of the row's kind into the row
    bool givePieceBack(const QString &kind);   // the current new row's piece of that kind, if it holds one
    TRentTicketInfo ticketFor(int row) const;

    int m_headerStatus = 2;
    QVariant m_headerVersion;    // ROW_VERSION of the stored header as read, and as the save leaves it
    QVariant m_savedHeaderVersion;
    QSet<QString> m_holds;
    QList<int> m_newRows;
    QStringList m_unprinted;
    bool m_committed = false;
    QString m_rowKind;     // the kind the shown row had before the clerk changed it
    QString m_pieceSize;   // the size chosen for the shown row
    bool m_restoringKind = false;
    QHash<QString, QPair<QStringList, QStringList>> m_sizeLists;   // kind → size codes and names
    QVector<QPair<QString, QString>> m_free;
    QString m_freeKey;           // area, kind and date of m_free
    bool m_freeFresh = false;    // m_free was read by the running action
};
