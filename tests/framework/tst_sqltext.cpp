// The select-list helpers of the lists, reports and lookups: stored dates and codes as shown, and a
// missing (NULL or blank) value as an empty cell on both back ends.
#include "support/testdatabase.h"
#include "database/query.h"
#include "framework/sqltext.h"
#include <QtTest>

class TestSqlText : public QObject {
    Q_OBJECT
private slots:
    void datesAndLabels_data() { testing::addBackendColumn(); }
    void datesAndLabels()
    {
        TEST_DB_FETCH(t);
        QVERIFY(t.run("CREATE TABLE T_DATES (ID INTEGER, D VARCHAR(8), C VARCHAR(4));\n"
                      "INSERT INTO T_DATES VALUES (1, '20261209', 'S');\n"
                      "INSERT INTO T_DATES VALUES (2, NULL, NULL);\n"
                      "INSERT INTO T_DATES VALUES (3, '', 'X');\n"
                      "INSERT INTO T_DATES VALUES (4, '        ', '');\n"
                      "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'S', '스키');\n"));
        db::Query q(t.database());
        q.setSql(QStringLiteral("SELECT %1, %2 FROM T_DATES ORDER BY ID")
                     .arg(dashedDate("D", "D_SHOWN"), codeLabel("GC_C", "C", "C_NAME")));
        q.bind("GC_C", "E0009");
        QVERIFY2(q.open(), qPrintable(q.lastError()));
        QStringList rows;
        QList<bool> nulls;
        while (q.next()) {
            rows << q.value("D_SHOWN") + '/' + q.value("C_NAME");
            nulls << (q.isNull(0) && q.isNull(1));
        }
        QCOMPARE(rows, QStringList({"2026-12-09/스키", "/", "/", "/"}));
        QCOMPARE(nulls, QList<bool>({false, true, true, true}));
        // Inside an expression the missing date stays NULL rather than "--".
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM T_DATES WHERE " + dashedDate("D") + " IS NULL"), QString("3"));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestSqlText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sqltext.moc"
