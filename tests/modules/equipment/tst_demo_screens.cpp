// Every equipment screen on the demo database: opened as the menu would, searched with the conditions
// it starts with (and the demo season), and closed, without a database error on either back end.
#include "modules/equipment/screens.h"
#include "modules/equipment/ebi040.h"
#include "modules/equipment/ebi050.h"
#include "core/settings.h"
#include "support/pseudoterminal.h"
#include "database/datamodule.h"
#include "framework/screenregistry.h"
#include "core/startupvalues.h"
#include "database/schema.h"
#include "framework/zzi010.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestDemoScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Startup().employeeNumber = "1001";
        Startup().workstationAddress = "10.0.0.9";
        RegisterEquipmentScreens();
    }

    void everyScreenSearchesTheDemo_data() { testing::addBackendColumn(); }
    void everyScreenSearchesTheDemo()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY2(db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(t.database());
        int opened = 0;
        for (const QString &id : ScreenRegistry::programIds()) {
            if (!id.startsWith("EB") || !ScreenRegistry::instance().has(id))
                continue;
            testing::MessageRecorder messages;
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            auto *screen = qobject_cast<TfrmZZI000 *>(w.get());
            QVERIFY2(screen, qPrintable(id));
            screen->resize(1100, 760);
            screen->show();
            if (auto *season = screen->findChild<QLineEdit *>("edtSeason")) {
                season->setText("26");
                emit season->editingFinished();
            }
            auto *search = screen->findChild<QPushButton *>("bbtSearch");
            QVERIFY2(search && search->isEnabled(), qPrintable(id));
            search->click();
            for (int i = 0; i < messages.count(); ++i)
                QVERIFY2(messages.kinds().at(i) != MessageKind::Error,
                         qPrintable(id + ": " + messages.texts().at(i)));
            if (auto *record = qobject_cast<TfrmZZI010 *>(screen))
                QVERIFY2(!record->isSearchMode(), qPrintable(id + ": " + messages.texts().join('|')));
            const QString status = screen->statusMessage();
            QVERIFY2(!status.contains("파라미터") && !status.contains("ERROR", Qt::CaseInsensitive)
                         && !status.contains("no such", Qt::CaseInsensitive),
                     qPrintable(id + ": " + status));
            ++opened;
        }
        QCOMPARE(opened, 13);   // EBI010 … EBI050 and the eight reports
    }

    // The rental and the storage counter open side by side on one workstation both print, through
    // the program's one printer of the workstation's port.
    void bothCountersPrintOnOnePort_data() { testing::addBackendColumn(); }
    void bothCountersPrintOnOnePort()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY2(db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(t.database());
        testing::PseudoTerminal pty;
        const QString configured = Settings().ticketPrinterPort;
        Settings().ticketPrinterPort = pty.slave();
        testing::MessageRecorder messages;
        std::unique_ptr<QWidget> w1(ScreenRegistry::instance().create("EBI040"));
        std::unique_ptr<QWidget> w2(ScreenRegistry::instance().create("EBI050"));
        Settings().ticketPrinterPort = configured;
        auto *rental = qobject_cast<TfrmEBI040 *>(w1.get());
        auto *storage = qobject_cast<TfrmEBI050 *>(w2.get());
        QVERIFY(rental && storage);
        QCOMPARE(&rental->cptPrinter, &storage->cptPrinter);
        QVERIFY(!rental->cptPrinter.isConnected());   // opened by the first ticket
        rental->show();
        storage->show();

        QVERIFY(rental->cboArea->setCode("M"));
        rental->edtRentNo->setText("1");
        rental->bbtSearchClick();
        QVERIFY(rental->grid()->rowCount() > 0);
        rental->grid()->setCurrentRow(0);
        rental->bbtReissue->click();
        storage->edtSeason->setText("26");
        emit storage->edtSeason->editingFinished();
        QVERIFY(storage->cboArea->setCode("S"));
        storage->bbtSearchClick();
        QVERIFY(storage->grid()->rowCount() > 0);
        storage->grid()->setCurrentRow(0);
        storage->bbtReissue->click();
        rental->bbtReissue->click();

        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('|')));
        const QByteArray line = pty.readAll();
        QCOMPARE(line.count("<CB><RR>"), 2);
        QCOMPARE(line.count("<CB><NR>"), 1);
        QVERIFY(line.indexOf("<CB><NR>") < line.lastIndexOf("<CB><RR>"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestDemoScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_demo_screens.moc"
