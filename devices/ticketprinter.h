#pragma once
// The ticket printer of the rental and storage counters: a serial device that takes positioned text
// items in CP949, each sent as one write, and prints the ticket on "<p>".
#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <functional>
#include <memory>

// Rental ticket, one per piece handed out.
struct TRentTicketInfo {
    QString TicketKindName;
    QString EquipKindName;
    QString RentStatName;
    QString AreaName;
    QString RentDate;       // yyyy.mm.dd
    QString RentName;
    QString Height;
    QString Weight;
    QString BootsSizeName;
    QString SvrlFromDate;   // yyyy/mm/dd or empty
    QString SvrlToDate;
    QString RentNo;         // ten digits
    QString KeepBoxNo;
};

// Storage ticket, one per item taken into storage.
struct TKeepTicketInfo {
    QString KeepNo;         // season code, "-", ten digits
    QString KeepName;
    QString EquipName;
    QString NativeNo;       // "(" + serial number + ")"
    QString KeepKindName;
    QString KeepInDate;     // yyyy/mm/dd
    QString KeepBoxNo;
};

// The program's connection to the printer port. Every screen that prints holds the one printer of its
// port (SharedTicketPrinter); the port is opened on the first ticket and closed with the last holder.
class TTicketPrinter {
public:
    // The port is given by the screen that opens the printer (the workstation's setting).
    explicit TTicketPrinter(const QString &portName);
    ~TTicketPrinter();
    TTicketPrinter(const TTicketPrinter &) = delete;
    TTicketPrinter &operator=(const TTicketPrinter &) = delete;

    QString portName() const { return m_portName; }
    void setPortName(const QString &name) { m_portName = name; }
    bool isConnected() const { return m_port.isOpen(); }
    QSerialPort &port() { return m_port; }

    // Sends the bytes as one write and waits until they are out (100 ms per byte plus 1000 ms).
    bool write(const QByteArray &bytes);
    // In Korean, for the clerk: what went wrong with which port, and what to do about it.
    QString lastError() const { return m_lastError; }
    QString openError() const { return m_openError; }   // why the last open failed, empty after a success
    int writesSent() const { return m_writes; }

private:
    friend bool OpenTicketPrinter(TTicketPrinter &printer);
    friend void CloseTicketPrinter(TTicketPrinter &printer);
    QString m_portName;
    QSerialPort m_port;
    QString m_lastError;
    QString m_openError;
    int m_writes = 0;
};

// The printer of the port for this program: the same object for every caller while one holds it.
std::shared_ptr<TTicketPrinter> SharedTicketPrinter(const QString &portName);

// Opens the port; a failure shows nothing and leaves the reason in openError().
bool OpenTicketPrinter(TTicketPrinter &printer);
void CloseTicketPrinter(TTicketPrinter &printer);
void ResetTicketPrinter(TTicketPrinter &printer);

QString FormatTicketItem(const QString &position, const QString &size, const QString &font, const QString &text);

// Both open a closed port first, stop at the first write that fails and return false; the printer's
// lastError() tells why.
bool PrintRentTicket(TTicketPrinter &printer, const TRentTicketInfo &info);
bool PrintKeepTicket(TTicketPrinter &printer, const TKeepTicketInfo &info);
