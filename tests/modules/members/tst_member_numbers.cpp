// Member numbers given by PR_EGI020_01: two counters adding members at the same moment, each on its
// own connection, never get the same number.
#include "database/procedure.h"
#include "support/childprocesses.h"
#include "support/testdatabase.h"
#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <QtTest>
#include <cstdio>

using namespace db;

namespace {

bool addMember(Database *d, const QString &name, QString *no, QString *error)
{
    StoredProc p(d, "PR_EGI020_01");
    p.setParam("aEDITSTATUS", "2");
    p.setParam("aMEMBER_NAME", name);
    p.setParam("aSEX_CODE", "1");
    p.setParam("aU_EMP_NO", "E1");
    p.setParam("aU_IP", "10.0.0.1");
    const bool ok = p.exec();
    *no = p.param("aMEMBER_NO");
    *error = p.lastError();
    return ok;
}

// A counter of its own: adds n members, printing each number it was given.
int counterChild(const QStringList &a)
{
    const ConnectionSettings s = testing::connectionFromArgs(a, 2);
    Database d;
    if (!d.open(s))
        return 2;
    for (int i = 0, n = a.value(8).toInt(); i < n; ++i) {
        QString no, error;
        if (!addMember(&d, a.value(9) + QString::number(i), &no, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 3;
        }
        std::printf("%s\n", qPrintable(no));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestMemberNumbers : public QObject {
    Q_OBJECT
private slots:
    void twoCountersGetDistinctNumbers_data() { testing::addBackendColumn(); }
    void twoCountersGetDistinctNumbers()
    {
        TEST_DB_FETCH(t);
        // numbering goes on after the largest number stored
        QVERIFY(t.run("INSERT INTO BA040MS (MEMBER_NO, MEMBER_NAME) VALUES ('2000000041', '기존')"));
        const int n = 25;
        testing::ChildProcesses counters;
        for (const QString &who : {"가", "나"})
            counters.start("--counter-child", t.settings(), {QString::number(n), who});
        QVERIFY(counters.finish(120000));
        QSet<QString> numbers;
        for (const QByteArray &output : counters.outputs())
            for (const QByteArray &line : output.split('\n'))
                if (!line.isEmpty())
                    numbers.insert(QString::fromLatin1(line.trimmed()));
        QCOMPARE(numbers.size(), 2 * n);
        for (int i = 42; i < 42 + 2 * n; ++i)
            QVERIFY2(numbers.contains(QString("20%1").arg(i, 8, 10, QChar('0'))), qPrintable(QString::number(i)));
        QCOMPARE(t.count("BA040MS"), 2 * n + 1);
    }

    // A member without a name is refused with the server's text; a change of a number not stored too.
    void refusals_data() { testing::addBackendColumn(); }
    void refusals()
    {
        TEST_DB_FETCH(t);
        QString no, error;
        QVERIFY(!addMember(t.database(), "  ", &no, &error));
        QCOMPARE(error, QString("회원명을 입력하십시오."));
        StoredProc p(t.database(), "PR_EGI020_01");
        p.setParam("aEDITSTATUS", "1");
        p.setParam("aMEMBER_NO", "2099999999");
        p.setParam("aMEMBER_NAME", "없음");
        QVERIFY(!p.exec());
        QCOMPARE(p.lastError(), QString("회원번호가 존재하지 않습니다."));
        QCOMPARE(t.count("BA040MS"), 0);
    }
};

int main(int argc, char **argv)
{
    const QStringList args = [&] { QStringList a; for (int i = 0; i < argc; ++i) a << QString::fromLocal8Bit(argv[i]); return a; }();
    if (args.value(1) == QLatin1String("--counter-child")) {
        QCoreApplication app(argc, argv);
        return counterChild(args);
    }
    testing::prepareTestEnvironment();
    QCoreApplication app(argc, argv);
    TestMemberNumbers t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_member_numbers.moc"
