// Every equipment screen on the demo database: opened as the menu would, searched with the conditions
// it starts with (and the demo season), and closed, without a database error on either back end.
#include "modules/equipment/screens.h"
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
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestDemoScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_demo_screens.moc"
