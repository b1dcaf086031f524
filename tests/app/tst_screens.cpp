// Every screen the menu can open, built on the demo database: every detail control of a record screen
// shows a column of its grid (a hint naming none would leave the control silently unbound).
#include "app/main/allscreens.h"
#include "core/startupvalues.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "framework/ezi000.h"
#include "framework/screenregistry.h"
#include "support/messagerecorder.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QDate>
#include <QtTest>

class TestAllScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterAllScreens(); }

    void everyHintNamesAColumn()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.ok());
        QString error;
        QVERIFY2(db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        int records = 0;
        for (const QString &id : ScreenRegistry::programIds()) {
            if (!ScreenRegistry::instance().has(id))
                continue;
            std::unique_ptr<QWidget> w(ScreenRegistry::instance().create(id));
            QVERIFY2(w, qPrintable(id));
            if (auto *record = qobject_cast<TfrmEZI000 *>(w.get())) {
                QCOMPARE(id + ": " + record->unboundHints().join(", "), id + ": ");
                ++records;
            }
        }
        QVERIFY(records >= 5);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestAllScreens t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_screens.moc"
