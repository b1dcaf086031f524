#pragma once
#include "core/settings.h"
// EBI050 장비 보관/불출 작업: the storage counter. Guests leave their own equipment for a season; each
// item is recorded with its owner, storage kind and box, a storage ticket is printed for every newly
// stored item, and the release to the owner is recorded later with its date.
#include "ticketcounter.h"
#include "framework/fieldlookups.h"

class QGroupBox;
class QPushButton;

class TfrmEBI050 : public TfrmTicketCounter {
    Q_OBJECT
public:
    explicit TfrmEBI050(QWidget *parent = nullptr, const QString &printerPort = Settings().ticketPrinterPort);
    ~TfrmEBI050() override;

    QStringList lastUnprinted() const { return m_unprinted; }   // tickets the last save could not print
    TKeepTicketInfo ticketFor(int row) const;

    TEdit *edtSeason;
    QPushButton *bbtSeason;
    TLabel *wlbSeason;
    TCodeCombo *cboArea;

    TLabel *wlbKeepNo;
    TMaskEdit *wmeKeepInDate, *wmeKeepOutDate, *wmeKeepZipCode;
    TEdit *edtKeepWoodaeNo;
    TLabel *wlbKeepWoodaeNo;
    TCodeCombo *cboKeep, *cboKeepEquip, *cboKeepEquipName, *cboKeepPoles;
    TEdit *edtKeepEquipNameEtc, *edtKeepEquipID, *edtKeepPolesName, *edtKeepMemberNo, *edtKeepName;
    TEdit *edtKeepAddr1, *wlbKeepAddr2, *edtKeepTel, *edtKeepMobile, *edtKeepBoxNo, *edtKeepRemark;
    TEdit *edtKeepLossQuestion, *edtKeepLossAnswer;
    QGroupBox *grpKeepLoss;
    QPushButton *sbtKeepIn, *sbtKeepOut;
    QPushButton *bbtKeepMemberNo, *bbtKeepZipCode;
    // An item of the list by its ticket number as printed ("26-0000000906", typed or scanned) or by its
    // owner's name (Enter again: the owner's next item).
    TEdit *edtKeepFind;

public slots:
    void bbtKeepMemberNoClick();
    bool findItem(const QString &typed);

protected:
    void search() override;
    void save() override;
    bool validateRow() override;
    bool SaveData() override;
    void EntrySaved(const QStringList &entry) override;
    bool AfterSave() override;
    void ShowRow() override;
    void StartNewRow(int row, int previous) override;
    bool printTicket(int row) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void printNewTickets();
    void proposeOutDate();   // from the intake date and the storage kind's period

    TSeasonField *m_season;
    QStringList m_newKeepNos;   // the numbers the database gave the items of this save
    QStringList m_unprinted;
    bool m_committed = false;
    bool m_inDateTyped = false;   // the clerk typed the intake date of the row shown
};
