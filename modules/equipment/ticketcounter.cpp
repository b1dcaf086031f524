#include "ticketcounter.h"
#include "core/messages.h"
#include <QPushButton>

TfrmTicketCounter::TfrmTicketCounter(QWidget *parent, const QString &printerPort, const QString &ticketName,
                                     const QString &reissueCaption)
    : TfrmEZI000(parent), m_printer(SharedTicketPrinter(printerPort)), cptPrinter(*m_printer),
      m_ticketName(ticketName)
{
    bbtReissue = new QPushButton(reissueCaption);
    bbtReissue->setObjectName("bbtReissue");
    bbtPrinterReset = new QPushButton(QStringLiteral("프린터초기화"));
    bbtPrinterReset->setObjectName("bbtPrinterReset");
    connect(bbtReissue, &QPushButton::clicked, this, &TfrmTicketCounter::bbtReissueClick);
    connect(bbtPrinterReset, &QPushButton::clicked, this, &TfrmTicketCounter::bbtPrinterResetClick);
}

TfrmTicketCounter::~TfrmTicketCounter() = default;   // the last holder of the printer closes its port

void TfrmTicketCounter::placeTicketButtons(TFieldPanel *panel)
{
    panel->addControl(QString(), bbtReissue);
    panel->addControl(QString(), bbtPrinterReset);
}

void TfrmTicketCounter::bbtReissueClick()
{
    if (!beginAction(bbtReissue))
        return;
    const int row = grid()->currentRow();
    if (grid()->rowCount() == 0 || row < 0 || !isLoadedRow(row))
        return;   // a row not saved yet has no ticket to reissue
    if (!printTicket(row))
        ShowError(m_ticketName + QStringLiteral("을 출력하지 못했습니다.\r") + cptPrinter.lastError());
}

void TfrmTicketCounter::bbtPrinterResetClick()
{
    if (!beginAction(bbtPrinterReset))
        return;
    ResetTicketPrinter(cptPrinter);
}

void TfrmTicketCounter::reportUnprinted(const QStringList &unprinted, const QString &error) const
{
    if (unprinted.isEmpty())
        return;
    ShowError(QStringLiteral("자료는 저장되었으나 %1을 출력하지 못했습니다.\r%2\r\r출력되지 않은 %1: %3\r"
                             "조회 후 해당 자료를 선택하여 \"%4\"(으)로 다시 출력하십시오.")
                  .arg(m_ticketName, error, unprinted.join(", "), bbtReissue->text()));
}
