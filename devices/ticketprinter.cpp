#include "ticketprinter.h"
#include "core/cp949.h"
#include <QStringList>

TTicketPrinter::TTicketPrinter(const QString &portName) : m_portName(portName) {}

TTicketPrinter::~TTicketPrinter()
{
    if (m_port.isOpen())
        m_port.close();
}

bool TTicketPrinter::write(const QByteArray &bytes)
{
    ++m_writes;
    if (!m_port.isOpen()) {
        m_lastError = QStringLiteral("Device is not open");
        return false;
    }
    const qint64 written = m_port.write(bytes);
    if (written != bytes.size()) {
        m_lastError = m_port.errorString();
        return false;
    }
    const int timeout = 100 * int(bytes.size()) + 1000;
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(timeout)) {
            m_lastError = m_port.errorString();
            return false;
        }
    }
    return true;
}

bool OpenTicketPrinter(TTicketPrinter &printer)
{
    QSerialPort &port = printer.m_port;
    if (port.isOpen())
        port.close();
    port.setPortName(printer.m_portName);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite)) {
        port.clearError();
        return false;
    }
    // Pseudo-terminals and some adapters refuse the modem lines; the line works without them.
    port.setDataTerminalReady(false);
    port.setRequestToSend(false);
    port.clearError();
    return port.isOpen();
}

void CloseTicketPrinter(TTicketPrinter &printer)
{
    if (printer.m_port.isOpen())
        printer.m_port.close();
}

void ResetTicketPrinter(TTicketPrinter &printer)
{
    CloseTicketPrinter(printer);
    if (!OpenTicketPrinter(printer))
        CloseTicketPrinter(printer);
}

QString FormatTicketItem(const QString &position, const QString &size, const QString &font, const QString &text)
{
    return QStringLiteral("<RC") + position + QStringLiteral("><HW") + size + QStringLiteral("><F") + font
           + QStringLiteral(">") + text;
}

namespace {

struct Item {
    QString position, size, font, text;
};

bool send(TTicketPrinter &printer, const QList<Item> &items, const QString &mode)
{
    if (!printer.write("<CB>") || !printer.write(mode.toLatin1()))
        return false;
    for (const Item &i : items)
        if (!printer.write(ToCp949(FormatTicketItem(i.position, i.size, i.font, i.text))))
            return false;
    return printer.write("<p>");
}

} // namespace

bool PrintRentTicket(TTicketPrinter &printer, const TRentTicketInfo &info)
{
    const bool multiDay = !info.SvrlFromDate.isEmpty();
    QList<Item> items;
    for (int offset : {0, 560}) {
        auto at = [offset](int x, int y) { return QString::number(x) + ',' + QString::number(y - offset); };
        items << Item{at(140, 1040), "3,2", "5", info.TicketKindName}
              << Item{at(10, 970), "3,2", "5", "(" + info.AreaName + ")" + info.RentDate}
              << Item{at(60, 890), "2,2", "2", info.EquipKindName + " " + info.RentStatName}
              << Item{at(20, 830), "2,2", "2", info.RentNo + "   " + info.KeepBoxNo}
              << Item{at(10, 780), "1,1", "3", QStringLiteral("대여자명:") + info.RentName}
              << Item{at(10, 740), "1,1", "3", QStringLiteral("신장: ") + info.Height}
              << Item{at(10, 700), "1,1", "3", QStringLiteral("체중: ") + info.Weight}
              << Item{at(10, 660), "1,1", "3", QStringLiteral("부츠: ") + info.BootsSizeName};
        if (multiDay)
            items << Item{at(10, 620), "1,1", "3", QStringLiteral("연일: ") + info.SvrlFromDate + "-"}
                  << Item{at(10, 590), "1,1", "3", QString(6, ' ') + info.SvrlToDate};
    }
    return send(printer, items, QStringLiteral("<RR>"));
}

bool PrintKeepTicket(TTicketPrinter &printer, const TKeepTicketInfo &info)
{
    QList<Item> items{
        {"5,150", "2,2", "3", QStringLiteral("장비보관증")},
        {"70,400", "1,1", "5", "NO: " + info.KeepNo},
        {"110,10", "2,2", "2", QStringLiteral("보관함번호: ") + info.KeepBoxNo},
        {"150,10", "2,2", "2", QStringLiteral("고객명    : ") + info.KeepName},
        {"190,10", "2,2", "2", QStringLiteral("장비명    : ") + info.EquipName},
        {"230,10", "2,2", "2", QString(10, ' ') + info.NativeNo},
        {"270,10", "2,2", "2", QStringLiteral("보관종류  : ") + info.KeepKindName},
        {"310,10", "2,2", "2", QStringLiteral("보관일자  : ") + info.KeepInDate},
        {"70,690", "1,1", "3", info.KeepNo},
        {"110,690", "1,1", "3", info.KeepBoxNo},
        {"150,690", "1,1", "3", info.KeepName},
        {"190,690", "1,1", "3", info.EquipName},
        {"230,690", "1,1", "3", info.NativeNo},
        {"270,690", "1,1", "3", info.KeepKindName},
        {"310,690", "1,1", "3", info.KeepInDate},
    };
    return send(printer, items, QStringLiteral("<NR>"));
}
