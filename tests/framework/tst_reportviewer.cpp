// The report viewer: the parameter string, every shipped definition on the demo database against a
// direct sum of its tables (both back ends), the messages of a report that cannot be opened, and a
// definition fetched from a report server that answers and from one that does not.
#include "framework/reportviewer.h"
#include "core/settings.h"
#include "database/datamodule.h"
#include "database/schema.h"
#include "report/preview.h"
#include "report/report.h"
#include "support/testdatabase.h"
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString reportsDir() { return qEnvironmentVariable("SPORTS_SOURCE_DIR") + "/reports/"; }

double sumOf(TReportViewer &v, const QString &field)
{
    double sum = 0;
    report::DataSource *s = v.report()->dataSource();
    if (!s->reset())
        return -1;
    while (s->next())
        sum += s->value(field).toDouble();
    return sum;
}

int rowsOf(TReportViewer &v)
{
    int n = 0;
    report::DataSource *s = v.report()->dataSource();
    if (s->reset())
        while (s->next())
            ++n;
    return n;
}

} // namespace

class TestReportViewer : public QObject {
    Q_OBJECT

private slots:
    void parameterString()
    {
        QCOMPARE(ReportParams({"20261201", "20261210"}), QString("/rp [20261201] [20261210]"));
        QCOMPARE(ReportParams({"20261201", "20261210", "5001", " VAT별도"}),
                 QString("/rp [20261201] [20261210] [5001] [ VAT별도]"));
        QCOMPARE(ReportParams({}), QString("/rp"));
        QCOMPARE(ParseReportParams("/rp [20261201] [20261210]"), (QStringList{"20261201", "20261210"}));
        // A bracket or a backslash inside a value neither ends it nor shifts the values after it.
        const QStringList odd{"a] [b", "[x]", "c\\", ""};
        QCOMPARE(ParseReportParams(ReportParams(odd)), odd);
        QCOMPARE(ParseReportParams("20261201"), QStringList());
        QCOMPARE(ParseReportParams("/rp [unclosed"), QStringList());
    }

