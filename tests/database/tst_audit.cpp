// Every procedure that writes records who wrote: the employee and the workstation of the call, also the
// procedures whose parameter list carries no audit values (the locker cancellation). Each is called on a
// stored row of the demo database as its screen would change it, under an employee of its own.
#include "core/startupvalues.h"
#include "database/procedure.h"
#include "database/query.h"
#include "database/schema.h"
#include "support/testdatabase.h"
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace db;

namespace {

struct Case {
    const char *procedure;
    const char *table;                  // the stored row the parameters come from; empty for none
    const char *where;                  // which row ({TODAY}: today); empty for the first
    QHash<QString, QString> params;     // parameters the row does not give, or gives otherwise
};

const QString kIp = QStringLiteral("10.9.9.9");

// Procedures that only read.
const QStringList kReadOnly = {QStringLiteral("PR_EHI020_02")};

QList<Case> cases()
{
    const QHash<QString, QString> changed{{"AEDITSTATUS", "1"}};
    return {
        {"PR_EBI010_01", "", "", {{"ARUN_DATE", "20300101"}}},
        {"PR_EBI010_02", "EB010MS", "", changed},
        {"PR_EBI020_01", "EB020MS", "", changed},
        {"PR_EBI030_01", "EB030MS", "", changed},
        {"PR_EBI040_01", "EB040MS", "", changed},
        {"PR_EBI040_02", "EB040DT", "RENT_STAT = 'D'", changed},
        {"PR_EBI040_03", "EB020MS", "EQUIP_RENT_YN = 'Y' AND NVL(SVRL_RENT_YN, 'N') = 'N'",
         {{"AEDITSTATUS", "2"}, {"ARENT_DATE", "20300101"}}},
        {"PR_EBI050_01", "EB050MS", "", changed},
        {"PR_ECI010_01", "EC010MS", "", changed},
        {"PR_ECI020_01", "EC020DT", "", changed},
        {"PR_ECI030_01", "EC030MS", "", changed},
        {"PR_ECI040_01", "EC040MS", "", changed},
        {"PR_ECI050_01", "EC040MS", "YAEYAK_DATE > '{TODAY}' AND YAEYAK_ABILITY_CNT > 5",
         {{"AEDITSTATUS", "1"}, {"AEMP_NO", "990001"}, {"AEMP_NAME", "감사"}, {"AYAEYAK_CNT", "1"}}},
        {"PR_ECI060_01", "EC060MS", "", changed},
        {"PR_ECI070_01", "EC070MS", "", changed},
        {"PR_ECI080_01", "EC080MS", "", changed},
        {"PR_EDI010_01", "ED010MS", "", changed},
        {"PR_EDI020_01", "ED020MS", "", changed},
        {"PR_EDI030_01", "ED020DT", "", changed},
        {"PR_EEI010_01", "EE010MS", "", changed},
        {"PR_EGI020_01", "BA040MS", "", changed},
        {"PR_EHI010_01", "EH010MS", "",
         {{"AEDITSTATUS", "2"}, {"ASEQ_NO", ""}, {"ABEGINNING_NO", "9000"}, {"ALOCKER_QTY", "2"}}},
        {"PR_EHI010_02", "EH010MS", "BEGINNING_NO = '9000'", {}},
        {"PR_EHI020_01", "EH020MS", "SALE_DATE IS NOT NULL", changed},
        {"PR_EHI020_03", "EH020MS", "SALE_DATE IS NOT NULL", {{"AEDITSTATUS", "3"}}},
        {"PR_EHI040_01", "EH030MS", "", changed},
    };
}

// The tables that carry who changed a row, from the schema.
QStringList auditedTables()
{
    QStringList tables;
    static const QRegularExpression table(QStringLiteral("CREATE TABLE (\\w+) \\(([^;]*)\\);"));
    for (const QString &path : schemaFiles()) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        auto it = table.globalMatch(QString::fromUtf8(f.readAll()));
        while (it.hasNext()) {
            const auto m = it.next();
            if (m.captured(2).contains(QLatin1String("U_EMP_NO")))
                tables << m.captured(1);
        }
    }
    return tables;
}

QHash<QString, QString> firstRow(Database *db, const QString &table, const QString &where)
{
    QHash<QString, QString> row;
    Query q(db);
    q.setSql(QStringLiteral("SELECT * FROM %1%2 ORDER BY 1, 2")
                 .arg(table, where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    if (q.open() && q.next())
        for (const QString &name : q.fieldNames())
            row.insert(name.toUpper(), q.value(name));
    return row;
}

} // namespace

class TestAudit : public QObject {
    Q_OBJECT
private slots:
    void everyWritingProcedureRecordsWho_data() { testing::addBackendColumn(); }
    void everyWritingProcedureRecordsWho()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY2(loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        const QStringList tables = auditedTables();
        QVERIFY(tables.size() > 10);
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        QStringList covered = kReadOnly, faults;
        int n = 0;
        for (const Case &c : cases()) {
            covered << QString::fromLatin1(c.procedure);
            const QString emp = QStringLiteral("AU%1").arg(++n);
            Startup().employeeNumber = emp;
            Startup().workstationAddress = kIp;
            QHash<QString, QString> row;
            if (*c.table) {
                row = firstRow(t.database(), QString::fromLatin1(c.table), QString::fromUtf8(c.where).replace("{TODAY}", today));
                if (row.isEmpty()) {
                    faults << QStringLiteral("%1: no demo row in %2").arg(c.procedure, c.table);
                    continue;
                }
            }
            StoredProc p(t.database(), QString::fromLatin1(c.procedure));
            for (const QString &name : p.paramNames()) {
                if (name == QLatin1String("AU_EMP_NO"))
                    p.setParam(name, emp);
                else if (name == QLatin1String("AU_IP"))
                    p.setParam(name, kIp);
                else if (c.params.contains(name))
                    p.setParam(name, c.params.value(name));
                else
                    p.setParam(name, row.value(name.mid(1)));
            }
            const QString start = ProcedureCall::now14();
            if (!p.exec()) {
                faults << QStringLiteral("%1: %2").arg(c.procedure, p.lastError());
                continue;
            }
            int written = 0;
            for (const QString &table : tables) {
                written += t.count(table, QStringLiteral("U_EMP_NO = '%1' AND U_IP = '%2'").arg(emp, kIp));
                const int anonymous = t.count(table, QStringLiteral("U_DATE >= '%1' AND (U_EMP_NO IS NULL OR U_EMP_NO NOT LIKE 'AU%' "
                                                                    "OR U_IP IS NULL OR U_IP <> '%2')").arg(start, kIp));
                if (anonymous > 0)
                    faults << QStringLiteral("%1: %2 rows of %3 without who wrote them").arg(c.procedure).arg(anonymous).arg(table);
            }
            if (written == 0)
                faults << QStringLiteral("%1: wrote no row naming its employee").arg(c.procedure);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        covered.sort();
        QCOMPARE(covered, ProcedureCatalog::instance().names());   // a new procedure needs its case here
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestAudit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_audit.moc"
