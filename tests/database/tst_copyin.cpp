// Loading through COPY on PostgreSQL: every text as given (the characters COPY's text format escapes,
// NULL against the empty text, Korean), rows in several packets, and a row the server refuses failing
// the load with the server's reason while the connection goes on serving the program.
#include "support/testdatabase.h"
#include "database/copyin.h"
#include "database/transaction.h"
#include <QtTest>

class TestCopyIn : public QObject {
    Q_OBJECT
private slots:
    void loadsTextAsGivenAndFailsWhole()
    {
        testing::TestDatabase lite(db::Backend::SQLite);
        QVERIFY(lite.ok());
        QVERIFY(!db::CopyIn::available(lite.database()));   // SQLite keeps its prepared inserts
        if (!testing::testBackends().contains(db::Backend::PostgreSQL))
            QSKIP("SPORTS_TEST_PG names no server");
        testing::TestDatabase t(db::Backend::PostgreSQL);
        QVERIFY2(t.ok(), qPrintable(t.error()));
        db::Database *d = t.database();
        QVERIFY(db::CopyIn::available(d));
        QVERIFY(t.run("CREATE TABLE T_COPY (NO INTEGER NOT NULL, TEXT_VALUE VARCHAR(40), AMOUNT NUMERIC(9,3));"));

        const QStringList odd = {"tab\there", "line\nbreak\r", "back\\slash \\N", QString(), "",
                                 QStringLiteral("스키 대여\t1")};
        {
            db::Transaction tx(d);
            db::CopyIn copy(d, "T_COPY", {"NO", "TEXT_VALUE", "AMOUNT"});
            QVERIFY2(copy.isActive(), qPrintable(copy.error()));
            for (int i = 0; i < 30000; ++i) {   // well over one packet
                const QString no = QString::number(i);
                const QString &text = odd[i % odd.size()];
                QVERIFY(copy.addRow({no, text.isNull() ? QStringView() : QStringView(text), u"-1.5"}));
            }
            qint64 rows = 0;
            QVERIFY2(copy.finish(&rows), qPrintable(copy.error()));
            QCOMPARE(rows, 30000);
            QVERIFY(tx.commit());
        }
        QCOMPARE(t.count("T_COPY"), 30000);
        QCOMPARE(t.count("T_COPY", "AMOUNT = -1.5"), 30000);
        for (int i = 0; i < odd.size(); ++i) {
            if (odd[i].isEmpty()) {   // NULL and the empty text: both NULL to the program
                QCOMPARE(t.count("T_COPY", QString("NO = %1 AND TEXT_VALUE IS NULL").arg(i)), 1);
                continue;
            }
            QCOMPARE(t.scalar(QString("SELECT TEXT_VALUE FROM T_COPY WHERE NO = %1").arg(i)), odd[i]);
        }
        QCOMPARE(t.count("T_COPY", "TEXT_VALUE = ''"), 0);

        // a value the column refuses: the load fails with the server's reason and nothing is stored
        {
            db::Transaction tx(d);
            db::CopyIn copy(d, "T_COPY", {"NO", "TEXT_VALUE", "AMOUNT"});
            QVERIFY(copy.addRow({u"90001", u"good", u"1"}));
            QVERIFY(copy.addRow({u"90002", u"bad", u"many"}));
            QVERIFY(!copy.finish());
            QVERIFY2(copy.error().contains("numeric"), qPrintable(copy.error()));
            tx.rollback();
        }
        // an abandoned load leaves nothing either
        {
            db::Transaction tx(d);
            db::CopyIn copy(d, "T_COPY", {"NO", "TEXT_VALUE", "AMOUNT"});
            QVERIFY(copy.addRow({u"90003", u"left", u"1"}));
        }
        QCOMPARE(t.count("T_COPY", "NO > 90000"), 0);
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM T_COPY WHERE NO < 10"), QString("10"));   // the connection serves on
        db::CopyIn none(d, "T_NO_SUCH_TABLE", {"NO"});
        QVERIFY(!none.isActive());
        QVERIFY2(none.error().contains("t_no_such_table"), qPrintable(none.error()));
        QCOMPARE(t.count("T_COPY"), 30000);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestCopyIn t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_copyin.moc"
