#pragma once
// TfrmTicketCounter: a record screen at a counter with the serial ticket printer. Every counter screen
// of the program shares the one printer of its port: the port opens on the first ticket and closes
// when the last counter screen goes. The reissue button prints the ticket of the current saved row
// again, the reset button closes and reopens the port. A screen gives printTicket(row) and places
// the two buttons.
#include "framework/ezi000.h"
#include "devices/ticketprinter.h"

class QPushButton;

class TfrmTicketCounter : public TfrmEZI000 {
    Q_OBJECT
public:
    // ticketName: "대여증", "보관증"; reissueCaption: the caption of the reissue button.
    TfrmTicketCounter(QWidget *parent, const QString &printerPort, const QString &ticketName,
                      const QString &reissueCaption);
    ~TfrmTicketCounter() override;

private:
    std::shared_ptr<TTicketPrinter> m_printer;   // before cptPrinter: it refers to it
public:
    TTicketPrinter &cptPrinter;
    QPushButton *bbtReissue;
    QPushButton *bbtPrinterReset;

public slots:
    void bbtReissueClick();
    void bbtPrinterResetClick();

protected:
    virtual bool printTicket(int row) = 0;   // false with cptPrinter.lastError() when a write failed
    void placeTicketButtons(TFieldPanel *panel);
    // After a committed save: the data stays saved, and the clerk learns which tickets to reissue.
    void reportUnprinted(const QStringList &unprinted, const QString &error) const;

private:
    QString m_ticketName;
};
