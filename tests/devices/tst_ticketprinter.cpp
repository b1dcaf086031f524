// The ticket printer driver against a pseudo-terminal: the bytes that reach the line, write by write.
#include "core/settings.h"
#include "devices/ticketprinter.h"
#include "core/cp949.h"
#include "support/messagerecorder.h"
#include "support/pseudoterminal.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testing::PseudoTerminal;

QByteArray item(const char *pos, const char *size, const char *font, const QString &text)
{
    return ToCp949(QStringLiteral("<RC%1><HW%2><F%3>").arg(pos, size, font) + text);
}

TRentTicketInfo rentInfo()
{
    TRentTicketInfo i;
    i.TicketKindName = "대인";
    i.EquipKindName = "스키";
    i.RentStatName = "일일대여";
    i.AreaName = "M";
    i.RentDate = "2026.12.09";
    i.RentName = "홍길동";
    i.Height = "";
    i.Weight = "70";
    i.BootsSizeName = "270";
    i.RentNo = "0000000012";
    i.KeepBoxNo = "A01";
    return i;
}

} // namespace

class TestTicketPrinter : public QObject {
    Q_OBJECT
private slots:
    void formatsOneItem()
    {
        QCOMPARE(FormatTicketItem("140,1040", "3,2", "5", "대인"), QString("<RC140,1040><HW3,2><F5>대인"));
        QCOMPARE(ToCp949(QStringLiteral("장비보관증")).size(), 10);
    }

    void rentTicketBytes_data()
    {
        QTest::addColumn<bool>("multiDay");
        QTest::addColumn<int>("writes");
        QTest::newRow("one day") << false << 19;
        QTest::newRow("multi-day") << true << 23;
    }
    void rentTicketBytes()
    {
        QFETCH(bool, multiDay);
        QFETCH(int, writes);
        PseudoTerminal pty;
        QVERIFY(!pty.slave().isEmpty());
        TTicketPrinter printer(pty.slave());
        QVERIFY(OpenTicketPrinter(printer));
        QCOMPARE(printer.port().baudRate(), 9600);
        QCOMPARE(printer.port().dataBits(), QSerialPort::Data8);
        QCOMPARE(printer.port().parity(), QSerialPort::NoParity);
        QCOMPARE(printer.port().flowControl(), QSerialPort::NoFlowControl);

        TRentTicketInfo info = rentInfo();
        if (multiDay) {
            info.RentStatName = "연일대여";
            info.SvrlFromDate = "2026/12/09";
            info.SvrlToDate = "2026/12/11";
        }
        QVERIFY2(PrintRentTicket(printer, info), qPrintable(printer.lastError()));
        QCOMPARE(printer.writesSent(), writes);

        QByteArray expected = "<CB><RR>";
        for (int off : {0, 560}) {
            auto p = [off](int x, int y) { return QByteArray::number(x) + ',' + QByteArray::number(y - off); };
            expected += item(p(140, 1040), "3,2", "5", "대인");
            expected += item(p(10, 970), "3,2", "5", "(M)2026.12.09");
            expected += item(p(60, 890), "2,2", "2", "스키 " + info.RentStatName);
            expected += item(p(20, 830), "2,2", "2", "0000000012   A01");
            expected += item(p(10, 780), "1,1", "3", "대여자명:홍길동");
            expected += item(p(10, 740), "1,1", "3", "신장: ");
            expected += item(p(10, 700), "1,1", "3", "체중: 70");
            expected += item(p(10, 660), "1,1", "3", "부츠: 270");
            if (multiDay) {
                expected += item(p(10, 620), "1,1", "3", "연일: 2026/12/09-");
                expected += item(p(10, 590), "1,1", "3", "      2026/12/11");
            }
        }
        expected += "<p>";
        const QByteArray got = pty.readAll();
        QCOMPARE(got, expected);
        // the lower copy at the positions of the ticket's lower half
        QVERIFY(got.contains("<RC140,480><HW3,2><F5>"));
        QCOMPARE(got.contains("<RC10,30>"), multiDay);
        CloseTicketPrinter(printer);
        QVERIFY(!printer.isConnected());
    }

