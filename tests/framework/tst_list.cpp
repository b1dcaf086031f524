// The list screen: packets, navigation, column chooser, Cancel, and the spreadsheet file read back
// record by record.
#include "listfixture.h"
#include "core/cp949.h"
#include "database/datamodule.h"
#include "framework/xlsexport.h"
#include "support/messagerecorder.h"
#include "support/xlsreader.h"
#include "support/xlsxreader.h"
#include <QAction>
#include <algorithm>
#include <QHeaderView>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

using testing::Cell;
using testing::find;
using testing::parseXls;

class TestList : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_asked;
    QString m_answer;
    QStringList m_opened;

private slots:
    void init()
    {
        m_asked.clear();
        m_opened.clear();
        TfrmZZS020::setSaveAsker([this](QWidget *, const QString &proposed, const QString &filter) {
            m_asked = proposed + "|" + filter;
            return m_answer;
        });
        TfrmZZS020::setFileOpener([this](const QString &path) { m_opened << path; });
    }

    void packetsAndNavigation_data() { testing::addBackendColumn(); }
    void packetsAndNavigation()
    {
        TEST_DB_FETCH(t);
        QVERIFY(fillListFixture(t.database(), 250));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 100);          // one packet, not the whole result
        QVERIFY(s.cdsQuery->canFetchMore());
        QCOMPARE(s.rgrGrid->currentRow(), 0);
        s.sbtPriorClick();
        QCOMPARE(s.rgrGrid->currentRow(), 0);
        s.sbtNextClick();
        QCOMPARE(s.cdsQuery->text(s.rgrGrid->currentRow(), "NO"), QString("0002"));
        s.sbtLastClick();
        QCOMPARE(s.cdsQuery->rowCount(), 250);
        QCOMPARE(s.cdsQuery->text(s.rgrGrid->currentRow(), "NO"), QString("0250"));
        s.sbtFirstClick();
        QCOMPARE(s.rgrGrid->currentRow(), 0);
        QCOMPARE(s.cdsQuery->text(1, "AMT"), QString());   // NULL reads as empty
        QCOMPARE(messages.count(), 0);

        // No footer of its own: nothing under any column (no "0" to read as a total); the chooser lists
        // every column.
        for (int c = 0; c < s.rgrGrid->columnCount(); ++c)
            QCOMPARE(s.rgrGrid->footerText(c), QString());
        QCOMPARE(s.popGrid->actions().size(), 4);
        QCOMPARE(s.popGrid->actions().at(1)->text(), QString("이름"));
        QVERIFY(s.popGrid->actions().at(1)->isChecked());
        s.popGrid->actions().at(1)->trigger();
        QVERIFY(s.rgrGrid->isColumnHidden(1));

        // Nothing found: the message, an empty grid; navigation then does nothing.
        s.edtName->setText("없는이름");
        s.bbtSearchClick();
        QCOMPARE(messages.last(), QString("조회할 내용이 없습니다."));
        QCOMPARE(s.cdsQuery->rowCount(), 0);
        s.sbtLastClick();
        QCOMPARE(s.rgrGrid->currentRow(), -1);

        // the four navigation glyphs can be told apart, and each names its step
        QList<QImage> glyphs;
        for (QToolButton *b : {s.sbtFirst, s.sbtPrior, s.sbtNext, s.sbtLast}) {
            glyphs << b->icon().pixmap(16, 16).toImage();
            QVERIFY(!b->toolTip().isEmpty());
        }
        for (int i = 0; i < glyphs.size(); ++i)
            for (int j = i + 1; j < glyphs.size(); ++j)
                QVERIFY2(glyphs[i] != glyphs[j], qPrintable(QString("%1 and %2 look alike").arg(i).arg(j)));
    }

    // A row that cannot be read ends the list with a message, never as its end: past the first packet
    // the rows stay with the message and no export takes them for the whole; within it there is no list.
    void readFailureIsShown_data() { testing::addBackendColumn(); }
    void readFailureIsShown()
    {
        TEST_DB_FETCH(t);
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        const QString failingAt = "WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < 300) "
                                  "SELECT X AS NO, 'A' AS NAME, TO_NUMBER(CASE WHEN X = %1 THEN 'x' ELSE '1' END) AS QTY, "
                                  "X AS AMT FROM N";
        s.statement = failingAt.arg(150);
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 100);
        s.cdsQuery->fetchMore();
        QTRY_COMPARE(messages.count(), 1);
        QVERIFY2(messages.last().startsWith("자료를 끝까지 읽지 못했습니다. 목록의 자료가 전부가 아닙니다.\r\r에러내용:\r"),
                 qPrintable(messages.last()));
        QVERIFY(s.cdsQuery->failed() && !s.cdsQuery->isComplete() && s.cdsQuery->rowCount() < 150);
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, s.cdsQuery->fetchAll());

        s.statement = failingAt.arg(76);
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, s.bbtSearchClick());
        QCOMPARE(s.cdsQuery->rowCount(), 0);
    }

    // A right-aligned cell of more digits than a double holds is written as its text, not as infinity.
    void hugeNumbersStayText()
    {
        const QString path = m_dir.filePath("digits.xls");
        TXlsWriter xls;
        QVERIFY(xls.open(path));
        const QString digits(400, '9');
        xls.cell(0, 0, digits, true);
        xls.cell(1, 0, QString(20, '1'), true);
        QVERIFY(xls.finish());
        QVector<Cell> cells;
        QVERIFY(parseXls(path, &cells));
        QCOMPARE(find(cells, 0, 0)->text, digits);
        QCOMPARE(find(cells, 1, 0)->number, 1.1111111111111111e19);
        QCOMPARE(find(cells, 1, 0)->format, QString("General"));
    }

    void cancelThenExcel()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(fillListFixture(t.database(), 5));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        s.bbtExcelClick();
        QCOMPARE(s.statusMessage(), QString("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        s.bbtSearchClick();
        QCOMPARE(s.cdsQuery->rowCount(), 5);
        s.bbtCancelClick();
        QCOMPARE(s.cdsQuery->rowCount(), 0);
        s.bbtExcelClick();
        QCOMPARE(s.statusMessage(), QString("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        QVERIFY(m_asked.isEmpty());

        s.bbtSearchClick();
        m_answer.clear();
        s.bbtExcelClick();
        QCOMPARE(m_asked, QString("TSS010|Excel 파일(*.xls)|*.xls|Excel 통합 문서(*.xlsx)|*.xlsx"));
        QCOMPARE(s.statusMessage(), QString("저장할 파일 이름을 지정하지 않았습니다."));
        s.bbtExcel->setEnabled(false);
        m_asked.clear();
        s.bbtExcelClick();
        QVERIFY(m_asked.isEmpty());
        QCOMPARE(s.statusMessage(), QString());
    }

    void exportRecords_data() { testing::addBackendColumn(); }
    void exportRecords()
    {
        TEST_DB_FETCH(t);
        QVERIFY(fillListFixture(t.database(), 120));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        s.bbtSearchClick();
        s.sbtNextClick();
        s.sbtNextClick();
        // Hide 이름 through the chooser and move 금액 before 수량.
        s.popGrid->actions().at(1)->trigger();
        QHeaderView *h = s.rgrGrid->horizontalHeader();
        h->moveSection(h->visualIndex(3), h->visualIndex(2));

        const QString typed = m_dir.filePath("list.txt");
        const QString written = m_dir.filePath("list.xls");
        QFile::remove(written);
        m_answer = typed;
        messages.answer(true);   // open it afterwards
        s.bbtExcelClick();
        QVERIFY(!QFile::exists(typed));
        QVERIFY(QFile::exists(written));
        QCOMPARE(messages.texts(), QStringList({"저장한 파일(list.xls)을 Excel로 불러올까요?"}));
        QCOMPARE(m_opened, QStringList({written}));
        QCOMPARE(s.rgrGrid->currentRow(), 2);   // back on the record it was on
        QCOMPARE(s.cdsQuery->rowCount(), 120);

        QVector<Cell> cells;
        QVERIFY(parseXls(written, &cells));
        const auto isCell = [](const Cell &c) { return c.type == 0x0204 || c.type == 0x0203; };
        QCOMPARE(std::count_if(cells.begin(), cells.end(), isCell), 1 + 1 + 3 + 120 * 3);
        QCOMPARE(testing::codePage(cells), 949);   // Korean read as Korean under any locale
        QCOMPARE(find(cells, 0, 0)->text, QString("시험 현황 조회,출력"));
        // the band of 금액 and 수량 once, over the first of its run
        QCOMPARE(find(cells, 1, 1)->text, QString("현황"));
        QVERIFY(!find(cells, 1, 0) && !find(cells, 1, 2));
        QCOMPARE(find(cells, 2, 0)->text, QString("번호"));
        QCOMPARE(find(cells, 2, 1)->text, QString("금액"));
        QCOMPARE(find(cells, 2, 2)->text, QString("수량"));
        QVERIFY(!find(cells, 2, 3));
        // Record 0: centred "0001" stays text; the right-aligned "12.50" is the number it shows.
        QCOMPARE(find(cells, 3, 0)->type, quint16(0x0204));
        QCOMPARE(find(cells, 3, 0)->text, QString("0001"));
        QCOMPARE(find(cells, 3, 1)->type, quint16(0x0203));
        QCOMPARE(find(cells, 3, 1)->number, 12.5);
        QCOMPARE(find(cells, 3, 1)->format, QString("0.00"));   // shown as the grid shows it
        QCOMPARE(find(cells, 3, 2)->type, quint16(0x0203));
        QCOMPARE(find(cells, 3, 2)->number, 10.0);
        // Record 1: the empty right-aligned field is the number 0; record 119 a negative number.
        QCOMPARE(find(cells, 4, 1)->type, quint16(0x0203));
        QCOMPARE(find(cells, 4, 1)->number, 0.0);
        QCOMPARE(find(cells, 122, 1)->number, -120.0);
        QCOMPARE(find(cells, 122, 2)->number, 1200.0);

        // Exists: the overwrite question; No leaves the file as it was.
        const qint64 size = QFileInfo(written).size();
        messages.clear();
        messages.answer(false);
        s.popGrid->actions().at(1)->trigger();   // 이름 shown again
        m_answer = written;
        s.bbtExcelClick();
        QCOMPARE(messages.texts(), QStringList({"이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"}));
        QCOMPARE(QFileInfo(written).size(), size);
    }

    // Right-aligned fields are numbers as the grid shows them; codes and half-typed numbers stay text.
    void numbersAsShown()
    {
        const QString path = m_dir.filePath("numbers.xls");
        TXlsWriter xls;
        QVERIFY(xls.open(path));
        const QStringList texts = {"1,234,567", "-1,234.50", "0.25", "0001", "1,23", "12.", "1234,567", "사고"};
        for (int i = 0; i < texts.size(); ++i)
            xls.cell(quint16(i), 0, texts[i], true);
        QVERIFY(xls.finish());
        QVector<Cell> cells;
        QVERIFY(parseXls(path, &cells));
        const QVector<double> numbers = {1234567, -1234.5, 0.25};
        const QStringList formats = {"#,##0", "#,##0.00", "0.00"};   // a reader shows them as the grid did
        for (int i = 0; i < texts.size(); ++i) {
            const Cell *c = find(cells, i, 0);
            QVERIFY2(c, qPrintable(texts[i]));
            QCOMPARE(c->type, quint16(i < numbers.size() ? 0x0203 : 0x0204));
            if (i < numbers.size()) {
                QCOMPARE(c->number, numbers[i]);
                QCOMPARE(c->format, formats[i]);
            }
            else
                QCOMPARE(c->text, texts[i]);
        }
    }

    void unwritableFile()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(fillListFixture(t.database(), 3));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        s.bbtSearchClick();
        m_answer = m_dir.filePath("no/such/folder/x.xls");
        s.bbtExcelClick();
        QCOMPARE(messages.texts(), QStringList({"Excel 파일로 저장할 수 없습니다."}));
    }

    void tooManyRowsAreRefused()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        TfrmTSS010 s;
        s.statement = "WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < 65533) "
                      "SELECT X AS NO, 'A' AS NAME, X AS QTY, X AS AMT FROM N";
        s.bbtSearchClick();
        m_answer = m_dir.filePath("big.xls");
        s.bbtExcelClick();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.kinds().first(), MessageKind::Error);
        QVERIFY(messages.last().contains("65532"));
        QVERIFY(!QFile::exists(m_answer));

        // Exactly the limit is written, its last record on row 65534.
        s.statement.replace("65533", "65532");
        s.bbtSearchClick();
        messages.answer(false);
        s.bbtExcelClick();
        QVector<Cell> cells;
        QVERIFY(parseXls(m_answer, &cells));
        QCOMPARE(find(cells, 65534, 0)->text, QString("65532"));
    }

    // A workbook has no row limit: 100,000 records, numbers as numbers in the grid's format.
    void workbookOfAnyLength()
    {
        testing::TestDatabase t(db::Backend::SQLite);
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        messages.answer(false);
        TfrmTSS010 s;
        s.statement = "WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < 100000) "
                      "SELECT X AS NO, '김' || X AS NAME, '1,234.50' AS QTY, '0' || X AS AMT FROM N";
        s.bbtSearchClick();
        m_answer = m_dir.filePath("big.xlsx");
        s.bbtExcelClick();
        QCOMPARE(messages.texts(), QStringList({"저장한 파일(big.xlsx)을 Excel로 불러올까요?"}));
        testing::XlsxSheet sheet;
        QVERIFY(testing::parseXlsx(m_answer, &sheet));
        QCOMPARE(sheet.rows, 100003);
        QCOMPARE(sheet.cells.value("A1").text, QString("시험 현황 조회,출력"));
        QCOMPARE(sheet.merged, QStringList({"C2:D2"}));   // the band over 수량 and 금액
        QCOMPARE(sheet.cells.value("C2").text, QString("현황"));
        const testing::XlsxCell name = sheet.cells.value("B100003"), qty = sheet.cells.value("C100003"),
                                code = sheet.cells.value("D4");
        QVERIFY(!name.number);
        QCOMPARE(name.text, QString("김100000"));
        QVERIFY(qty.number && qty.style > 0);
        QCOMPARE(qty.text.toDouble(), 1234.5);
        QVERIFY(sheet.styles.contains("#,##0.00"));
        QVERIFY(!code.number);   // "01": a code, as shown
        QCOMPARE(code.text, QString("01"));
    }

    void opensInCalc()
    {
        const QString office = QStandardPaths::findExecutable("libreoffice");
        if (office.isEmpty() || !QFile::exists("/usr/share/doc/libreoffice-calc-nogui"))
            QSKIP("libreoffice-calc-nogui is not installed");
        testing::TestDatabase t(db::Backend::SQLite);
        QVERIFY(fillListFixture(t.database(), 3));
        DM()->attach(t.database());
        testing::MessageRecorder messages;
        messages.answer(false);
        TfrmTSS010 s;
        s.bbtSearchClick();
        m_answer = m_dir.filePath("calc.xls");
        s.bbtExcelClick();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANG", "ko_KR.UTF-8");
        p.setProcessEnvironment(env);
        p.start(office, {"-env:UserInstallation=file://" + m_dir.filePath("lo"), "--headless", "--convert-to",
                         "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", m_dir.path(), m_answer});
        QVERIFY(p.waitForFinished(120000));
        QFile csv(m_dir.filePath("calc.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(csv.readAll());
        QVERIFY2(text.contains("시험 현황 조회,출력") && text.contains("김철수1") && text.contains("12.50"), qPrintable(text));
    }
};

int main(int argc, char **argv)
{
    testing::prepareTestEnvironment();
    QApplication app(argc, argv);
    TestList test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_list.moc"
