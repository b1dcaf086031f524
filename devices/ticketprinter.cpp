#include "ticketprinter.h"
#include "core/cp949.h"
#include <QHash>
#include <QStringList>

namespace {

const QString kReset = QStringLiteral("\"프린터초기화\"");

QString openFailure(const QSerialPort &port, const QString &name)
{
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("티켓 프린터 포트 %1을(를) 찾을 수 없습니다.\r프린터 케이블이 꽂혀 있는지, 설정 파일의 포트 "
                              "이름이 맞는지 확인한 뒤 %2를 누르십시오.").arg(name, kReset);
    case QSerialPort::PermissionError:
        return QStringLiteral("티켓 프린터 포트 %1을(를) 다른 프로그램이 사용하고 있습니다(또는 이 포트를 쓸 권한이 "
                              "없습니다).\r그 프로그램을 닫은 뒤 %2를 누르십시오.").arg(name, kReset);
    default:
        return QStringLiteral("티켓 프린터 포트 %1을(를) 열지 못했습니다(%2).\r프린터의 전원과 케이블을 확인한 뒤 %3를 "
                              "누르십시오.").arg(name, port.errorString(), kReset);
    }
}

QString writeFailure(const QSerialPort &port, const QString &name)
{
    return QStringLiteral("티켓 프린터 포트 %1(으)로 보내지 못했습니다(%2).\r프린터의 전원과 케이블을 확인한 뒤 %3를 "
                          "누르고 다시 출력하십시오.").arg(name, port.errorString(), kReset);
}

} // namespace

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
        m_lastError = !m_openError.isEmpty()
                          ? m_openError
                          : QStringLiteral("티켓 프린터 포트 %1이(가) 열려 있지 않습니다.\r%2를 누른 뒤 다시 출력하십시오.")
                                .arg(m_portName, kReset);
        return false;
    }
    const qint64 written = m_port.write(bytes);
    if (written != bytes.size()) {
        m_lastError = writeFailure(m_port, m_portName);
        return false;
    }
    const int timeout = 100 * int(bytes.size()) + 1000;
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(timeout)) {
            m_lastError = writeFailure(m_port, m_portName);
            return false;
        }
    }
    return true;
}

std::shared_ptr<TTicketPrinter> SharedTicketPrinter(const QString &portName)
{
    static QHash<QString, std::weak_ptr<TTicketPrinter>> printers;
    std::weak_ptr<TTicketPrinter> &slot = printers[portName];
    if (std::shared_ptr<TTicketPrinter> held = slot.lock())
        return held;
    auto printer = std::make_shared<TTicketPrinter>(portName);
    slot = printer;
    return printer;
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
        printer.m_openError = openFailure(port, printer.m_portName);
        port.clearError();
        return false;
    }
    printer.m_openError.clear();
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
    if (!printer.isConnected())
        OpenTicketPrinter(printer);   // the first ticket opens the port, or tells why it cannot
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