    void keepTicketBytes()
    {
        PseudoTerminal pty;
        TTicketPrinter printer(pty.slave());
        QVERIFY(OpenTicketPrinter(printer));
        TKeepTicketInfo k{"26-0000000003", "김보관", "아토믹", "(AB-77)", "시즌보관", "2026/12/09", "B12"};
        QVERIFY(PrintKeepTicket(printer, k));
        QCOMPARE(printer.writesSent(), 18);
        QByteArray expected = "<CB><NR>";
        expected += item("5,150", "2,2", "3", "장비보관증");
        expected += item("70,400", "1,1", "5", "NO: 26-0000000003");
        expected += item("110,10", "2,2", "2", "보관함번호: B12");
        expected += item("150,10", "2,2", "2", "고객명    : 김보관");
        expected += item("190,10", "2,2", "2", "장비명    : 아토믹");
        expected += item("230,10", "2,2", "2", "          (AB-77)");
        expected += item("270,10", "2,2", "2", "보관종류  : 시즌보관");
        expected += item("310,10", "2,2", "2", "보관일자  : 2026/12/09");
        expected += item("70,690", "1,1", "3", "26-0000000003");
        expected += item("110,690", "1,1", "3", "B12");
        expected += item("150,690", "1,1", "3", "김보관");
        expected += item("190,690", "1,1", "3", "아토믹");
        expected += item("230,690", "1,1", "3", "(AB-77)");
        expected += item("270,690", "1,1", "3", "시즌보관");
        expected += item("310,690", "1,1", "3", "2026/12/09");
        expected += "<p>";
        QCOMPARE(pty.readAll(), expected);
    }

    void closedPortFailsAtTheFirstWrite()
    {
        TTicketPrinter printer("/dev/sports-no-such-port");
        testing::MessageRecorder messages;
        ResetTicketPrinter(printer);
        QVERIFY(!printer.isConnected());
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(!PrintRentTicket(printer, rentInfo()));
        QCOMPARE(printer.writesSent(), 1);
        QVERIFY(!printer.lastError().isEmpty());
    }

    // One printer per port for the program, opened by its first ticket.
    void sharedAndOpenedOnFirstUse()
    {
        PseudoTerminal pty;
        std::shared_ptr<TTicketPrinter> a = SharedTicketPrinter(pty.slave());
        std::shared_ptr<TTicketPrinter> b = SharedTicketPrinter(pty.slave());
        QCOMPARE(a.get(), b.get());
        QVERIFY(!a->isConnected());
        QVERIFY(PrintRentTicket(*a, rentInfo()));
        QVERIFY(PrintKeepTicket(*b, TKeepTicketInfo{}));
        const QByteArray got = pty.readAll();
        QVERIFY(got.startsWith("<CB><RR>"));
        QVERIFY(got.contains("<p><CB><NR>"));
        a.reset();
        b.reset();
        // the last holder gone, its port was closed: the next caller starts from a closed one
        QVERIFY(!SharedTicketPrinter(pty.slave())->isConnected());
    }

    // A port another program holds is refused with that reason, in Korean; so is a missing one.
    void portHeldByAnotherProgram()
    {
        PseudoTerminal pty;
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {"--hold-port", pty.slave()});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
        TTicketPrinter printer(pty.slave());
        QVERIFY(!PrintRentTicket(printer, rentInfo()));
        QVERIFY2(printer.lastError().contains(QStringLiteral("다른 프로그램이 사용하고 있습니다")),
                 qPrintable(printer.lastError()));
        QVERIFY(printer.lastError().contains(pty.slave()));
        QVERIFY(printer.lastError().contains(QStringLiteral("프린터초기화")));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(PrintRentTicket(printer, rentInfo()));   // free again: the next ticket opens it

        TTicketPrinter missing("/dev/sports-no-such-port");
        QVERIFY(!PrintKeepTicket(missing, TKeepTicketInfo{}));
        QVERIFY2(missing.lastError().contains(QStringLiteral("찾을 수 없습니다")), qPrintable(missing.lastError()));
        QVERIFY(!missing.lastError().contains("Device"));
    }

    void resetReopensTheSamePort()
    {
        PseudoTerminal pty;
        TTicketPrinter printer(pty.slave());
        QVERIFY(OpenTicketPrinter(printer));
        ResetTicketPrinter(printer);
        QVERIFY(printer.isConnected());
        QVERIFY(PrintKeepTicket(printer, TKeepTicketInfo{}));
        QVERIFY(pty.readAll().startsWith("<CB><NR>"));
    }

    void portComesFromTheSettingsFile()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("sports.ini");
        ReadSettings(ini);
        QCOMPARE(Settings().ticketPrinterPort, DefaultTicketPort());
        {
            QSettings s(ini, QSettings::IniFormat);
            s.setValue("TicketPrinter/Port", "/dev/ttyUSB0");
        }
        ReadSettings(ini);
        QCOMPARE(Settings().ticketPrinterPort, QString("/dev/ttyUSB0"));
    }
};

int main(int argc, char **argv)
{
    // "--hold-port <port>": another program that keeps the port open until its input closes.
    if (argc == 3 && QByteArray(argv[1]) == "--hold-port") {
        QCoreApplication app(argc, argv);
        QSerialPort port(QString::fromLocal8Bit(argv[2]));
        if (!port.open(QIODevice::ReadWrite))
            return 1;
        QTextStream(stdout) << "held" << Qt::endl;
        QFile in;
        in.open(stdin, QIODevice::ReadOnly);
        in.readAll();
        return 0;
    }
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestTicketPrinter t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_ticketprinter.moc"