    void shippedDefinitions_data() { testing::addBackendColumn(); }
    void shippedDefinitions()
    {
        TEST_DB_FETCH(t);
        QString error;
        QVERIFY2(db::loadDemoData(*t.database(), QDate::currentDate(), &error), qPrintable(error));
        DM()->attach(t.database());
        const QString from = "20000101", to = QDate::currentDate().toString("yyyyMMdd");
        const QString period = QString("SALE_DATE BETWEEN '%1' AND '%2'").arg(from, to);
        const QString sales = "SELECT NVL(SUM(SALE_AMT), 0) FROM IA010MS WHERE " + period;
        const QString place = sales + " AND UPJANG_CODE = '5003'";
        const QHash<QString, QPair<QString, QString>> expected{
            {"곤도라발권및Gate통과현황.mrd", {"AMT", sales + " AND TICKET_KIND = '05'"}},
            {"영업장별고객구분별권종별판매집계.mrd", {"AMT", place}},
            {"영업장별권종별판매집계.mrd", {"AMT", place}},
            {"영업장별고객구분별판매집계.mrd", {"AMT", place}},
            {"영업장할인율권종별매출집계.mrd", {"AMT", place}},
            {"MENU_UPJANG.mrd", {"AMT", place}},
            {"POS_UPJANG.mrd", {"AMT", place}},
            {"시즌락카판매집계.mrd", {"SALE_AMT", "SELECT NVL(SUM(SALE_AMT), 0) FROM EH020MS WHERE " + period}},
        };
        const QStringList files = QDir(reportsDir()).entryList({"*.mrd"}, QDir::Files);
        QVERIFY(files.size() >= expected.size());
        TReportViewer v;
        v.resize(900, 700);
        for (const QString &file : files) {
            QFile f(reportsDir() + file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QStringList values;
            for (const auto &p : QJsonDocument::fromJson(f.readAll()).object().value("parameters").toArray()) {
                const QString name = p.toString();
                values << (name == "FROM_DATE" ? from : name == "TO_DATE" ? to : name == "UPJANG_CODE" ? "5003" : " VAT별도");
            }
            v.setAutoAdjust(0);
            v.setZoomRatio(90);
            QVERIFY2(v.Open(reportsDir() + file, ReportParams(values)), qPrintable(file + ": " + v.errorText()));
            QVERIFY(v.preview()->pageCount() >= 1);
            QCOMPARE(v.preview()->zoom(), 90);
            if (file.contains("VAT별도")) {   // the tax left out of every group's amount
                const double gross = t.scalar(place).toDouble();
                QVERIFY(qAbs(sumOf(v, "AMT") - gross / 1.1) < 50);
                continue;
            }
            if (!expected.contains(file))
                continue;
            const double direct = t.scalar(expected[file].second).toDouble();
            QVERIFY2(direct > 0, qPrintable(file));
            QCOMPARE(sumOf(v, expected[file].first), direct);
        }
        DM()->attach(nullptr);
    }

    // A missing or malformed definition and a failing statement say so in the viewer, never a blank page.
    void unopenableReports()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.ok());
        DM()->attach(t.database());
        QTemporaryDir dir;
        auto write = [&](const QString &name, const QByteArray &text) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        write("broken.mrd", "{ \"title\": \"x\", ");
        write("nocolumns.mrd", "{ \"title\": \"x\", \"statement\": \"SELECT 1 AS A FROM JA010MS\" }");
        write("badsql.mrd", "{ \"statement\": \"SELECT NOPE FROM NO_TABLE\", \"columns\": [{\"field\": \"NOPE\"}] }");
        write("good.mrd", "{ \"title\": \"영업장\", \"parameters\": [\"UPJANG_CODE\"], "
                          "\"statement\": \"SELECT UPJANG_NAME FROM JA010MS WHERE UPJANG_CODE = :UPJANG_CODE\", "
                          "\"columns\": [{\"field\": \"UPJANG_NAME\", \"title\": \"영업장명\"}] }");
        QVERIFY(t.run("INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME, UPJANG_TYPE) VALUES ('5001', '매표소', '50');\n"));
        TReportViewer v;
        auto *message = v.findChild<QLabel *>("lblViewerMessage");
        QVERIFY(!v.Open(dir.filePath("missing.mrd"), "/rp"));
        QVERIFY(v.errorText().startsWith("보고서 정의 파일을 찾을 수 없습니다.\r"));
        QVERIFY(message->isVisibleTo(&v) && message->text().contains("missing.mrd"));
        QVERIFY(!v.Open(dir.filePath("broken.mrd"), "/rp"));
        QVERIFY(v.errorText().startsWith("보고서 정의 파일을 읽을 수 없습니다.\r"));
        QVERIFY(!v.Open(dir.filePath("nocolumns.mrd"), "/rp"));
        QVERIFY(v.errorText().startsWith("보고서 정의 파일을 읽을 수 없습니다.\r"));
        QVERIFY(!v.Open(dir.filePath("badsql.mrd"), "/rp"));
        QVERIFY(v.errorText().startsWith("보고서 자료를 읽지 못했습니다.\r\r에러내용:\r"));
        QVERIFY(v.report() == nullptr);
        // A quote in a value is bound, never part of the statement.
        QVERIFY(v.Open(dir.filePath("good.mrd"), ReportParams({"5001' OR '1' = '1"})));
        QCOMPARE(rowsOf(v), 0);
        QVERIFY(v.Open(dir.filePath("good.mrd"), ReportParams({"5001"})));
        QVERIFY(v.errorText().isEmpty() && !message->isVisibleTo(&v));
        QCOMPARE(v.title(), QString("영업장"));
        QCOMPARE(rowsOf(v), 1);
        QVERIFY(v.report()->dataSource()->reset() && v.report()->dataSource()->next());
        QCOMPARE(v.report()->dataSource()->value("UPJANG_NAME"), QString("매표소"));
        DM()->attach(nullptr);
    }

    // The report folder of the settings may be a report server's address.
    void reportServer()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(t.ok());
        DM()->attach(t.database());
        const QByteArray body = "{ \"title\": \"서버\", \"statement\": \"SELECT UPJANG_CODE FROM JA010MS\", "
                                "\"columns\": [{\"field\": \"UPJANG_CODE\"}] }";
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QString requested;
        bool answer = true;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            QTcpSocket *s = server.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [&, s] {
                requested += QString::fromUtf8(s->readAll());
                if (!answer)
                    return;
                s->write("HTTP/1.0 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                         + QByteArray::number(body.size()) + "\r\n\r\n" + body);
                s->disconnectFromHost();
            });
        });
        const QString saved = Settings().reportFolder;
        Settings().reportFolder = QString("http://127.0.0.1:%1/REPORT/").arg(server.serverPort());
        TReportViewer v;
        QVERIFY2(v.Open(TReportViewer::location("server.mrd"), "/rp"), qPrintable(v.errorText()));
        QCOMPARE(v.title(), QString("서버"));
        QVERIFY(requested.startsWith("GET /REPORT/server.mrd"));
        answer = false;
        TReportViewer::setServerTimeout(300);
        QVERIFY(!v.Open(TReportViewer::location("server.mrd"), "/rp"));
        QVERIFY(v.errorText().startsWith("보고서 서버에 연결할 수 없습니다.\r"));
        TReportViewer::setServerTimeout(10000);
        Settings().reportFolder = saved;
        DM()->attach(nullptr);
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestReportViewer t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reportviewer.moc"
